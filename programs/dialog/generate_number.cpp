// The generate button: reads the picks of the checked mode's lists, the
// birth date and the sex, has the core make the number from one clock-seeded
// draw, and writes it into the result field; a refusal shows its one message
// box, or nothing.
#include "programs/dialog/generate_number.h"

#include "core/generation.h"
#include "programs/dialog/clock_and_generator.h"
#include "programs/dialog/refusal_box.h"
#include "programs/dialog/resource_ids.h"
#include "platform/dialog_text.h"
#include "platform/list_control.h"

namespace {

// The field is read with room for 9 bytes, so that a date one byte too long
// is told apart from one of 8.
constexpr int birthDateBufferSize = 10;

RegionPick municipalPick(HWND dialog) {
    return regionFromMunicipalPicks(selectedIndex(dialog, IDC_MUNICIPALITY_LIST),
                                    selectedIndex(dialog, IDC_DISTRICT_LIST));
}

RegionPick provincialPick(HWND dialog) {
    const int province = selectedIndex(dialog, IDC_PROVINCE_LIST);
    const int city = selectedIndex(dialog, IDC_CITY_LIST);
    const int county = selectedIndex(dialog, IDC_COUNTY_LIST);
    char cityName[listItemTextSize] = "";
    char countyName[listItemTextSize] = "";
    // An item whose text cannot be read names nothing, like an empty text.
    if (city >= 0 && !readListItem(dialog, IDC_CITY_LIST, city, cityName, listItemTextSize)) cityName[0] = '\0';
    if (county >= 0 && !readListItem(dialog, IDC_COUNTY_LIST, county, countyName, listItemTextSize))
        countyName[0] = '\0';
    return regionFromProvincialPicks(province, city, cityName, county, countyName);
}

// Shows a refusal's box; the silent ones show nothing.
void refuse(HWND dialog, GenerateRefusal refusal) {
    if (const RefusalBox* box = refusalBox(refusal)) showRefusal(dialog, *box);
}

}  // namespace

void generateNumber(HWND dialog) {
    // The region is settled first, then the birth date, and only then is
    // anything drawn.
    const bool municipalityMode = IsDlgButtonChecked(dialog, IDC_MUNICIPALITY_MODE) == BST_CHECKED;
    const RegionPick region = municipalityMode ? municipalPick(dialog) : provincialPick(dialog);
    if (region.refusal != GenerateRefusal::none) {
        refuse(dialog, region.refusal);
        return;
    }

    // The date must be 8 bytes as the field holds it, not only as read: a read
    // stops before a double-byte character that straddles the buffer's end,
    // which would otherwise let "19870102中" pass as 8 bytes.
    char birthDate[birthDateBufferSize];
    const int wholeLength = readField(dialog, IDC_BIRTH_DATE_FIELD, birthDate, birthDateBufferSize);
    const ClockAndGenerator& source = clockAndGenerator();
    const time_t now = source.now();
    const int yearLimit = localYear(now);
    const GenerateRefusal dateRefusal = judgeBirthDate(birthDate, wholeLength, yearLimit);
    if (dateRefusal != GenerateRefusal::none) {
        refuse(dialog, dateRefusal);
        return;
    }

    // Seeded anew from the clock on every press: presses within one second
    // give the same number.
    source.seed(static_cast<unsigned>(now));
    const int drawn = source.draw();
    const GeneratedNumber generated = generateNumberText(region.regionCode, birthDate, wholeLength, yearLimit, drawn,
                                                         sexChoiceAt(selectedIndex(dialog, IDC_SEX_LIST)));
    if (generated.refusal != GenerateRefusal::none) {
        refuse(dialog, generated.refusal);
        return;
    }
    writeField(dialog, IDC_RESULT_FIELD, generated.number);
}
