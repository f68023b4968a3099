// The generator's cascading region lists, driven through the notifications the
// lists send. Runs against the stand-in and, under Wine, against the real
// combo boxes of dialog template 101. Text literals here are GBK bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/resource_ids.h"
#include "region/region_tables.h"
#include "tests/dialog_harness.h"

namespace {

using Names = std::vector<std::string>;

// Every notification a combo box with an edit field can send.
const int allNotifications[] = {CBN_SELCHANGE, CBN_DBLCLK,   CBN_SETFOCUS, CBN_KILLFOCUS, CBN_EDITCHANGE,
                                CBN_EDITUPDATE, CBN_DROPDOWN, CBN_CLOSEUP,  CBN_SELENDOK,  CBN_SELENDCANCEL};

Names recordNames(const MunicipalTable& table) {
    Names names;
    for (int i = 0; i < table.count; ++i) names.push_back(table.records[i].name);
    return names;
}

// Expected city list, straight from the codes: every multiple of 100.
Names cityNames(const ProvinceTable& table) {
    Names names;
    for (int i = 0; i < table.count; ++i)
        if (table.records[i].code % 100 == 0) names.push_back(table.records[i].name);
    return names;
}

// Expected county list of the city at `cityIndex`: the records up to the next
// multiple of 100 or the table's end, less the district groupings.
Names countyNames(const ProvinceTable& table, int cityIndex) {
    Names names;
    for (int i = cityIndex + 1; i < table.count && table.records[i].code % 100 != 0; ++i)
        if (std::string(table.records[i].name) != "市辖区") names.push_back(table.records[i].name);
    return names;
}

class RegionPickers : public DialogTest {
protected:
    // The user clicks into a list (it reports gaining the focus) and leaves it.
    void touch(int listId) {
        notify(listId, CBN_SETFOCUS);
        notify(listId, CBN_KILLFOCUS);
    }

    Names districtsOf(const std::string& municipality) {
        pickText(IDC_MUNICIPALITY_LIST, municipality);
        notify(IDC_DISTRICT_LIST, CBN_SETFOCUS);
        return items(IDC_DISTRICT_LIST);
    }

    Names citiesOf(const std::string& province) {
        pickText(IDC_PROVINCE_LIST, province);
        notify(IDC_CITY_LIST, CBN_SETFOCUS);
        return items(IDC_CITY_LIST);
    }

    Names countiesOf(const std::string& province, const std::string& city) {
        pickText(IDC_PROVINCE_LIST, province);
        pickText(IDC_CITY_LIST, city);
        notify(IDC_COUNTY_LIST, CBN_SETFOCUS);
        return items(IDC_COUNTY_LIST);
    }

    // Both cascades filled and picked: 北京/西城区 and 河北省/石家庄市/桥西区.
    void pickInBothCascades() {
        pickText(IDC_MUNICIPALITY_LIST, "北京");
        pickText(IDC_DISTRICT_LIST, "西城区");
        pickText(IDC_PROVINCE_LIST, "河北省");
        pickText(IDC_CITY_LIST, "石家庄市");
        pickText(IDC_COUNTY_LIST, "桥西区");
    }

    struct ListState {
        Names items;
        int selection;
        bool operator==(const ListState& other) const {
            return items == other.items && selection == other.selection;
        }
    };
    std::vector<ListState> listStates() {
        std::vector<ListState> states;
        for (int list : {IDC_SEX_LIST, IDC_MUNICIPALITY_LIST, IDC_DISTRICT_LIST, IDC_PROVINCE_LIST,
                         IDC_CITY_LIST, IDC_COUNTY_LIST})
            states.push_back({items(list), selection(list)});
        return states;
    }
};

}  // namespace

// --- Start-up -------------------------------------------------------------

