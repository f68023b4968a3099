// idtool regions [QUERY]: the built-in region table's records, all of them or
// those whose code starts with QUERY or whose name contains it.
#ifndef PROGRAMS_IDTOOL_REGIONS_COMMAND_H
#define PROGRAMS_IDTOOL_REGIONS_COMMAND_H

#include "records/record_writer.h"
#include "programs/idtool/session.h"

struct RegionsOptions {
    RecordFormat format = RecordFormat::tsv;
    const char* query = nullptr;  // as given on the command line; null: every record
    const char* historyCode = nullptr;  // --history CODE: that code's timeline instead
    int year = 0;                       // --year YYYY: the history's codes in use that year instead
};

// Fields: code, name, level, province, city.
//   level     county (a district of a municipality, or a county-level record
//             under a city: what generate --region takes), city (a
//             city-level record, code ending in 00) or group (a 市辖区
//             record, which groups a city's districts)
//   province  the full name of the province-level unit
//   city      for a county or group record of a province, the city-level
//             record its code names (first four digits and 00), as
//             verification shows it; null when there is none, for city-level
//             records and for the districts of municipalities
// Exit status 0 when a record matched, 1 when none did.
//
// With --history CODE, the code's records in the history of region codes
// (1981-2024), in time order: code, name, level, province, prefecture, from,
// until, successors and now (the last two as JSON, as verify gives them).
// With --year YYYY, the history's records in use that year, matched against
// QUERY as above: code, name, level, province, prefecture.
int runRegions(const RegionsOptions& options, Session& session);

#endif
