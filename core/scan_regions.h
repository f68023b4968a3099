// The region codes a number found in text may carry, by the kind of number
// (core/number_kind.h), each kind's codes in one order so that a pseudonym
// can draw another code of the same kind by position:
// - a resident's: a code of the 2009 tables or of the history of 1981-2024
//   (the generated residentRegionCodes, ascending);
// - a residence permit's: 810000, 820000, 830000;
// - a foreigner's card of 2023: 9, a province-level unit's two digits (the
//   31 of the tables) and an ISO 3166-1 numeric code, ordered by unit, then
//   country.
// Offers isScanRegion, regionCountOfKind, regionPosition and regionAtPosition.
#ifndef CORE_SCAN_REGIONS_H
#define CORE_SCAN_REGIONS_H

#include <cstdint>

#include "core/number_kind.h"

constexpr int residentRegionCount = 6731;
extern const int32_t residentRegionCodes[residentRegionCount];

// The kind of number a six-digit code begins: a card's first digit 9, a
// permit's code, else a resident's.
NumberKind kindOfRegion(int32_t code);

// Whether a number may carry the code.
bool isScanRegion(int32_t code);

// How many codes a kind of number has (resident, permit or card).
int regionCountOfKind(NumberKind kind);

// The position of a code that isScanRegion takes among its kind's codes.
int regionPosition(int32_t code);

// The code at a position (0 to regionCountOfKind(kind) - 1) of a kind.
int32_t regionAtPosition(NumberKind kind, int position);

#endif
