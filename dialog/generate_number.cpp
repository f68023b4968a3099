// Generation of one number per press of the generate button: region from the
// checked mode's lists, birth date as typed, a clock-seeded sequence number of
// the chosen sex, and the check character, into the result field.
#include "dialog/generate_number.h"

#include <cstring>

#include "dialog/resource_ids.h"
#include "core/number_rules.h"
#include "core/gbk_text.h"
#include "platform/dialog_text.h"
#include "platform/list_control.h"
#include "core/region_tables.h"

namespace {

// The field is read with room for 9 bytes, so that a date one byte too long
// is told apart from one of 8.
constexpr int birthDateBufferSize = 10;

void askFor(HWND dialog, const char* what) { showMessage(dialog, what, "提示", MB_ICONWARNING); }

// The code of the district picked in the municipality lists.
bool municipalRegionCode(HWND dialog, int* regionCode) {
    const int municipality = selectedIndex(dialog, IDC_MUNICIPALITY_LIST);
    const int district = selectedIndex(dialog, IDC_DISTRICT_LIST);
    if (municipality < 0) {
        askFor(dialog, "请选择市");
        return false;
    }
    if (district < 0) {
        askFor(dialog, "请选择区（县）");
        return false;
    }
    // The district list holds the municipality's table in table order, so
    // its index is a record index.
    const ProvinceUnit* unit = municipalityAt(municipality);
    if (unit == nullptr || district >= unit->municipalTable->count)
        return false;
    *regionCode = unit->municipalTable->records[district].code;
    return true;
}

// The code of the county picked in the province lists, looked up among the
// children of the picked city: county names repeat across a province's cities
// ("城区" under four cities of Shanxi), and only the city tells them apart.
bool provincialRegionCode(HWND dialog, int* regionCode) {
    const int province = selectedIndex(dialog, IDC_PROVINCE_LIST);
    const int city = selectedIndex(dialog, IDC_CITY_LIST);
    const int county = selectedIndex(dialog, IDC_COUNTY_LIST);
    if (city < 0) {
        askFor(dialog, "请选择市");
        return false;
    }
    if (county < 0) {
        askFor(dialog, "请选择县");
        return false;
    }
    const ProvinceUnit* unit = provinceAt(province);
    char cityName[listItemTextSize];
    char countyName[listItemTextSize];
    if (unit == nullptr || !readListItem(dialog, IDC_CITY_LIST, city, cityName, listItemTextSize) ||
        !readListItem(dialog, IDC_COUNTY_LIST, county, countyName, listItemTextSize))
        return false;

    const ProvinceTable& table = *unit->provinceTable;
    const int cityIndex = findByName(table, cityName);
    if (cityIndex >= table.count || !isCityLevel(table.records[cityIndex]))
        return false;
    const RecordRange children = childRecords(table, cityIndex);
    for (int i = children.first; i < children.end; ++i) {
        if (std::strcmp(table.records[i].name, countyName) == 0) {
            *regionCode = table.records[i].code;
            return true;
        }
    }
    return false;
}

}  // namespace

void generateNumber(HWND dialog) {
    int regionCode = 0;
    const bool municipalityMode = IsDlgButtonChecked(dialog, IDC_MUNICIPALITY_MODE) == BST_CHECKED;
    if (!(municipalityMode ? municipalRegionCode(dialog, &regionCode) : provincialRegionCode(dialog, &regionCode)))
        return;

    char birthDate[birthDateBufferSize] = {};
    // The date must be 8 bytes as the field holds it, not only as read: a read
    // stops before a double-byte character that straddles the buffer's end,
    // which would otherwise let "19870102中" pass as 8 bytes.
    if (readField(dialog, IDC_BIRTH_DATE_FIELD, birthDate, birthDateBufferSize) != birthDateLength) {
        showMessage(nullptr, "出生日期为8位", "错误！", MB_OK);
        return;
    }
    // The field takes only digit keys, but pasted text is not filtered: a date
    // that is not all digits would make a number that is not one.
    const ClockAndGenerator& source = clockAndGenerator();
    const time_t now = source.now();
    if (!allDigits(birthDate, birthDateLength) || !withinDateLimits(birthDateAt(birthDate), localYear(now))) {
        showMessage(dialog, "出生日期不正确", "错误", MB_OK);
        return;
    }

    // Seeded anew from the clock on every press: presses within one second
    // give the same number.
    source.seed(static_cast<unsigned>(now));
    const int drawn = source.draw();
    const int sequence = sequenceNumberFor(drawn, sexChoiceAt(selectedIndex(dialog, IDC_SEX_LIST)));

    char number[numberLength + 1];
    if (!assembleNumber(number, regionCode, birthDate, sequence))
        return;
    writeField(dialog, IDC_RESULT_FIELD, number);
}
