// Searching the region records by a user's query, as idtool regions, the C
// API and the language bindings do: a record matches when its code starts
// with the query or its name contains it. Offers RegionQuery and
// matchesQuery, and levelName for the records' levels.
#ifndef CORE_REGION_SEARCH_H
#define CORE_REGION_SEARCH_H

#include <cstddef>
#include <cstdint>

#include "core/region_history.h"
#include "core/region_tables.h"
#include "core/text_encoding.h"

struct RegionQuery {
    const char* text;  // in `encoding`; empty matches every record
    std::size_t length;
    Encoding encoding;
};

// Whether the code starts with the query's bytes, or the name (in the
// query's encoding, NUL-terminated) holds them at a character boundary, so
// that a GBK query cannot match the second byte of one character and the
// first of the next.
bool matchesQuery(int32_t code, const char* name, const RegionQuery& query);

// The same for a record's name as the tables hold it (UTF-8): converted to
// the query's encoding first when that is GBK, so that a GBK query matches
// byte for byte the names a GBK user reads.
bool matchesRecordName(int32_t code, const char* utf8Name, const RegionQuery& query);

// The next record of the 2009 tables, in table order (unit by unit), that
// matches the query, from `cursor` (0 to start; a position in that order):
// writes it, moves the cursor past it and returns true; false, with the
// cursor at the end, when no more match.
bool nextMatchingRecord(const RegionQuery& query, std::size_t& cursor, RegionRecord& record);

// "county", "city" or "group"; "province", "prefecture" or "county".
const char* levelName(RecordLevel level);
const char* levelName(RegionLevel level);

#endif
