// Verification of one number: length, characters, check character and birth
// date, in that order, in one pass over the number's 18 bytes; then, for a
// number that passes, what its region code names in the region tables.
#include "core/verification.h"

#include <cstring>

#include "core/check_character.h"
#include "core/region_tables.h"

namespace {

const RefusalMessage lengthMessage = {BOTH_ENCODINGS("您输入的身份证号为%s位，正确的应为18位"),
                                      BOTH_ENCODINGS("提示"), MessageOwner::none, true};
const RefusalMessage checkMessage = {BOTH_ENCODINGS("身份证未通过校验"), BOTH_ENCODINGS("校验结果"),
                                     MessageOwner::none, false};
const RefusalMessage dateMessage = {BOTH_ENCODINGS("出生日期不正确"), BOTH_ENCODINGS("错误"), MessageOwner::dialog,
                                    false};

const Text unknownLocation = BOTH_ENCODINGS("未知位置");
const Text wrongRegionCode = BOTH_ENCODINGS("错误地区码");
const Text emptyText = {"", ""};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

VerifyOutcome verifyNumberText(const char* number, int readLength, int wholeLength, int yearLimit) {
    VerifyOutcome outcome{};
    outcome.wholeLength = wholeLength;
    // Said for any text that has 17 digits first, refused or not.
    const int available = readLength < wholeLength ? readLength : wholeLength;
    if (available >= stemLength) outcome.expectedCheck = checkCharacterOfDigits(number);

    if (wholeLength != numberLength) {
        outcome.refusal = VerifyRefusal::length;
        return outcome;
    }
    const char last = number[stemLength];
    if (outcome.expectedCheck == '\0' || !(isDigit(last) || last == 'X')) {
        outcome.refusal = VerifyRefusal::characters;
        return outcome;
    }
    if (last != outcome.expectedCheck) {
        outcome.refusal = VerifyRefusal::check;
        return outcome;
    }
    // All 17 are digits: the parts are plain decimal values.
    outcome.birthDate = {digitsValue(number + birthDateOffset, 4), digitsValue(number + birthDateOffset + 4, 2),
                         digitsValue(number + birthDateOffset + 6, 2)};
    if (!withinDateLimits(outcome.birthDate, yearLimit)) {
        outcome.refusal = VerifyRefusal::date;
        return outcome;
    }
    outcome.male = (number[sexOffset] - '0') % 2 == 1;
    outcome.regionCode = digitsValue(number, regionCodeLength);
    return outcome;
}

const RefusalMessage* refusalMessage(VerifyRefusal refusal) {
    switch (refusal) {
    case VerifyRefusal::length:
        return &lengthMessage;
    case VerifyRefusal::characters:
    case VerifyRefusal::check:
        return &checkMessage;
    case VerifyRefusal::date:
        return &dateMessage;
    case VerifyRefusal::none:
        break;
    }
    return nullptr;
}

const char* refusalName(VerifyRefusal refusal) {
    switch (refusal) {
    case VerifyRefusal::length:
        return "length";
    case VerifyRefusal::characters:
        return "characters";
    case VerifyRefusal::check:
        return "check";
    case VerifyRefusal::date:
        return "date";
    case VerifyRefusal::none:
        break;
    }
    return nullptr;
}

Text sexText(bool male) { return male ? BOTH_ENCODINGS("男") : BOTH_ENCODINGS("女"); }

RegionTexts regionTexts(int regionCode) {
    const ProvinceUnit* unit = findUnit(regionCode / 10000);
    if (unit == nullptr) return {unknownLocation, emptyText, wrongRegionCode};

    if (unit->kind == UnitKind::municipality) {
        // A municipality's districts sit directly under it: the district's
        // name goes into the city field and the county field stays empty.
        const MunicipalTable& table = *unit->municipalTable;
        const int found = findByCode(table, regionCode);
        if (found == table.count) return {unit->fullNameText, unknownLocation, wrongRegionCode};
        return {unit->fullNameText, recordName(table, found), emptyText};
    }

    const ProvinceTable& table = *unit->provinceTable;
    const int county = findByCode(table, regionCode);
    if (county == table.count) return {unit->fullNameText, unknownLocation, wrongRegionCode};
    const int city = findByCode(table, regionCode / 100 * 100);
    return {unit->fullNameText, city < table.count ? recordName(table, city) : unknownLocation,
            recordName(table, county)};
}

int formatMessage(char* out, int size, const char* text, long long number) {
    if (size <= 0) return 0;
    char digits[24];
    int digitCount = 0;
    unsigned long long magnitude =
        number < 0 ? 0ull - static_cast<unsigned long long>(number) : static_cast<unsigned long long>(number);
    do {
        digits[digitCount++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0) digits[digitCount++] = '-';

    int written = 0;
    auto put = [&](char c) {
        if (written < size - 1) out[written++] = c;
    };
    for (const char* at = text; *at != '\0'; ++at) {
        if (at[0] == '%' && at[1] == 's') {
            for (int i = digitCount - 1; i >= 0; --i) put(digits[i]);
            ++at;
        } else {
            put(*at);
        }
    }
    out[written] = '\0';
    return written;
}
