// The region tables' UTF-8 names against their GBK names: the same text in
// the other encoding, record for record. Each GBK double-byte character must
// stand where a three-byte UTF-8 character stands (every name is ASCII and
// CJK of the Basic Multilingual Plane), each ASCII byte where the same byte
// stands; a few names are compared whole.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/gbk_text.h"
#include "core/region_tables.h"

namespace {

// "a" for an ASCII byte, "C" for a double-byte or three-byte character; empty
// when the text is neither well-formed GBK nor well-formed UTF-8 of this kind.
std::string shapeOfGbk(const char* text) {
    std::string shape;
    for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p != 0;) {
        if (*p < 0x80) {
            shape += static_cast<char>(*p++);
        } else if (*p >= 0x81 && *p <= 0xFE && p[1] >= 0x40 && p[1] != 0x7F && p[1] <= 0xFE) {
            shape += 'C';
            p += 2;
        } else {
            return "";
        }
    }
    return shape;
}

std::string shapeOfUtf8(const char* text) {
    std::string shape;
    for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p != 0;) {
        if (*p < 0x80) {
            shape += static_cast<char>(*p++);
        } else if (*p >= 0xE0 && *p <= 0xEF && (p[1] & 0xC0) == 0x80 && (p[2] & 0xC0) == 0x80) {
            shape += 'C';
            p += 3;
        } else {
            return "";
        }
    }
    return shape;
}

void expectSameShape(const Text& name, int32_t code) {
    ASSERT_NE(name.utf8, nullptr) << code;
    const std::string gbk = shapeOfGbk(name.gbk);
    EXPECT_FALSE(gbk.empty()) << code;
    EXPECT_EQ(shapeOfUtf8(name.utf8), gbk) << code;
}

}  // namespace

TEST(RegionNamesUtf8, EveryRecordAndUnitHasItsNameInBothEncodings) {
    int records = 0;
    for (const ProvinceUnit& unit : provinceUnits) {
        SCOPED_TRACE(unit.unitCode);
        EXPECT_EQ(unit.labelText.gbk, unit.label);
        EXPECT_EQ(unit.fullNameText.gbk, unit.fullName);
        expectSameShape(unit.labelText, unit.unitCode);
        expectSameShape(unit.fullNameText, unit.unitCode);
        auto walk = [&records](const auto& table) {
            for (int i = 0; i < table.count; ++i, ++records) {
                const Text name = recordName(table, i);
                EXPECT_EQ(name.gbk, table.records[i].name);
                EXPECT_EQ(name.utf8, table.namesUtf8[i]);
                expectSameShape(name, table.records[i].code);
            }
        };
        if (unit.kind == UnitKind::municipality) walk(*unit.municipalTable);
        else walk(*unit.provinceTable);
    }
    EXPECT_EQ(records, 3478);
}

TEST(RegionNamesUtf8, NamesWithSpacesAndTheUnitsTextsMatchTheList) {
    struct Known {
        int unitCode;
        int32_t code;
        const char* utf8;
    };
    const Known known[] = {
        {11, 110101, u8"东城区"},
        {12, 120225, u8"蓟　县"},  // an ideographic space inside
        {22, 220605, u8"  江源区"},  // two leading spaces
        {65, 659004, u8"五家渠市"},
    };
    for (const Known& k : known) {
        const ProvinceUnit& unit = *findUnit(k.unitCode);
        const Text name = unit.kind == UnitKind::municipality
                              ? recordName(*unit.municipalTable, findByCode(*unit.municipalTable, k.code))
                              : recordName(*unit.provinceTable, findByCode(*unit.provinceTable, k.code));
        EXPECT_STREQ(name.utf8, k.utf8) << k.code;
    }
    EXPECT_STREQ(findUnit(11)->labelText.utf8, u8"北京");
    EXPECT_STREQ(findUnit(11)->fullNameText.utf8, u8"北京市");
    EXPECT_STREQ(findUnit(65)->fullNameText.utf8, u8"新疆维吾尔自治区");
}
