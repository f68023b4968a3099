// The compiled region tables against the published facts of the list they
// come from, and the lookups' edge cases. Names are UTF-8, and their GBK
// forms (what the dialog counts and idtool's GBK output writes) are the
// list's GBK bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/gbk_table.h"
#include "core/region_tables.h"

namespace {

// The units themselves are checked first (RegionUnits).
const ProvinceTable& provinceTableOf(int unitCode) { return *findUnit(unitCode)->provinceTable; }

// Code and name of every record of a unit's table, whichever its kind.
struct Row {
    int32_t code;
    std::string name;
};

// Calls visit(code, name field, field size) for each record of a unit's table.
template <typename Visit>
void forEachRecord(const ProvinceUnit& unit, Visit visit) {
    auto walk = [&visit](const auto& table) {
        for (int i = 0; i < table.count; ++i)
            visit(table.records[i].code, table.records[i].name, sizeof table.records[i].name);
    };
    if (unit.kind == UnitKind::municipality) walk(*unit.municipalTable);
    else walk(*unit.provinceTable);
}

std::vector<Row> rowsOf(const ProvinceUnit& unit) {
    std::vector<Row> rows;
    forEachRecord(unit, [&rows](int32_t code, const char* name, size_t) { rows.push_back({code, name}); });
    return rows;
}

// The GBK form of a UTF-8 name, by the core's table.
std::string gbkOf(const std::string& utf8) {
    std::string gbk(utf8.size(), '\0');
    gbk.resize(utf8ToGbk(utf8.data(), utf8.size(), &gbk[0], gbk.size()));
    return gbk;
}

// FNV-1a 64 over each record's six code digits, name bytes and terminator, in
// table order; the expected values are computed from the list's rows, so any
// wrong, missing, extra or moved row changes it. With `inGbk`, over the
// names' GBK forms.
uint64_t digestOf(const std::vector<Row>& rows, bool inGbk = false) {
    uint64_t hash = 0xcbf29ce484222325u;
    auto feed = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001b3u;
    };
    for (const Row& row : rows) {
        for (int32_t divisor = 100000; divisor > 0; divisor /= 10)
            feed(static_cast<unsigned char>('0' + row.code / divisor % 10));
        for (char byte : inGbk ? gbkOf(row.name) : row.name) feed(static_cast<unsigned char>(byte));
        feed(0);
    }
    return hash;
}

struct UnitFacts {
    int unitCode;
    const char* label;
    const char* fullName;
    UnitKind kind;
    int pickerIndex;
    int recordCount;
    int cityLevelCount;
    int32_t firstCode;
    const char* firstName;
    int32_t lastCode;
    const char* lastName;
    uint64_t digest;     // of the UTF-8 names
    uint64_t gbkDigest;  // of their GBK forms
};

constexpr UnitKind M = UnitKind::municipality;
constexpr UnitKind P = UnitKind::province;

