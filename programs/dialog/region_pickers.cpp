// The generator's region lists. Each handler runs in full on every
// notification of its list: an upper list's report empties the lists below
// it, and an empty dependent list fills from the region tables at its own
// next report. Items are always appended (CB_INSERTSTRING at -1) so nothing is
// sorted despite the lists' sort style, and a list position equals the item's
// position in its table or in the unit order.
#include "programs/dialog/region_pickers.h"

#include "programs/dialog/resource_ids.h"
#include "platform/dialog_text.h"
#include "platform/list_control.h"
#include "core/region_tables.h"
#include "core/verification.h"

namespace {

LRESULT sendToList(HWND dialog, int listId, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(GetDlgItem(dialog, listId), message, wParam, lParam);
}

void emptyList(HWND dialog, int listId) {
    sendToList(dialog, listId, CB_RESETCONTENT, 0, 0);
}

bool holdsItems(HWND dialog, int listId) {
    return sendToList(dialog, listId, CB_GETCOUNT, 0, 0) > 0;
}

}  // namespace

BOOL initPickers(HWND dialog) {
    // Male first: sexChoiceAt (core/number_rules.h) reads the positions.
    appendListItem(dialog, IDC_SEX_LIST, sexText(true));
    appendListItem(dialog, IDC_SEX_LIST, sexText(false));
    for (int i = 0; i < municipalityCount; ++i) {
        appendListItem(dialog, IDC_MUNICIPALITY_LIST, municipalityAt(i)->label);
    }
    for (int i = 0; i < provinceCount; ++i) {
        appendListItem(dialog, IDC_PROVINCE_LIST, provinceAt(i)->label);
    }
    CheckRadioButton(dialog, IDC_MUNICIPALITY_MODE, IDC_PROVINCE_MODE, IDC_PROVINCE_MODE);
    return TRUE;
}

void onMunicipalityList(HWND dialog) { emptyList(dialog, IDC_DISTRICT_LIST); }

void onDistrictList(HWND dialog) {
    const int municipalityIndex = selectedIndex(dialog, IDC_MUNICIPALITY_LIST);
    if (holdsItems(dialog, IDC_DISTRICT_LIST)) return;
    const ProvinceUnit* municipality = municipalityAt(municipalityIndex);
    if (municipality == nullptr) return;  // no municipality selected
    for (const RegionRecord district : recordsOf(*municipality)) appendListItem(dialog, IDC_DISTRICT_LIST, nameOf(district));
}

void onProvinceList(HWND dialog) {
    emptyList(dialog, IDC_CITY_LIST);
    emptyList(dialog, IDC_COUNTY_LIST);
}

void onCityList(HWND dialog) {
    // The county list belongs to the city selected now, whatever happens below.
    emptyList(dialog, IDC_COUNTY_LIST);
    const int provinceIndex = selectedIndex(dialog, IDC_PROVINCE_LIST);
    if (holdsItems(dialog, IDC_CITY_LIST)) return;
    const ProvinceUnit* province = provinceAt(provinceIndex);
    if (province == nullptr) return;  // no province selected
    for (const RegionRecord city : cityRecordsOf(*province)) appendListItem(dialog, IDC_CITY_LIST, nameOf(city));
}

void onCountyList(HWND dialog) {
    if (holdsItems(dialog, IDC_COUNTY_LIST)) return;
    if (!holdsItems(dialog, IDC_CITY_LIST)) return;
    const ProvinceUnit* province = provinceAt(selectedIndex(dialog, IDC_PROVINCE_LIST));
    if (province == nullptr) return;
    const int cityIndex = selectedIndex(dialog, IDC_CITY_LIST);
    if (cityIndex < 0) return;

    char cityName[listItemTextSize];
    if (!readListItem(dialog, IDC_CITY_LIST, cityIndex, cityName, listItemTextSize)) return;

    // The city is found by its text, not its position: names of city-level
    // records are unique in their table.
    RegionRecord city{};
    if (!findRecordByName(*province, cityName, city)) return;
    // The county list goes by table position: the records after the city in
    // its table, as the dialog has always listed them.
    for (const RegionRecord county : countyListOf(city)) appendListItem(dialog, IDC_COUNTY_LIST, nameOf(county));
}
