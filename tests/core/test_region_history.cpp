// The compiled history of region codes: its agreement with the 2009 tables,
// the telling codes of the list it comes from (data/region-history.tsv), and
// the lookups' edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "core/region_history.h"
#include "core/region_tables.h"

namespace {

std::vector<int32_t> successorCodes(const HistoryRecord& record) {
    std::vector<int32_t> codes;
    for (const HistorySuccessor& successor : successorsOf(record)) codes.push_back(successorCode(successor));
    return codes;
}

std::vector<int32_t> nowOf(int32_t code) {
    int32_t codes[maxNowCodes];
    const int count = nowCodes(code, codes);
    return std::vector<int32_t>(codes, codes + count);
}

// --- Agreement with the 2009 tables --------------------------------------

// A 2009 record that the history does not have, in use in 2009 with the same
// code and name. historyName is null when no record of the code was in use.
struct Disagreement {
    int32_t code;
    std::string name2009;
    const char* historyName;
};

bool operator==(const Disagreement& a, const Disagreement& b) {
    const bool bothNull = a.historyName == nullptr && b.historyName == nullptr;
    const bool sameName = a.historyName != nullptr && b.historyName != nullptr &&
                          std::strcmp(a.historyName, b.historyName) == 0;
    return a.code == b.code && a.name2009 == b.name2009 && (bothNull || sameName);
}

void PrintTo(const Disagreement& d, std::ostream* out) {
    *out << d.code << " (2009 name of " << d.name2009.size() << " bytes, history "
         << (d.historyName != nullptr ? "differs" : "has none") << ")";
}

// Every 2009 record checked alike. A city-level record (a prefecture, or the
// three groupings of counties directly under a province, or Jilin's 220000)
// is checked against the history's prefecture-level or province-level record
// of its code: the dialog shows these names too, so they must agree as well.
// Grouping records named 市辖区 are counted apart: they name no place, and the
// history has no record of their codes in any year.
struct Comparison {
    int agreeing = 0;
    int groupings = 0;
    std::vector<Disagreement> disagreements;
};

void compare2009Record(int32_t code, const char* name, bool countyLevel, Comparison& result) {
    SCOPED_TRACE(code);
    const HistoryRecord* record = recordInYear(code, 2009);
    if (record == nullptr) {
        if (std::strcmp(name, "市辖区") == 0 && recordsOfCode(code).empty()) {
            ++result.groupings;
            return;
        }
        result.disagreements.push_back({code, name, nullptr});
        return;
    }
    const RegionLevel expected = countyLevel          ? RegionLevel::county
                                 : code % 10000 == 0 ? RegionLevel::province
                                                     : RegionLevel::prefecture;
    EXPECT_EQ(levelOf(*record), expected);
    if (std::strcmp(nameOf(*record), name) == 0) ++result.agreeing;
    else result.disagreements.push_back({code, name, nameOf(*record)});
}

Comparison compareWith2009Tables() {
    Comparison result;
    for (const ProvinceUnit& unit : provinceUnits) {
        if (unit.kind == UnitKind::municipality) {
            const MunicipalTable& table = *unit.municipalTable;
            for (int i = 0; i < table.count; ++i) compare2009Record(table.records[i].code, table.records[i].name, true, result);
        } else {
            const ProvinceTable& table = *unit.provinceTable;
            for (int i = 0; i < table.count; ++i) {
                const DivisionEntry& entry = table.records[i];
                compare2009Record(entry.code, entry.name, !isCityLevel(entry), result);
            }
        }
    }
    return result;
}

// The 2009 names with their extra bytes removed: ideographic spaces (U+3000),
// ASCII spaces and the mark "(*)".
std::string withoutExtraBytes(const std::string& name) {
    std::string plain;
    for (size_t i = 0; i < name.size(); ++i) {
        if (static_cast<unsigned char>(name[i]) >= 0xE0 && i + 2 < name.size()) {
            // A three-byte character: kept unless it is the ideographic space.
            if (name.compare(i, 3, "\u3000") != 0) plain += name.substr(i, 3);
            i += 2;
        } else if (name.compare(i, 3, "(*)") == 0) {
            i += 2;
        } else if (name[i] != ' ') {
            plain += name[i];
        }
    }
    return plain;
}

}  // namespace