const UnitFacts unitFacts[] = {
    {11, "北京", "北京市", M, 0, 18, 0, 110101, "东城区", 110229, "延庆县", 0x65716B7F882CC027u, 0x14264049F470F11Au},
    {12, "天津", "天津市", M, 1, 16, 0, 120101, "和平区", 120225, "蓟\u3000县", 0x9A98004B832BA167u, 0xBB80F799AE4C0F36u},
    {13, "河北省", "河北省", P, 0, 194, 11, 130100, "石家庄市", 131182, "深州市", 0xD1E43A52F94C8886u, 0xCEB40172226EC86Au},
    {14, "山西省", "山西省", P, 1, 141, 11, 140100, "太原市", 141182, "汾阳市", 0x6A6932F88EE9AD4Cu, 0xEE3FB18AAD4E4C5Cu},
    {15, "内蒙古自治区", "内蒙古自治区", P, 2, 122, 12, 150100, "呼和浩特市", 152923, "额济纳旗", 0xB128C0DC127C71B2u, 0xB6AD1D0776259EB1u},
    {21, "辽宁省", "辽宁省", P, 3, 128, 14, 210100, "沈阳市", 211481, "兴城市", 0x33CC955E3F1DFE49u, 0xF1E168C8D8526854u},
    {22, "吉林省", "吉林省", P, 4, 78, 10, 220000, "吉林省", 222426, "安图县", 0x53DDB4AD0A6946FBu, 0x13DEA24B1B22F9AEu},
    {23, "黑龙江省", "黑龙江省", P, 5, 153, 13, 230100, "哈尔滨市", 232723, "漠河县", 0xDFD50503B45107DBu, 0x943D8BE8EDE59EF4u},
    {31, "上海", "上海市", M, 2, 18, 0, 310101, "黄浦区", 310230, "崇明县", 0xCB71D92EC50D8B65u, 0x1E2973D77ACB07FDu},
    {32, "江苏省", "江苏省", P, 6, 132, 13, 320100, "南京市", 321324, "泗洪县", 0x564CE5F8D9988F6Bu, 0x886B63AD1EB806BFu},
    {33, "浙江省", "浙江省", P, 7, 112, 11, 330100, "杭州市", 331181, "龙泉市", 0x95D20569185F74EFu, 0xFFD9D7D6EA6E9D2Au},
    {34, "安徽省", "安徽省", P, 8, 139, 17, 340100, "合肥市", 341881, "宁国市", 0x6E99A46CDD014D00u, 0x50A89F49D457324Fu},
    {35, "福建省", "福建省", P, 9, 103, 9, 350100, "福州市", 350982, "福鼎市", 0xBD36863028390F23u, 0x07B8B78D15C0ED5Bu},
    {36, "江西省", "江西省", P, 10, 121, 11, 360100, "南昌市", 361181, "德兴市", 0xEF3E364EAB4186E6u, 0x784EED2321806D03u},
    {37, "山东省", "山东省", P, 11, 174, 17, 370100, "济南市", 371728, "东明县", 0x4AE9654D2041846Du, 0x92565EFEFC130642u},
    {41, "河南省", "河南省", P, 12, 193, 17, 410100, "郑州市", 419001, "济源市", 0x63DADCCB1F367719u, 0x9BE0784E64D31340u},
    {42, "湖北省", "湖北省", P, 13, 129, 14, 420100, "武汉市", 429021, "神农架林区", 0x7A02E8985A34C04Au, 0x5041B967FFA725F6u},
    {43, "湖南省", "湖南省", P, 14, 149, 14, 430100, "长沙市", 433130, "龙山县", 0x849967ECD44EA617u, 0x6E5F78B01E53FFDBu},
    {44, "广东省", "广东省", P, 15, 161, 21, 440100, "广州市", 445381, "罗定市", 0xD8AFE023C688DEC2u, 0x84D08F8F7A93CDBFu},
    {45, "广西壮族自治区", "广西壮族自治区", P, 16, 137, 14, 450100, "南宁市", 451481, "凭祥市", 0x3DFF19295F651290u, 0xC935CB228360BC4Au},
    {46, "海南省", "海南省", P, 17, 28, 3, 460100, "海口市", 469033, "中沙群岛的岛礁及其海域", 0x2821E38E6CA37D79u, 0x7E4AC4EF97F29930u},
    {50, "重庆", "重庆市", M, 3, 40, 0, 500101, "万州区", 500243, "彭水苗族土家族自治县", 0xE7ACBBF6D1ED85A4u, 0x90A3D70B8C0C6000u},
    {51, "四川省", "四川省", P, 18, 220, 21, 510100, "成都市", 513437, "雷波县", 0xE451741F68163737u, 0x356C3512482726DFu},
    {52, "贵州省", "贵州省", P, 19, 100, 9, 520100, "贵阳市", 522732, "三都水族自治县", 0x50E82D5F45BB7326u, 0x27A56D805E464C85u},
    {53, "云南省", "云南省", P, 20, 153, 16, 530100, "昆明市", 533423, "维西傈僳族自治县", 0x87BF221BFC9562A3u, 0x69A78D8283F450DCu},
    {54, "西藏自治区", "西藏自治区", P, 21, 81, 7, 540100, "拉萨市", 542627, "朗县", 0xDA517262205ED39Au, 0x56B4E9D663FA33ABu},
    {61, "陕西省", "陕西省", P, 22, 127, 10, 610100, "西安市", 611026, "柞水县", 0x0269D0EC9FC8D932u, 0x0AB96507F061D02Fu},
    {62, "甘肃省", "甘肃省", P, 23, 112, 14, 620100, "兰州市", 623027, "夏河县", 0x703E7BEC3A12587Fu, 0xFF9E52AB92B41131u},
    {63, "青海省", "青海省", P, 24, 52, 8, 630100, "西宁市", 632823, "天峻县", 0x009B0B3BF6772C63u, 0xE6131ABD66CAA363u},
    {64, "宁夏回族自治区", "宁夏回族自治区", P, 25, 32, 5, 640100, "银川市", 640522, "海原县", 0xE7D6878DE4380B38u, 0x9ABE1C4C03F1972Du},
    {65, "新疆维吾尔自治区", "新疆维吾尔自治区", P, 26, 115, 15, 650100, "乌鲁木齐市", 659004, "五家渠市", 0xD2C5D5DB0752FB3Du, 0x439344528A14C763u},
};

}  // namespace