TEST_F(RegionPickers, StartUpFillsTheFixedListsUnsortedAndSelectsNothing) {
    EXPECT_EQ(items(IDC_SEX_LIST), (Names{"男", "女"}));
    EXPECT_EQ(items(IDC_MUNICIPALITY_LIST), (Names{"北京", "天津", "上海", "重庆"}));
    const Names provinces = items(IDC_PROVINCE_LIST);
    ASSERT_EQ(provinces.size(), 27u);
    EXPECT_EQ(provinces.front(), "河北省");
    EXPECT_EQ(provinces[4], "吉林省");
    EXPECT_EQ(provinces[10], "江西省");
    EXPECT_EQ(provinces.back(), "新疆维吾尔自治区");
    for (int i = 0; i < 27; ++i) EXPECT_EQ(provinces[i], provinceAt(i)->label) << i;

    for (int list : {IDC_SEX_LIST, IDC_MUNICIPALITY_LIST, IDC_PROVINCE_LIST}) EXPECT_EQ(selection(list), -1) << list;
    for (int list : {IDC_DISTRICT_LIST, IDC_CITY_LIST, IDC_COUNTY_LIST}) EXPECT_EQ(itemCount(list), 0) << list;
    EXPECT_TRUE(isChecked(IDC_PROVINCE_MODE));
    EXPECT_FALSE(isChecked(IDC_MUNICIPALITY_MODE));
}

TEST_F(RegionPickers, DependentListsStayEmptyUntilTheListAboveHasASelection) {
    for (int code : allNotifications) {
        notify(IDC_DISTRICT_LIST, code);
        notify(IDC_CITY_LIST, code);
        notify(IDC_COUNTY_LIST, code);
    }
    for (int list : {IDC_DISTRICT_LIST, IDC_CITY_LIST, IDC_COUNTY_LIST}) EXPECT_EQ(itemCount(list), 0) << list;

    // With cities listed but none chosen the county list stays empty; the
    // next report after a city is chosen fills it.
    pickText(IDC_PROVINCE_LIST, "河北省");
    notify(IDC_CITY_LIST, CBN_SETFOCUS);
    ASSERT_EQ(itemCount(IDC_CITY_LIST), 11);
    touch(IDC_COUNTY_LIST);
    EXPECT_EQ(itemCount(IDC_COUNTY_LIST), 0);
    pick(IDC_CITY_LIST, 0);
    EXPECT_EQ(itemCount(IDC_COUNTY_LIST), 0);
    notify(IDC_COUNTY_LIST, CBN_DROPDOWN);
    EXPECT_GT(itemCount(IDC_COUNTY_LIST), 0);
}

// --- Municipality cascade -------------------------------------------------

TEST_F(RegionPickers, DistrictListFillsOnItsOwnReportInTablePositions) {
    pickText(IDC_MUNICIPALITY_LIST, "天津");
    EXPECT_EQ(itemCount(IDC_DISTRICT_LIST), 0) << "filled before its own report";
    notify(IDC_DISTRICT_LIST, CBN_SETFOCUS);
    const Names tianjin = items(IDC_DISTRICT_LIST);
    ASSERT_EQ(tianjin.size(), 16u);
    EXPECT_EQ(tianjin.front(), "和平区");
    EXPECT_EQ(tianjin.back(), "\xBC\xBB\xA1\xA1\xCF\xD8");  // 蓟　县, ideographic space kept
    EXPECT_EQ(selection(IDC_DISTRICT_LIST), -1);

    const Names beijing = districtsOf("北京");
    ASSERT_EQ(beijing.size(), 18u);
    EXPECT_EQ(beijing.front(), "东城区");
    EXPECT_EQ(beijing[1], "西城区");
    EXPECT_EQ(std::count(beijing.begin(), beijing.end(), "西城区"), 1);

    const Names chongqing = districtsOf("重庆");
    ASSERT_EQ(chongqing.size(), 40u);
    EXPECT_EQ(chongqing.front(), "万州区");

    // Each position is the record's index in the municipality's table.
    for (int i = 0; i < municipalityCount; ++i) {
        const ProvinceUnit& unit = *municipalityAt(i);
        EXPECT_EQ(districtsOf(unit.label), recordNames(*unit.municipalTable)) << unit.unitCode;
    }
}

