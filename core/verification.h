// Verification of one identity number, as a pure function of the bytes read,
// their whole length and the year limit: the verdict (and, for a refusal, the
// message the dialog shows), the birth date and sex of an accepted number,
// and the province, city and county texts its region code names.
//
// A number passes when it has 18 bytes, its first 17 are digits, its 18th is
// their check character ('X' upper case only) and its birth date keeps to the
// upper limits (year at most the limit, month at most 12, day at most 31).
#ifndef CORE_VERIFICATION_H
#define CORE_VERIFICATION_H

#include <climits>
#include <cstdint>

#include "core/check_character.h"
#include "core/gbk_text.h"
#include "core/number_rules.h"

// Why a number is refused, in the order the tests are made.
enum class VerifyRefusal : unsigned char {
    none,
    length,      // not 18 bytes
    characters,  // a non-digit among the first 17, or a last byte not a digit or 'X'
    check,       // the last character is not the check character of the first 17
    date,        // the year, month or day beyond its limit
};

struct VerifyOutcome {
    VerifyRefusal refusal;
    // The check character the first 17 bytes call for, when there are at
    // least 17 and all are digits; otherwise '\0'.
    char expectedCheck;
    // An accepted number's sex: position 17 odd is male.
    bool male;
    // The whole length in bytes (the figure of the length message).
    int wholeLength;
    // An accepted number's birth date and region code (positions 7-14, 1-6).
    BirthDate birthDate;
    int regionCode;
};

// A text's length as verifyNumberText takes it: a longer one than INT_MAX is
// refused for its length all the same, and counts as INT_MAX.
inline int verifiedLength(uint64_t length) { return length > INT_MAX ? INT_MAX : static_cast<int>(length); }

// Verifies `readLength` bytes at `number` (at least min(wholeLength, 18) of
// the text, more are ignored) whose whole text has `wholeLength` bytes: the
// length, the characters, the check character and the birth date, in that
// order, in one pass over the 18 bytes. Inline, so that a batch of numbers
// costs no call per number.
inline VerifyOutcome verifyNumberText(const char* number, int readLength, int wholeLength, int yearLimit) {
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
    if (outcome.expectedCheck == '\0' || !((last >= '0' && last <= '9') || last == 'X')) {
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
    outcome.male = isMaleCharacter(number[sexOffset]);
    outcome.regionCode = digitsValue(number, regionCodeLength);
    return outcome;
}

// The dialog's message for a refusal, which every face shows (verify's
// `message` field); empty texts for none. A number refused for its
// characters gets the check message. The length message holds "%s", which
// stands for the length; formatMessage fills it in.
Text refusalText(VerifyRefusal refusal);

// The reason's name for tables: "length", "characters", "check", "date";
// null for none.
const char* refusalName(VerifyRefusal refusal);

// "男" or "女".
Text sexText(bool male);

// What the province, city and county fields show for a region code:
// - a municipality: its full name, the district's name and an empty county,
//   or "未知位置" and "错误地区码" when its table lacks the code;
// - a province: its full name, the name of the city-level record (code / 100
//   * 100) or "未知位置", and the name of the code's record, or "未知位置" and
//   "错误地区码" when its table lacks the code;
// - a code of no province-level unit: "未知位置", empty, "错误地区码".
struct RegionTexts {
    Text province;
    Text city;
    Text county;
};
RegionTexts regionTexts(int regionCode);

// Writes `text` into `out` (`size` bytes, always terminated) with its "%s"
// replaced by the decimal `number`. Returns the length written.
int formatMessage(char* out, int size, const char* text, uint64_t number);

#endif
