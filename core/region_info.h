// Everything a face that keeps answers per region code needs of one code,
// in one call: the three region fields of the 2009 tables, the kind and
// nationality a number with the code has, what the history says of the
// code, and whether it was in use in a birth year, with the birth years that
// answer holds for. A face's cache then holds results and no rule.
#ifndef CORE_REGION_INFO_H
#define CORE_REGION_INFO_H

#include <cstdint>

#include "core/nationality.h"
#include "core/number_kind.h"
#include "core/region_history.h"
#include "core/verification.h"

struct RegionInfo {
    int32_t code;
    NumberKind kind;
    CodeStatus status;
    RegionTexts fields;
    // For a foreigner's card: the card's nationality digits and the country
    // they name, or null when ISO 3166-1 has none. Otherwise 0 and null.
    int nationalityCode;
    const Country* country;
    InUseAtBirthSpan inUseAtBirth;
};

RegionInfo regionInfo(int32_t code, int birthYear);

#endif