// --- The unit table and the per-unit facts -------------------------------

TEST(RegionUnits, MatchTheUnitTableInAscendingCodeAndPickerOrder) {
    ASSERT_EQ(std::size(unitFacts), static_cast<size_t>(unitCount));
    for (int i = 0; i < unitCount; ++i) {
        const UnitFacts& facts = unitFacts[i];
        const ProvinceUnit& unit = provinceUnits[i];
        SCOPED_TRACE(facts.unitCode);
        EXPECT_EQ(unit.unitCode, facts.unitCode);
        EXPECT_STREQ(unit.label, facts.label);
        EXPECT_STREQ(unit.fullName, facts.fullName);
        EXPECT_EQ(unit.kind, facts.kind);
        EXPECT_EQ(unit.pickerIndex, facts.pickerIndex);
        EXPECT_EQ(unit.municipalTable != nullptr, facts.kind == M);
        EXPECT_EQ(unit.provinceTable != nullptr, facts.kind == P);
        EXPECT_EQ(findUnit(facts.unitCode), &unit);
        EXPECT_EQ(facts.kind == M ? municipalityAt(facts.pickerIndex) : provinceAt(facts.pickerIndex), &unit);
    }
    for (int code : {0, 10, 16, 30, 71, 81, 82, 99, -11, 1100, 110000}) EXPECT_EQ(findUnit(code), nullptr) << code;
}

TEST(RegionTables, CountsFirstAndLastRecordsRowsAndAscendingCodesPerUnit) {
    int total = 0;
    for (const UnitFacts& facts : unitFacts) {
        SCOPED_TRACE(facts.unitCode);
        const std::vector<Row> rows = rowsOf(*findUnit(facts.unitCode));
        ASSERT_EQ(static_cast<int>(rows.size()), facts.recordCount);
        total += facts.recordCount;
        EXPECT_EQ(rows.front().code, facts.firstCode);
        EXPECT_EQ(rows.front().name, facts.firstName);
        EXPECT_EQ(rows.back().code, facts.lastCode);
        EXPECT_EQ(rows.back().name, facts.lastName);
        EXPECT_EQ(digestOf(rows), facts.digest) << "a row differs from the list";
        EXPECT_EQ(digestOf(rows, true), facts.gbkDigest) << "a name's GBK form differs from the list's";
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_TRUE(i == 0 || rows[i].code > rows[i - 1].code) << rows[i].code;  // invariant 1
            EXPECT_EQ(rows[i].code / 10000, facts.unitCode) << rows[i].code;         // 2
            EXPECT_TRUE(facts.kind == P || rows[i].code % 100 != 0) << rows[i].code;  // 3
        }
        if (facts.kind == M) continue;
        const ProvinceTable& table = provinceTableOf(facts.unitCode);
        int cityLevel = 0;
        for (int i = nextCityLevelRecord(table, 0); i < table.count; i = nextCityLevelRecord(table, i + 1))
            ++cityLevel;
        EXPECT_EQ(cityLevel, facts.cityLevelCount);
    }
    EXPECT_EQ(total, 3478);
}

