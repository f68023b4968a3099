// Region resolution: which county-level record a user's text names, for
// generating numbers. Offers resolveRegion (a code, a name, or a path
// "city/county" or "province/city/county" in the 2009 tables) and
// resolveRegionAsOf (a code of the history in use in a given year). Each
// returns the code, or an error code with what the face needs to explain it:
// the candidates of an ambiguous name, the records a wrong path's last part
// names, the years a code was in use. Nothing is printed here.
#ifndef CORE_REGION_RESOLUTION_H
#define CORE_REGION_RESOLUTION_H

#include <cstddef>
#include <cstdint>

#include "core/region_history.h"
#include "core/region_tables.h"
#include "core/text_encoding.h"

enum class RegionError : unsigned char {
    none,
    invalidText,    // longer than maxRegionTextLength bytes, or not valid text in its encoding
    notCountyLevel, // a code of the tables that is city-level or a grouping record
    unknownCode,    // six digits that no record of the tables has
    badPath,        // an empty text or part, or more than three parts
    noMatch,        // a name or path that names no county-level record
    ambiguous,      // a name that names several records
    // With a year of the history (resolveRegionAsOf):
    asOfNeedsCode,  // not six digits
    asOfUnknownCode,// no record of the history has the code
    asOfNotCounty,  // in use that year, but as a province or prefecture
    asOfNotInUse,   // not in use that year
};

// The most bytes of a region text.
constexpr std::size_t maxRegionTextLength = 255;
// The most candidates a resolution keeps (it counts them all).
constexpr int maxRegionCandidates = 8;

struct RegionResolution {
    RegionError error;
    int32_t code;  // the county-level record's code, when none
    // ambiguous: the records the name names; noMatch for a path: the records
    // its last part alone names (the paths to offer). The first
    // maxRegionCandidates are kept, candidateCount counts all.
    int candidateCount;
    RegionRecord candidates[maxRegionCandidates];
};

// The county-level record of the 2009 tables that `text` (`length` bytes in
// `encoding`, no terminator needed; matched in UTF-8, as the names are) names:
// - six digits: the record with that code;
// - a name: the record of that name, matched byte for byte, or failing that
//   without blanks (ASCII and ideographic spaces) and "(*)" marks, so that
//   蓟县 finds "蓟　县";
// - "city/county" or "province/city/county": the same, under that city and
//   province. The city is the one cityOf gives; a county directly under its
//   province or municipality takes the unit's name ("河南省/济源市",
//   "北京/朝阳区"), by its list label or its full name.
RegionResolution resolveRegion(const char* text, std::size_t length, Encoding encoding);

// With a year of the history (firstListedYear to lastListedYear): `text` is
// the six-digit code of a county-level record in use that year.
RegionResolution resolveRegionAsOf(const char* text, std::size_t length, int year);

// Whether `length` bytes are exactly six digits.
bool isRegionCodeText(const char* text, std::size_t length);

// The path of a record for messages: "山西省/阳泉市/城区", "河南省/济源市",
// "北京市/朝阳区", written in UTF-8, NUL-terminated, into `out` (`size`
// bytes, cut at a character boundary when short). Returns the length written.
std::size_t writeRecordPath(char* out, std::size_t size, const RegionRecord& record);

#endif