TEST(RegionHistory2009, EveryRecordAgreesExceptTheListedOnes) {
    const std::vector<Disagreement> expected = {
        {120225, "蓟\u3000县", "蓟县"},  // 蓟, ideographic space, 县
        {220605, "  江源区", "江源区"},
        {429000, "省直辖县级行政区划", nullptr},
        {450331, "荔蒲县", "荔浦县"},  // the statistics bureau's spelling against the ministry's
        {451402, "江洲区", "江州区"},
        {469000, "省直辖县级行政区划", nullptr},
        {640303, "红寺堡区 (*)", "红寺堡区"},
        {659000, "自治区直辖县级行政区划", nullptr},
    };
    const Comparison result = compareWith2009Tables();
    EXPECT_EQ(result.disagreements, expected);
    EXPECT_EQ(result.groupings, 280);
    EXPECT_EQ(result.agreeing, 3478 - 280 - 8);
}

TEST(RegionHistory2009, ExtraBytesAreTheOnlyDifferenceOfThreeNames) {
    for (int32_t code : {120225, 220605, 640303}) {
        const ProvinceUnit& unit = *findUnit(code / 10000);
        const char* name2009 = unit.kind == UnitKind::municipality
                                   ? unit.municipalTable->records[findByCode(*unit.municipalTable, code)].name
                                   : unit.provinceTable->records[findByCode(*unit.provinceTable, code)].name;
        EXPECT_NE(std::string(name2009), nameOf(*recordInYear(code, 2009))) << code;
        EXPECT_EQ(withoutExtraBytes(name2009), nameOf(*recordInYear(code, 2009))) << code;
    }
}

// --- Telling codes -------------------------------------------------------

namespace {

struct RecordFacts {
    const char* name;
    const char* prefecture;
    int firstYear;
    int untilYear;  // 0 while in use
};

struct CodeCase {
    const char* why;
    int32_t code;
    CodeStatus status;
    std::vector<RecordFacts> records;
    std::vector<int32_t> successors;  // of the latest record
    std::vector<int32_t> now;
};

const CodeCase codeCases[] = {
    {"abolished after 2009", 110103, CodeStatus::listed2009, {{"崇文区", "直辖", 1981, 2010}}, {110101}, {110101}},
    {"created after 2009", 330112, CodeStatus::inUse, {{"临安区", "杭州市", 2017, 0}}, {}, {}},
    {"abolished before 2009, two steps to now", 330124, CodeStatus::abolished,
     {{"临安县", "杭州市", 1981, 1996}}, {330185}, {330112}},
    {"three successors, one code now", 512201, CodeStatus::abolished,
     {{"万县市", "万县地区", 1981, 1992}}, {511202, 511203, 511204}, {500101}},
    {"renamed", 130502, CodeStatus::listed2009,
     {{"桥东区", "邢台市", 1983, 2020}, {"襄都区", "邢台市", 2020, 0}}, {}, {}},
    {"reused for another place after a gap", 511402, CodeStatus::listed2009,
     {{"枳城区", "涪陵市", 1995, 1997}, {"东坡区", "眉山市", 2000, 0}}, {}, {}},
    // 511402 and 511403 are followed as they stood in 1995, to 涪陵区, not to
    // 511402's later place 东坡区.
    {"successor code later reused", 512301, CodeStatus::abolished,
     {{"涪陵市", "涪陵地区", 1983, 1995}}, {511402, 511403}, {500102}},
    {"successor code later reused (419001 义马市, now 济源市)", 411219, CodeStatus::abolished,
     {{"义马市", "三门峡市", 1986, 1987}}, {419001}, {411281}},
    {"cycle: 542136 hands back to 542121", 542121, CodeStatus::listed2009,
     {{"昌都县", "昌都地区", 1981, 2014}}, {542136, 542137, 540302}, {540302, 540321, 540325}},
    {"cycle: 231019 and 231021 hand over to each other", 231019, CodeStatus::abolished,
     {{"镜泊湖市", "牡丹江市", 1986, 1987}}, {231021}, {231084}},
    {"longest chain", 372622, CodeStatus::abolished, {{"莱芜县", "泰安地区", 1981, 1983}}, {372602}, {370116, 370117}},
    {"the most codes now", 510222, CodeStatus::abolished, {{"巴县", "重庆市", 1981, 1994}},
     {510203, 510212, 510213, 510214, 510219}, {500103, 500104, 500105, 500106, 500107, 500108, 500113}},
    {"a successor named twice, with and without a hand-over year", 132925, CodeStatus::abolished,
     {{"交河县", "沧州地区", 1981, 1983}}, {132902, 132902}, {130981}},
    {"county-level city to prefecture to districts", 222202, CodeStatus::abolished,
     {{"浑江市", "通化地区", 1981, 1985}}, {220600}, {220602, 220605, 220681}},
    {"abolished without successors: leads nowhere", 142200, CodeStatus::abolished,
     {{"忻县地区", "忻县地区", 1981, 1983}, {"忻州地区", "忻州地区", 1983, 2000}}, {}, {}},
    {"city-level in the 2009 tables", 130100, CodeStatus::inUse, {{"石家庄市", "石家庄市", 1981, 0}}, {}, {}},
    {"2009 grouping record 市辖区, unknown to the history", 130101, CodeStatus::listed2009, {}, {}, {}},
    {"no record", 110199, CodeStatus::unknown, {}, {}, {}},
};

void PrintTo(const CodeCase& c, std::ostream* out) { *out << c.code; }

class TellingCode : public testing::TestWithParam<CodeCase> {};

}  // namespace

