// The texts of the built-in tables (the 2009 regions, the history, the
// countries): each is well-formed UTF-8 and has a GBK form, so that the faces
// that count or write GBK (the dialog, idtool --encoding gbk) never meet a
// character GBK lacks; the GBK form goes back to the same text. A few names
// are compared whole.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/gbk_table.h"
#include "core/nationality.h"
#include "core/region_history.h"
#include "core/region_tables.h"

namespace {

// The GBK form of the text, or "?" when a character has none; converted back
// to UTF-8 by the table's other direction, it must give the text again.
void expectGbkForm(const char* text, int32_t code) {
    ASSERT_NE(text, nullptr) << code;
    const std::size_t length = std::strlen(text);
    EXPECT_GT(length, 0u) << code;
    EXPECT_TRUE(isValidUtf8(text, length)) << code;
    std::string gbk(length, '\0');
    gbk.resize(utf8ToGbk(text, length, &gbk[0], gbk.size()));
    EXPECT_EQ(gbk.find('?'), std::string::npos) << code << ": a character without a GBK form";
    std::string back;
    const auto* bytes = reinterpret_cast<const unsigned char*>(gbk.data());
    for (std::size_t at = 0, step = 0; at < gbk.size(); at += step) {
        char character[4];
        const uint32_t codePoint = decodeCharacter(bytes + at, gbk.size() - at, Encoding::gbk, step);
        ASSERT_NE(codePoint, noCharacter) << code;
        back.append(character, encodeCharacter(codePoint, Encoding::utf8, character));
    }
    EXPECT_EQ(back, text) << code;
}

}  // namespace

TEST(TableTexts, EveryRecordAndUnitNameHasAGbkForm) {
    int records = 0;
    for (const ProvinceUnit& unit : provinceUnits) {
        SCOPED_TRACE(unit.unitCode);
        expectGbkForm(unit.label, unit.unitCode);
        expectGbkForm(unit.fullName, unit.unitCode);
        for (const RegionRecord record : recordsOf(unit)) {
            expectGbkForm(nameOf(record), codeOf(record));
            ++records;
        }
    }
    EXPECT_EQ(records, 3478);
}

TEST(TableTexts, EveryTextOfTheHistoryAndEveryCountryNameHasAGbkForm) {
    for (const HistoryRecord& record : allHistoryRecords()) {
        expectGbkForm(nameOf(record), codeOf(record));
        expectGbkForm(provinceOf(record), codeOf(record));
        if (levelOf(record) != RegionLevel::province) expectGbkForm(prefectureOf(record), codeOf(record));
    }
    for (int i = 0; i < countryCount; ++i) expectGbkForm(countries[i].name, countries[i].numeric);
}

TEST(TableTexts, NamesWithSpacesAndTheUnitsTextsMatchTheList) {
    struct Known {
        int32_t code;
        const char* name;
    };
    const Known known[] = {
        {110101, "东城区"},
        {120225, "蓟\u3000县"},  // an ideographic space inside
        {220605, "  江源区"},     // two leading spaces
        {659004, "五家渠市"},
    };
    for (const Known& k : known) {
        RegionRecord record{};
        ASSERT_TRUE(findRecord(k.code, record)) << k.code;
        EXPECT_STREQ(nameOf(record), k.name) << k.code;
    }
    EXPECT_STREQ(findUnit(11)->label, "北京");
    EXPECT_STREQ(findUnit(11)->fullName, "北京市");
    EXPECT_STREQ(findUnit(65)->fullName, "新疆维吾尔自治区");
}