TEST_F(RegionPickers, AnyReportOfTheMunicipalityListEmptiesTheDistrictList) {
    for (int code : allNotifications) {
        SCOPED_TRACE(code);
        pickText(IDC_MUNICIPALITY_LIST, "上海");
        pickText(IDC_DISTRICT_LIST, "黄浦区");
        ASSERT_EQ(itemCount(IDC_DISTRICT_LIST), 18);
        notify(IDC_MUNICIPALITY_LIST, code);  // no change of selection
        EXPECT_EQ(itemCount(IDC_DISTRICT_LIST), 0);
        EXPECT_EQ(selection(IDC_DISTRICT_LIST), -1);
        EXPECT_EQ(selection(IDC_MUNICIPALITY_LIST), 2);
    }
    // Choosing another municipality: the list refills for it only on its own report.
    pick(IDC_MUNICIPALITY_LIST, 0);
    EXPECT_EQ(itemCount(IDC_DISTRICT_LIST), 0);
    notify(IDC_DISTRICT_LIST, CBN_SETFOCUS);
    EXPECT_EQ(itemCount(IDC_DISTRICT_LIST), 18);
    EXPECT_EQ(itemText(IDC_DISTRICT_LIST, 0), "东城区");
}

TEST_F(RegionPickers, ReportsOfTheLowestListsAndTheSexListChangeNothing) {
    // A filled list keeps its items and selection on its own reports, and the
    // district and county lists are above no other list; the sex list has no handler.
    pickInBothCascades();
    pick(IDC_SEX_LIST, 1);
    const std::vector<ListState> before = listStates();
    ASSERT_EQ(selection(IDC_DISTRICT_LIST), 1);
    ASSERT_EQ(selection(IDC_COUNTY_LIST), 2);  // 长安区, 桥东区, 桥西区
    for (int code : allNotifications) {
        notify(IDC_SEX_LIST, code);
        notify(IDC_DISTRICT_LIST, code);
        notify(IDC_COUNTY_LIST, code);
    }
    EXPECT_TRUE(listStates() == before);
}

// --- Province cascade -----------------------------------------------------

TEST_F(RegionPickers, CityListHoldsTheCityLevelRecordsOfEveryProvince) {
    const Names hebei = citiesOf("河北省");
    ASSERT_EQ(hebei.size(), 11u);
    EXPECT_EQ(hebei.front(), "石家庄市");
    EXPECT_EQ(selection(IDC_CITY_LIST), -1);

    const Names jilin = citiesOf("吉林省");
    ASSERT_EQ(jilin.size(), 10u);
    EXPECT_EQ(jilin.front(), "吉林省");

    for (int i = 0; i < provinceCount; ++i) {
        const ProvinceUnit& unit = *provinceAt(i);
        EXPECT_EQ(citiesOf(unit.label), cityNames(*unit.provinceTable)) << unit.unitCode;
    }
}

TEST_F(RegionPickers, AnyReportOfTheProvinceListEmptiesCityAndCountyLists) {
    for (int code : allNotifications) {
        SCOPED_TRACE(code);
        pickInBothCascades();
        ASSERT_GT(itemCount(IDC_COUNTY_LIST), 0);
        notify(IDC_PROVINCE_LIST, code);  // no change of selection
        for (int list : {IDC_CITY_LIST, IDC_COUNTY_LIST}) {
            EXPECT_EQ(itemCount(list), 0) << list;
            EXPECT_EQ(selection(list), -1) << list;
        }
        EXPECT_EQ(selection(IDC_PROVINCE_LIST), 0);
        EXPECT_EQ(itemCount(IDC_DISTRICT_LIST), 18) << "the other cascade is left alone";
    }
}

TEST_F(RegionPickers, AnyReportOfTheCityListEmptiesTheCountyListWhichRefillsUnselected) {
    for (int code : allNotifications) {
        SCOPED_TRACE(code);
        pickInBothCascades();
        ASSERT_GE(selection(IDC_COUNTY_LIST), 0);
        notify(IDC_CITY_LIST, code);  // no change of the city
        EXPECT_EQ(itemCount(IDC_COUNTY_LIST), 0);
        EXPECT_EQ(selection(IDC_COUNTY_LIST), -1);
        EXPECT_EQ(itemCount(IDC_CITY_LIST), 11) << "the city list itself stays";
        EXPECT_EQ(selection(IDC_CITY_LIST), 0);
        notify(IDC_COUNTY_LIST, CBN_SETFOCUS);
        EXPECT_EQ(itemText(IDC_COUNTY_LIST, 0), "长安区");
        EXPECT_EQ(selection(IDC_COUNTY_LIST), -1);
    }
}