TEST_P(TellingCode, RecordsStatusSuccessorsAndNow) {
    const CodeCase& c = GetParam();
    SCOPED_TRACE(c.code);
    EXPECT_EQ(codeStatus(c.code), c.status);
    const HistoryRecords records = recordsOfCode(c.code);
    ASSERT_EQ(records.size(), c.records.size());
    for (size_t i = 0; i < c.records.size(); ++i) {
        const HistoryRecord& record = records.first[i];
        EXPECT_EQ(codeOf(record), c.code);
        EXPECT_STREQ(nameOf(record), c.records[i].name);
        EXPECT_STREQ(prefectureOf(record), c.records[i].prefecture);
        EXPECT_EQ(firstYearOf(record), c.records[i].firstYear);
        EXPECT_EQ(untilYearOf(record), c.records[i].untilYear);
    }
    EXPECT_EQ(latestRecord(c.code), records.empty() ? nullptr : records.last - 1);
    const std::vector<int32_t> successors = records.empty() ? std::vector<int32_t>{} : successorCodes(records.last[-1]);
    EXPECT_EQ(successors, c.successors);
    EXPECT_EQ(nowOf(c.code), c.now);
}

INSTANTIATE_TEST_SUITE_P(History, TellingCode, testing::ValuesIn(codeCases));

TEST(RegionHistory, TextsOfARecord) {
    const HistoryRecord& wanxian = *recordInYear(512201, 1990);
    EXPECT_STREQ(nameOf(wanxian), "万县市");
    EXPECT_STREQ(provinceOf(wanxian), "四川省");
    EXPECT_STREQ(prefectureOf(wanxian), "万县地区");
    const HistoryRecord& chongqing = *latestRecord(500000);
    EXPECT_EQ(levelOf(chongqing), RegionLevel::province);
    EXPECT_STREQ(nameOf(chongqing), "重庆市");
    EXPECT_STREQ(prefectureOf(chongqing), "");
    EXPECT_EQ(levelOf(*latestRecord(510100)), RegionLevel::prefecture);
    EXPECT_EQ(levelOf(wanxian), RegionLevel::county);
}

TEST(RegionHistory, HandOverYears) {
    const HistoryRecord& changdu = *latestRecord(542121);
    std::vector<int> years;
    for (const HistorySuccessor& successor : successorsOf(changdu)) years.push_back(handOverYear(changdu, successor));
    EXPECT_EQ(years, (std::vector<int>{1983, 1983, 2014}));
    // Each successor's record is the one in use when it took over.
    const HistorySuccessor& first = *successorsOf(*latestRecord(512301)).first;
    EXPECT_STREQ(nameOf(successorRecord(first)), "枳城区");
    EXPECT_STREQ(nameOf(*latestRecord(successorCode(first))), "东坡区");
}

TEST(RegionHistory, RecordInYearAtTheEdgesOfItsYears) {
    const std::tuple<int32_t, int, const char*> cases[] = {
        {110103, 1980, nullptr},  // before the first list
        {110103, 1981, "崇文区"},
        {110103, 2009, "崇文区"},
        {110103, 2010, nullptr},  // until_year is the first year without it
        {130502, 2019, "桥东区"},
        {130502, 2020, "襄都区"},
        {130107, 1988, "井陉矿区"},
        {130107, 1989, nullptr},  // a gap between two records of one code
        {130107, 1991, nullptr},
        {130107, 1992, "井陉矿区"},
        {110101, 2024, "东城区"},
        {110101, 2100, "东城区"},  // still in use
        {110199, 2000, nullptr},
    };
    for (const auto& [code, year, name] : cases) {
        const HistoryRecord* record = recordInYear(code, year);
        if (name == nullptr) EXPECT_EQ(record, nullptr) << code << " " << year;
        else if (record == nullptr) ADD_FAILURE() << code << " " << year;
        else EXPECT_STREQ(nameOf(*record), name) << code << " " << year;
    }
}

