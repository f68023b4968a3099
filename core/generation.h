// Generation of one identity number, as pure functions: the region code from
// the picks in the region lists, the verdict on a birth date, and the number
// made from a region code, a birth date, one drawn value and a sex choice.
#ifndef CORE_GENERATION_H
#define CORE_GENERATION_H

#include "core/check_character.h"
#include "core/number_rules.h"
#include "core/verification.h"

// Why no number is made, in the order the tests are made.
enum class GenerateRefusal : unsigned char {
    none,
    noMunicipality,      // municipality mode, no municipality picked
    noDistrict,          // municipality mode, no district picked
    noCity,              // province mode, no city picked
    noCounty,            // province mode, no county picked
    birthDateNotEightBytes,  // the birth date is not 8 bytes
    birthDateValue,      // not 8 digits, or beyond the limits
    unknownRegion,       // picks that name no record (lists not filled from the tables)
    cannotAssemble,      // a region code of other than six digits, or no check character
};

struct RegionPick {
    GenerateRefusal refusal;  // none, or one of the four missing picks
    int regionCode;           // when none
};

// Municipality mode: the picked municipality's (index in the municipality
// list, -1 for none) district at `districtIndex` (its index in the district
// list, which holds the municipality's table in order; -1 for none).
RegionPick regionFromMunicipalPicks(int municipalityIndex, int districtIndex);

// Province mode: the county named `countyName` among the children of the
// city-level record named `cityName`, in the table of the province at
// `provinceIndex`. The indexes are the lists' selections (-1 for none); the
// names are read only when their index says an item is picked. A county is
// looked up under its own city, since names repeat across a province's
// cities ("城区" under four cities of 山西省).
RegionPick regionFromProvincialPicks(int provinceIndex, int cityIndex, const char* cityName, int countyIndex,
                                     const char* countyName);

// The verdict on a birth date: `wholeLength` bytes, of which the first 8 (when
// there are 8) are at `birthDate`. none, birthDateNotEightBytes or birthDateValue.
GenerateRefusal judgeBirthDate(const char* birthDate, int wholeLength, int yearLimit);

struct GeneratedNumber {
    GenerateRefusal refusal;
    char number[numberLength + 1];  // 18 bytes and a terminator, when none
};

// A number: the region code (six digits), the birth date as given, the
// sequence number from `drawn` for the sex, and the check character.
GeneratedNumber generateNumberText(int regionCode, const char* birthDate, int wholeLength, int yearLimit,
                                   int drawn, SexChoice sex);

#endif
