// The verify button: reads the number field, has the core judge it, and
// shows the outcome: one message box for a refusal, or the birth date, sex
// and region fields for a number that passes.
#include "programs/dialog/verify_number.h"

#include "core/verification.h"
#include "programs/dialog/clock_and_generator.h"
#include "programs/dialog/refusal_box.h"
#include "programs/dialog/resource_ids.h"
#include "platform/dialog_text.h"

namespace {

// At most 24 bytes of the field are read, and the terminator.
constexpr int numberBufferSize = 25;

void showBirthDate(HWND dialog, const char* number) {
    // Exactly as typed: a month typed 03 shows as 03.
    char part[5];
    copySlice(part, number, birthDateOffset, 4);
    writeField(dialog, IDC_YEAR_FIELD, part);
    copySlice(part, number, birthDateOffset + 4, 2);
    writeField(dialog, IDC_MONTH_FIELD, part);
    copySlice(part, number, birthDateOffset + 6, 2);
    writeField(dialog, IDC_DAY_FIELD, part);
}

}  // namespace

void verifyNumber(HWND dialog) {
    char number[numberBufferSize];
    const int wholeLength = readField(dialog, IDC_NUMBER_FIELD, number, numberBufferSize);
    writeField(dialog, IDC_COUNTY_FIELD, "");

    int readLength = 0;
    while (number[readLength] != '\0') ++readLength;
    const int yearLimit = localYear(clockAndGenerator().now());
    const VerifyOutcome outcome = verifyNumberText(number, readLength, wholeLength, yearLimit);
    if (outcome.refusal != VerifyRefusal::none) {
        showRefusal(dialog, *refusalBox(outcome.refusal), outcome.wholeLength);
        return;
    }

    showBirthDate(dialog, number);
    writeField(dialog, IDC_SEX_FIELD, sexText(outcome.male));
    const RegionTexts region = regionTexts(outcome.regionCode);
    writeField(dialog, IDC_PROVINCE_FIELD, region.province);
    writeField(dialog, IDC_CITY_FIELD, region.city);
    writeField(dialog, IDC_COUNTY_FIELD, region.county);
}
