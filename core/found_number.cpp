// The checks in the order that decides the confidence: the birth date first
// (without a calendar date it is no number at all), then the check character
// and the region.
#include "core/found_number.h"

#include <cstring>

#include "core/calendar.h"
#include "core/scan_regions.h"

FoundNumber judgeFoundNumber(const char* characters, int count, const BirthDate& asOf) {
    FoundNumber found{};
    if (count == oldNumberLength) {
        upgradeFifteenDigits(characters, found.number);
    } else {
        std::memcpy(found.number, characters, numberLength);
        found.number[numberLength] = '\0';
    }
    const BirthDate birth{digitsValue(found.number + birthDateOffset, 4),
                          digitsValue(found.number + birthDateOffset + 4, 2),
                          digitsValue(found.number + birthDateOffset + 6, 2)};
    if (!isCalendarDate(birth) || dateAfter(birth, asOf)) return found;
    const int32_t region = digitsValue(found.number, regionCodeLength);
    // A 15-digit number has no check character of its own: the upgrade made one.
    const bool checkHolds = checkCharacterOfDigits(found.number) == found.number[stemLength];
    const bool regionHolds = isScanRegion(region);
    if (!checkHolds || !regionHolds) {
        found.confidence = Confidence::low;
        found.flaw = !checkHolds ? ScanFlaw::check : ScanFlaw::region;
        return found;
    }
    found.confidence = Confidence::medium;
    found.kind = kindOf(found.number);
    found.male = isMaleCharacter(found.number[sexOffset]);
    found.birthDate = birth;
    found.regionCode = region;
    return found;
}
