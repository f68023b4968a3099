// The generator's cascading region lists, driven through the notifications the
// lists send. Runs against the stand-in and, under Wine, against the real
// combo boxes of dialog template 101.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "programs/dialog/resource_ids.h"
#include "core/region_tables.h"
#include "tests/dialog_harness.h"

namespace {

using Names = std::vector<std::string>;

// Every notification a combo box with an edit field can send.
const int allNotifications[] = {CBN_SELCHANGE, CBN_DBLCLK,   CBN_SETFOCUS, CBN_KILLFOCUS, CBN_EDITCHANGE,
                                CBN_EDITUPDATE, CBN_DROPDOWN, CBN_CLOSEUP,  CBN_SELENDOK,  CBN_SELENDCANCEL};

class RegionPickers : public DialogTest {
protected:
    // Picks upward lists by text, then lets `listId` report gaining the focus.
    Names listAfter(int listId, std::initializer_list<std::pair<int, const char*>> picks) {
        for (const auto& [list, name] : picks) pickText(list, name);
        notify(listId, CBN_SETFOCUS);
        return items(listId);
    }
    Names countiesOf(const char* province, const char* city) {
        return listAfter(IDC_COUNTY_LIST, {{IDC_PROVINCE_LIST, province}, {IDC_CITY_LIST, city}});
    }
    // Both cascades filled and picked: 北京/西城区 and 河北省/石家庄市/桥西区.
    void pickInBothCascades() {
        pickText(IDC_MUNICIPALITY_LIST, "北京");
        pickText(IDC_DISTRICT_LIST, "西城区");
        pickText(IDC_PROVINCE_LIST, "河北省");
        pickText(IDC_CITY_LIST, "石家庄市");
        pickText(IDC_COUNTY_LIST, "桥西区");
    }
};

// --- Start-up and fills -----------------------------------------------------

TEST_F(RegionPickers, StartUpFillsTheFixedListsUnsortedAndSelectsNothing) {
    EXPECT_EQ(items(IDC_SEX_LIST), (Names{"男", "女"}));
    EXPECT_EQ(items(IDC_MUNICIPALITY_LIST), (Names{"北京", "天津", "上海", "重庆"}));
    const Names provinces = items(IDC_PROVINCE_LIST);
    ASSERT_EQ(provinces.size(), 27u);  // 河北省 to 新疆维吾尔自治区, as the unit table orders them
    for (int i = 0; i < provinceCount; ++i) EXPECT_EQ(provinces[i], provinceAt(i)->label) << i;

    for (int list : {IDC_SEX_LIST, IDC_MUNICIPALITY_LIST, IDC_PROVINCE_LIST}) EXPECT_EQ(selection(list), -1) << list;
    for (int list : {IDC_DISTRICT_LIST, IDC_CITY_LIST, IDC_COUNTY_LIST}) EXPECT_EQ(itemCount(list), 0) << list;
    EXPECT_TRUE(isChecked(IDC_PROVINCE_MODE));
    EXPECT_FALSE(isChecked(IDC_MUNICIPALITY_MODE));
}

TEST_F(RegionPickers, DependentListsStayEmptyUntilTheListAboveHasASelection) {
    for (int code : allNotifications)
        for (int list : {IDC_DISTRICT_LIST, IDC_CITY_LIST, IDC_COUNTY_LIST}) notify(list, code);
    for (int list : {IDC_DISTRICT_LIST, IDC_CITY_LIST, IDC_COUNTY_LIST}) EXPECT_EQ(itemCount(list), 0) << list;

    // With cities listed but none chosen the county list stays empty; the
    // next report after a city is chosen fills it.
    ASSERT_EQ(listAfter(IDC_CITY_LIST, {{IDC_PROVINCE_LIST, "河北省"}}).size(), 11u);
    notify(IDC_COUNTY_LIST, CBN_SETFOCUS);
    notify(IDC_COUNTY_LIST, CBN_KILLFOCUS);
    EXPECT_EQ(itemCount(IDC_COUNTY_LIST), 0);
    pick(IDC_CITY_LIST, 0);
    EXPECT_EQ(itemCount(IDC_COUNTY_LIST), 0);
    notify(IDC_COUNTY_LIST, CBN_DROPDOWN);
    EXPECT_GT(itemCount(IDC_COUNTY_LIST), 0);
}

// Each position is the record's index in the municipality's table; names keep
// their bytes (蓟　县 its ideographic space).
TEST_F(RegionPickers, DistrictListHoldsTheWholeTableInOrder) {
    for (int i = 0; i < municipalityCount; ++i) {
        const MunicipalTable& table = *municipalityAt(i)->municipalTable;
        Names expected;
        for (int r = 0; r < table.count; ++r) expected.push_back(table.records[r].name);
        EXPECT_EQ(listAfter(IDC_DISTRICT_LIST, {{IDC_MUNICIPALITY_LIST, municipalityAt(i)->label}}), expected) << i;
    }
}

// --- Emptying on any report of the list above -----------------------------------

// Any report of a list, even with no change of its selection, empties exactly
// the lists below it, selections included; each refills, unselected, at its
// own next report while the list above it has a selection. The district and
// county lists are above none, and the sex list has no handler.
TEST_F(RegionPickers, AnyReportOfAListEmptiesExactlyTheListsBelowIt) {
    const int allLists[] = {IDC_SEX_LIST,      IDC_MUNICIPALITY_LIST, IDC_DISTRICT_LIST,
                            IDC_PROVINCE_LIST, IDC_CITY_LIST,         IDC_COUNTY_LIST};
    const std::tuple<int, std::vector<int>, std::vector<int>> cases[] = {  // reporting, emptied, refilled
        {IDC_MUNICIPALITY_LIST, {IDC_DISTRICT_LIST}, {IDC_DISTRICT_LIST}},
        {IDC_PROVINCE_LIST, {IDC_CITY_LIST, IDC_COUNTY_LIST}, {IDC_CITY_LIST}},  // no city chosen now
        {IDC_CITY_LIST, {IDC_COUNTY_LIST}, {IDC_COUNTY_LIST}},
        {IDC_SEX_LIST, {}, {}},
        {IDC_DISTRICT_LIST, {}, {}},
        {IDC_COUNTY_LIST, {}, {}},
    };
    auto among = [](const std::vector<int>& lists, int list) {
        return std::find(lists.begin(), lists.end(), list) != lists.end();
    };
    for (const auto& [reporting, emptied, refilled] : cases) {
        for (int code : allNotifications) {
            SCOPED_TRACE("list " + std::to_string(reporting) + " reports " + std::to_string(code));
            pickInBothCascades();
            pick(IDC_SEX_LIST, 1);
            std::map<int, Names> itemsBefore;
            std::map<int, int> selectionBefore;
            for (int list : allLists) itemsBefore[list] = items(list), selectionBefore[list] = selection(list);
            ASSERT_EQ(selectionBefore[IDC_COUNTY_LIST], 2);  // 长安区, 桥东区, 桥西区
            notify(reporting, code);
            for (int list : allLists) {
                EXPECT_EQ(items(list), among(emptied, list) ? Names{} : itemsBefore[list]) << list;
                EXPECT_EQ(selection(list), among(emptied, list) ? -1 : selectionBefore[list]) << list;
            }
            for (int list : emptied) notify(list, CBN_SETFOCUS);
            for (int list : emptied) {
                EXPECT_EQ(items(list), among(refilled, list) ? itemsBefore[list] : Names{}) << list;
                EXPECT_EQ(selection(list), -1) << list;
            }
        }
    }
}

// --- County list: every child but the district groupings ------------------

TEST_F(RegionPickers, CountyListOffersEveryChildExceptDistrictGroupings) {
    const Names shijiazhuang = countiesOf("河北省", "石家庄市");
    ASSERT_EQ(shijiazhuang.size(), 23u);  // 24 children, 市辖区 aside
    EXPECT_EQ(shijiazhuang.front(), "长安区");
    // No 市辖区 under 六盘水市: its real first county stays.
    EXPECT_EQ(countiesOf("贵州省", "六盘水市"), (Names{"钟山区", "六枝特区", "水城县", "盘县"}));
    EXPECT_EQ(countiesOf("新疆维吾尔自治区", "自治区直辖县级行政区划"),
              (Names{"石河子市", "阿拉尔市", "图木舒克市", "五家渠市"}));  // the last city ends with the table

    for (const auto& [province, city] : {std::pair<const char*, const char*>{"吉林省", "吉林省"},
                                         {"广东省", "东莞市"}, {"广东省", "中山市"}, {"海南省", "三亚市"},
                                         {"甘肃省", "嘉峪关市"}})
        EXPECT_EQ(countiesOf(province, city), Names{}) << city;  // no child, or only 市辖区

    const Names zhumadian = countiesOf("河南省", "驻马店市");
    ASSERT_EQ(zhumadian.size(), 11u);
    EXPECT_EQ(zhumadian.front(), "驿城区");
    EXPECT_EQ(zhumadian.back(), "济源市");
    EXPECT_EQ(countiesOf("吉林省", "白山市").at(1), "  江源区");  // two leading spaces kept
    EXPECT_EQ(countiesOf("宁夏回族自治区", "吴忠市"),
              (Names{"利通区", "红寺堡区 (*)", "盐池县", "同心县", "青铜峡市"}));  // its mark kept
}

// The lists are read from the codes here: every multiple of 100 is a city,
// and its counties are the records up to the next one, less the groupings.
TEST_F(RegionPickers, CityAndCountyListsOfEveryProvinceInTableOrder) {
    int cities = 0;
    for (int p = 0; p < provinceCount; ++p) {
        const ProvinceTable& table = *provinceAt(p)->provinceTable;
        Names cityNames;
        for (int i = 0; i < table.count; ++i)
            if (table.records[i].code % 100 == 0) cityNames.push_back(table.records[i].name);
        EXPECT_EQ(listAfter(IDC_CITY_LIST, {{IDC_PROVINCE_LIST, provinceAt(p)->label}}), cityNames) << p;
        EXPECT_EQ(selection(IDC_CITY_LIST), -1);
        for (int i = 0, position = 0; i < table.count; ++i) {
            if (table.records[i].code % 100 != 0) continue;
            Names counties;
            for (int c = i + 1; c < table.count && table.records[c].code % 100 != 0; ++c)
                if (std::string(table.records[c].name) != "市辖区") counties.push_back(table.records[c].name);
            pick(IDC_CITY_LIST, position++);
            notify(IDC_COUNTY_LIST, CBN_SETFOCUS);
            EXPECT_EQ(items(IDC_COUNTY_LIST), counties) << table.records[i].code;
            ++cities;
        }
    }
    EXPECT_EQ(cities, 337);
}

// --- Mode buttons ---------------------------------------------------------

TEST_F(RegionPickers, ModeButtonsSwitchEachOtherAndLeaveTheListsAlone) {
    pickInBothCascades();
    const std::string before = state();
    click(IDC_MUNICIPALITY_MODE);
    EXPECT_TRUE(isChecked(IDC_MUNICIPALITY_MODE));
    EXPECT_FALSE(isChecked(IDC_PROVINCE_MODE));
    click(IDC_PROVINCE_MODE);
    EXPECT_TRUE(isChecked(IDC_PROVINCE_MODE));
    EXPECT_FALSE(isChecked(IDC_MUNICIPALITY_MODE));
    EXPECT_EQ(state(), before);

    // Both cascades stay usable in either mode.
    click(IDC_MUNICIPALITY_MODE);
    EXPECT_EQ(countiesOf("河北省", "石家庄市").front(), "长安区");
    EXPECT_EQ(listAfter(IDC_DISTRICT_LIST, {{IDC_MUNICIPALITY_LIST, "天津"}}).front(), "和平区");
}

}  // namespace