TEST(RegionTables, MunicipalCodeLists) {
    // Runs of consecutive codes, first to last.
    const std::map<int, std::vector<std::pair<int32_t, int32_t>>> codeLists = {
        {11, {{110101, 110109}, {110111, 110117}, {110228, 110229}}},
        {12, {{120101, 120106}, {120110, 120116}, {120221, 120221}, {120223, 120223}, {120225, 120225}}},
        {31, {{310101, 310101}, {310103, 310110}, {310112, 310118}, {310120, 310120}, {310230, 310230}}},
        {50, {{500101, 500119}, {500222, 500238}, {500240, 500243}}},
    };
    for (const auto& [unitCode, runs] : codeLists) {
        std::vector<int32_t> expected;
        for (const auto& [first, last] : runs)
            for (int32_t code = first; code <= last; ++code) expected.push_back(code);
        std::vector<int32_t> actual;
        for (const Row& row : rowsOf(*findUnit(unitCode))) actual.push_back(row.code);
        EXPECT_EQ(actual, expected) << unitCode;
    }
}

// --- Invariants, numbered as the tables promise them -----------------------

TEST(RegionTables, CountyLevelRecordsFollowTheirOwnCityWhoseNameIsUnique) {
    for (const ProvinceUnit& unit : provinceUnits) {
        if (unit.kind != UnitKind::province) continue;
        SCOPED_TRACE(unit.unitCode);
        const ProvinceTable& table = *unit.provinceTable;
        // 4: the table starts with a city-level record, and every county-level
        // record but 419001 sits under the record of its city code.
        ASSERT_TRUE(isCityLevel(table.records[0]));
        int32_t cityCode = 0;
        for (int i = 0; i < table.count; ++i) {
            const DivisionEntry& record = table.records[i];
            if (isCityLevel(record)) {
                cityCode = record.code;
                // 5, seen through the lookup the county list relies on.
                EXPECT_EQ(findByName(table, record.name), i) << record.code;
                for (int j = i + 1; j < table.count; ++j) EXPECT_STRNE(record.name, table.records[j].name);
            } else if (record.code == 419001) {
                EXPECT_EQ(cityCode, 411700);
                EXPECT_EQ(i, table.count - 1);
            } else {
                EXPECT_EQ(record.code / 100 * 100, cityCode) << record.code;
            }
        }
    }
}

TEST(RegionTables, NamesAreNonEmptyTerminatedAndZeroFilled) {  // 6
    size_t longest[2] = {0, 0};  // municipal, division
    for (const ProvinceUnit& unit : provinceUnits) {
        forEachRecord(unit, [&](int32_t code, const char* field, size_t size) {
            const void* terminator = std::memchr(field, '\0', size);
            ASSERT_NE(terminator, nullptr) << code << " is not terminated inside its field";
            const size_t length = static_cast<size_t>(static_cast<const char*>(terminator) - field);
            EXPECT_GT(length, 0u) << code;
            for (size_t i = length; i < size; ++i) ASSERT_EQ(field[i], '\0') << code;
            size_t& longestOfKind = longest[unit.kind == P ? 1 : 0];
            if (length > longestOfKind) longestOfKind = length;
        });
    }
    EXPECT_EQ(longest[0], 30u);  // in UTF-8: 20 and 30 bytes in GBK
    EXPECT_EQ(longest[1], 45u);
    EXPECT_EQ(sizeof(MunicipalEntry::name), 256u);
    EXPECT_EQ(sizeof(DivisionEntry::name), 52u);
}

// --- Telling rows, byte for byte -----------------------------------------

TEST(RegionTables, HebeiBeginsWithShijiazhuangAndItsDistricts) {
    const ProvinceTable& hebei = provinceTableOf(13);
    const Row expected[] = {{130100, "石家庄市"}, {130101, "市辖区"}, {130102, "长安区"},
                            {130103, "桥东区"},   {130104, "桥西区"}, {130105, "新华区"},
                            {130107, "井陉矿区"}, {130108, "裕华区"}};
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(hebei.records[i].code, expected[i].code);
        EXPECT_EQ(std::string(hebei.records[i].name), expected[i].name);
    }
}