// --- County list: every child but the district groupings ------------------

TEST_F(RegionPickers, CountyListOffersEveryChildExceptDistrictGroupings) {
    const Names shijiazhuang = countiesOf("河北省", "石家庄市");
    ASSERT_FALSE(shijiazhuang.empty());
    EXPECT_EQ(shijiazhuang.front(), "长安区");
    EXPECT_EQ(shijiazhuang.size(), 23u);  // 24 children, 市辖区 aside

    const Names liupanshui = countiesOf("贵州省", "六盘水市");  // no 市辖区: nothing dropped
    EXPECT_EQ(liupanshui, (Names{"钟山区", "六枝特区", "水城县", "盘县"}));

    EXPECT_EQ(countiesOf("吉林省", "吉林省"), Names{});
    EXPECT_EQ(countiesOf("广东省", "东莞市"), Names{});
    EXPECT_EQ(countiesOf("广东省", "中山市"), Names{});
    EXPECT_EQ(countiesOf("海南省", "三亚市"), Names{});  // only child 市辖区
    EXPECT_EQ(countiesOf("甘肃省", "嘉峪关市"), Names{});

    const Names zhumadian = countiesOf("河南省", "驻马店市");
    ASSERT_EQ(zhumadian.size(), 11u);
    EXPECT_EQ(zhumadian.front(), "驿城区");
    EXPECT_EQ(zhumadian.back(), "济源市");

    EXPECT_EQ(countiesOf("吉林省", "白山市")[1], "  江源区");  // two leading spaces kept
    EXPECT_EQ(countiesOf("宁夏回族自治区", "吴忠市").front(), "利通区");
    EXPECT_EQ(countiesOf("宁夏回族自治区", "吴忠市")[1], "红寺堡区 (*)");
}

TEST_F(RegionPickers, LastCityOfTheLastTableEndsWithTheTable) {
    const Names xinjiangDirect = countiesOf("新疆维吾尔自治区", "自治区直辖县级行政区划");
    EXPECT_EQ(xinjiangDirect, (Names{"石河子市", "阿拉尔市", "图木舒克市", "五家渠市"}));
    EXPECT_EQ(selection(IDC_COUNTY_LIST), -1);
}

TEST_F(RegionPickers, CountyListOfEveryCityInTableOrder) {
    int cities = 0;
    for (int p = 0; p < provinceCount; ++p) {
        const ProvinceTable& table = *provinceAt(p)->provinceTable;
        pick(IDC_PROVINCE_LIST, p);
        notify(IDC_CITY_LIST, CBN_SETFOCUS);
        int position = 0;
        for (int i = 0; i < table.count; ++i) {
            if (table.records[i].code % 100 != 0) continue;
            pick(IDC_CITY_LIST, position++);
            notify(IDC_COUNTY_LIST, CBN_SETFOCUS);
            EXPECT_EQ(items(IDC_COUNTY_LIST), countyNames(table, i)) << table.records[i].code;
            ++cities;
        }
    }
    EXPECT_EQ(cities, 337);
}

// --- Mode buttons ---------------------------------------------------------

TEST_F(RegionPickers, ModeButtonsSwitchEachOtherAndLeaveTheListsAlone) {
    pickInBothCascades();
    const std::vector<ListState> before = listStates();

    click(IDC_MUNICIPALITY_MODE);
    EXPECT_TRUE(isChecked(IDC_MUNICIPALITY_MODE));
    EXPECT_FALSE(isChecked(IDC_PROVINCE_MODE));
    EXPECT_TRUE(listStates() == before);

    click(IDC_PROVINCE_MODE);
    EXPECT_TRUE(isChecked(IDC_PROVINCE_MODE));
    EXPECT_FALSE(isChecked(IDC_MUNICIPALITY_MODE));
    EXPECT_TRUE(listStates() == before);

    // Both cascades stay usable in either mode.
    click(IDC_MUNICIPALITY_MODE);
    EXPECT_EQ(countiesOf("河北省", "石家庄市").front(), "长安区");
    EXPECT_EQ(districtsOf("天津").front(), "和平区");
}