TEST(RegionHistory, InUseAtBirthWithEarlyYearsAnsweredByTheFirstList) {
    const std::tuple<int32_t, int, bool> cases[] = {
        {110110, 1970, true},  // 燕山区 1981-1986
        {110110, 1985, true},
        {110110, 1986, false},
        {110111, 1970, false},  // 房山区 since 1986
        {110111, 1985, false},
        {110111, 1986, true},
        {330112, 2016, false},
        {330112, 2017, true},
        {130107, 1990, false},
        {110199, 1990, false},
    };
    for (const auto& [code, year, inUse] : cases) EXPECT_EQ(inUseAtBirth(code, year), inUse) << code << " " << year;
}

TEST(RegionHistory, StatusNames) {
    EXPECT_STREQ(codeStatusName(CodeStatus::listed2009), "2009");
    EXPECT_STREQ(codeStatusName(CodeStatus::inUse), "in_use");
    EXPECT_STREQ(codeStatusName(CodeStatus::abolished), "abolished");
    EXPECT_STREQ(codeStatusName(CodeStatus::unknown), "unknown");
}

// --- The whole table -----------------------------------------------------

TEST(RegionHistory, RecordsAscendNeverOverlapAndLinkToRecordsInUseAtHandOver) {
    const HistoryRecords all = allHistoryRecords();
    ASSERT_EQ(all.size(), 6823u);
    int codes = 0;
    for (const HistoryRecord* record = all.first; record != all.last; ++record) {
        SCOPED_TRACE(codeOf(*record));
        if (record == all.first || codeOf(record[-1]) != codeOf(*record)) {
            ++codes;
        } else {
            EXPECT_LT(firstYearOf(record[-1]), firstYearOf(*record));
            EXPECT_FALSE(stillInUse(record[-1]));
            EXPECT_LE(untilYearOf(record[-1]), firstYearOf(*record));
        }
        EXPECT_TRUE(record == all.first || codeOf(record[-1]) <= codeOf(*record));
        EXPECT_NE(nameOf(*record)[0], '\0');
        for (const HistorySuccessor& successor : successorsOf(*record))
            EXPECT_TRUE(inUseIn(successorRecord(successor), handOverYear(*record, successor))) << successorCode(successor);
    }
    EXPECT_EQ(codes, 6450);
}

TEST(RegionHistory, CodesInUseInAYearAreUniqueAndAscending) {
    const std::tuple<int, int> counts[] = {{1980, 0}, {1981, 2640}, {1990, 3203}, {2009, 3228}, {2024, 3213}};
    for (const auto& [year, expected] : counts) {
        int count = 0;
        int32_t previous = 0;
        for (const HistoryRecord& record : allHistoryRecords()) {
            if (!inUseIn(record, year)) continue;
            EXPECT_GT(codeOf(record), previous) << year;
            EXPECT_EQ(recordInYear(codeOf(record), year), &record);
            previous = codeOf(record);
            ++count;
        }
        EXPECT_EQ(count, expected) << year;
    }
}

TEST(RegionHistory, NowOfEveryCodeFitsAndEndsInCodesInUse) {
    int most = 0;
    for (const HistoryRecord& record : allHistoryRecords()) {
        int32_t codes[maxNowCodes];
        const int count = nowCodesOfRecord(record, codes);
        ASSERT_LE(count, maxNowCodes);
        most = std::max(most, count);
        EXPECT_TRUE(count == 0 || !stillInUse(record)) << codeOf(record);
        for (int i = 0; i < count; ++i) {
            EXPECT_TRUE(stillInUse(*latestRecord(codes[i]))) << codeOf(record) << " -> " << codes[i];
            EXPECT_TRUE(i == 0 || codes[i - 1] < codes[i]) << codeOf(record);
        }
    }
    EXPECT_EQ(most, maxNowCodes);  // the bound is the true maximum
}