TEST(RegionTables, SpecialRowsHoldTheirExactTextsAndGbkBytes) {
    // The GBK bytes in hex, as the list gives them.
    const struct {
        int32_t code;
        const char* name;
        const char* gbk;
    } rows[] = {
        {120225, "蓟\u3000县", "\xBC\xBB\xA1\xA1\xCF\xD8"},      // ideographic space
        {220605, "  江源区", "  \xBD\xAD\xD4\xB4\xC7\xF8"},        // two leading spaces
        {640303, "红寺堡区 (*)", "\xBA\xEC\xCB\xC2\xB1\xA4\xC7\xF8 (*)"},  // trailing mark
        {341302, "埇桥区", "\x88\xAC\xC7\xC5\xC7\xF8"},          // outside GB 2312 from here
        {410304, "瀍河回族区", "\x9E\x65\xBA\xD3\xBB\xD8\xD7\xE5\xC7\xF8"},
        {411502, "浉河区", "\x9B\xB8\xBA\xD3\xC7\xF8"},
        {420104, "硚口区", "\xB3\x7E\xBF\xDA\xC7\xF8"},
        {420505, "猇亭区", "\xAA\x56\xCD\xA4\xC7\xF8"},
        {530925, "双江拉祜族佤族布朗族傣族自治县",
         "\xCB\xAB\xBD\xAD\xC0\xAD\xEC\xEF\xD7\xE5\xD8\xF4\xD7\xE5\xB2\xBC\xC0\xCA\xD7\xE5\xB4\xF6\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},
        {622927, "积石山保安族东乡族撒拉族自治县",
         "\xBB\xFD\xCA\xAF\xC9\xBD\xB1\xA3\xB0\xB2\xD7\xE5\xB6\xAB\xCF\xE7\xD7\xE5\xC8\xF6\xC0\xAD\xD7\xE5\xD7\xD4\xD6\xCE\xCF\xD8"},
    };
    for (const auto& expected : rows) {
        bool found = false;
        for (const Row& row : rowsOf(*findUnit(expected.code / 10000))) {
            if (row.code != expected.code) continue;
            found = true;
            EXPECT_EQ(row.name, expected.name) << row.code;
            EXPECT_EQ(gbkOf(row.name), expected.gbk) << row.code;
        }
        EXPECT_TRUE(found) << expected.code;
    }
}

TEST(RegionTables, RepeatedNamesAreExactlyTheListedOnes) {
    // unitCode -> name -> codes in table order, "市辖区" aside.
    using Repeats = std::map<std::string, std::vector<int32_t>>;
    const std::map<int, Repeats> expected = {
        {13, {{"桥东区", {130103, 130502, 130702}}, {"桥西区", {130104, 130503, 130703}}, {"新华区", {130105, 130902}}}},
        {14, {{"城区", {140202, 140302, 140402, 140502}}, {"矿区", {140203, 140303}}, {"郊区", {140311, 140411}}}},
        {21, {{"铁西区", {210106, 210303}}}},
        {23, {{"向阳区", {230402, 230803}}}},
        {32, {{"鼓楼区", {320106, 320302}}}},
        {37, {{"市中区", {370103, 370402, 370802}}}},
        {51, {{"市中区", {511002, 511102}}}},
    };
    for (const ProvinceUnit& unit : provinceUnits) {
        Repeats byName;
        for (const Row& row : rowsOf(unit)) byName[row.name].push_back(row.code);
        byName.erase("市辖区");
        Repeats repeats;
        for (const auto& [name, codes] : byName)
            if (codes.size() > 1) repeats[name] = codes;
        const auto found = expected.find(unit.unitCode);
        EXPECT_EQ(repeats, found == expected.end() ? Repeats{} : found->second) << unit.unitCode;
    }
    auto groupingCount = [](int unitCode) {
        int count = 0;
        for (const Row& row : rowsOf(*findUnit(unitCode))) count += row.name == "市辖区" ? 1 : 0;
        return count;
    };
    EXPECT_EQ(groupingCount(13), 11);
    EXPECT_EQ(groupingCount(44), 19);
}

// --- Lookups -------------------------------------------------------------

TEST(RegionLookups, FindByCodeAndFindByNameGiveTheFirstMatchOrTheCount) {
    const std::tuple<int, int32_t, int> byCode[] = {  // unit, code, index
        {11, 110101, 0},  {11, 110102, 1},  {11, 110110, 18},    {11, 110229, 17},    {11, 110000, 18},
        {11, 110100, 18}, {11, 0, 18},      {13, 130000, 194},   {13, 130100, 0},     {22, 220000, 0},
        {22, 220605, 50}, {41, 419000, 193}, {41, 419001, 192},  {41, 411700, 180},   {65, 659004, 114},
        {65, 659005, 115}, {65, -1, 115},
    };
    for (const auto& [unitCode, code, expected] : byCode) {
        const ProvinceUnit& unit = *findUnit(unitCode);
        EXPECT_EQ(unit.kind == M ? findByCode(*unit.municipalTable, code) : findByCode(*unit.provinceTable, code),
                  expected)
            << code;
    }
    const std::tuple<int, const char*, int> byName[] = {  // unit, name, index
        {13, "桥西区", 4},        // 130104, not 130503 or 130703
        {13, "新华区", 5},        // 130105, not 130902
        {14, "城区", 14},         // 140202, not 140302, 140402 or 140502
        {13, "石家庄市", 0},      {13, "石家庄", 194},  // no prefix match
        {13, "石家庄市 ", 194},   // no trimming
        {13, "", 194},            {13, "市辖区", 1},
        {22, "江源区", 78},       {22, "  江源区", 50}, {22, " 江源区", 78}, {22, "吉林省", 0},
        {41, "济源市", 192},      {64, "红寺堡区", 32}, {64, "红寺堡区 (*)", 16},
    };
    for (const auto& [unitCode, name, expected] : byName)
        EXPECT_EQ(findByName(provinceTableOf(unitCode), name), expected) << unitCode << " " << name;
}

namespace {

std::vector<int32_t> childCodes(const ProvinceTable& table, int cityIndex) {
    const RecordRange range = childRecords(table, cityIndex);
    std::vector<int32_t> codes;
    for (int i = range.first; i < range.end; ++i) codes.push_back(table.records[i].code);
    return codes;
}

std::vector<int32_t> childCodesOf(int unitCode, int32_t cityCode) {
    const ProvinceTable& table = provinceTableOf(unitCode);
    const int cityIndex = findByCode(table, cityCode);
    EXPECT_LT(cityIndex, table.count) << cityCode;
    return childCodes(table, cityIndex);
}

}  // namespace

TEST(RegionLookups, ChildrenOfEdgeCities) {
    using Codes = std::vector<int32_t>;
    for (const auto& [unitCode, cityCode] : {std::pair<int, int32_t>{22, 220000}, {44, 441900}, {44, 442000}})
        EXPECT_EQ(childCodesOf(unitCode, cityCode), Codes{}) << cityCode;
    EXPECT_EQ(childCodesOf(46, 460200), Codes{460201});
    EXPECT_EQ(childCodesOf(62, 620200), Codes{620201});
    EXPECT_EQ(childCodesOf(65, 659000), (Codes{659001, 659002, 659003, 659004}));
    EXPECT_EQ(childCodesOf(42, 429000).back(), 429021);
    EXPECT_EQ(childCodesOf(46, 469000).back(), 469033);
    EXPECT_EQ(childCodesOf(52, 520200).at(0), 520201);
    const Codes zhumadian = childCodesOf(41, 411700);
    ASSERT_EQ(zhumadian.size(), 12u);
    EXPECT_EQ(zhumadian.front(), 411701);
    EXPECT_EQ(zhumadian.back(), 419001);
}

TEST(RegionLookups, NothingReadsPastATableEnd) {
    const ProvinceTable& xinjiang = provinceTableOf(65);
    for (int from : {xinjiang.count, xinjiang.count + 5})
        EXPECT_EQ(nextCityLevelRecord(xinjiang, from), xinjiang.count) << from;
    EXPECT_EQ(nextCityLevelRecord(xinjiang, -3), 0);
    for (int city : {xinjiang.count - 1, xinjiang.count, -1, 1000})
        EXPECT_TRUE(childCodes(xinjiang, city).empty()) << city;
}
