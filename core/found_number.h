// What a run of characters shaped like a number is, once its digits are
// known: a valid number (check character, a calendar birth date not after
// the as-of date, a region code of core/scan_regions.h), a mistyped one (the
// date holds but the check character or the region fails), or nothing.
// Offers FoundNumber and judgeFoundNumber.
#ifndef CORE_FOUND_NUMBER_H
#define CORE_FOUND_NUMBER_H

#include <cstdint>

#include "core/number_kind.h"
#include "core/scan_options.h"

struct FoundNumber {
    Confidence confidence;  // none, low or medium (a keyword makes medium high)
    ScanFlaw flaw;          // for low: the check, or else the region
    char number[numberLength + 1];  // 18 ASCII characters, X upper case (a 15-digit number upgraded)
    // For medium: the verdict's fields.
    NumberKind kind;
    bool male;
    BirthDate birthDate;
    int32_t regionCode;
};

// `characters` are 18 ('0'-'9', the last may be 'X') or 15 digits.
FoundNumber judgeFoundNumber(const char* characters, int count, const BirthDate& asOf);

// Whether a is after b.
inline bool dateAfter(const BirthDate& a, const BirthDate& b) {
    if (a.year != b.year) return a.year > b.year;
    if (a.month != b.month) return a.month > b.month;
    return a.day > b.day;
}

#endif
