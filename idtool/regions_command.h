// idtool regions [QUERY]: the built-in region table's records, all of them or
// those whose code starts with QUERY or whose name contains it.
#ifndef IDTOOL_REGIONS_COMMAND_H
#define IDTOOL_REGIONS_COMMAND_H

#include "idtool/record_writer.h"
#include "idtool/session.h"

struct RegionsOptions {
    RecordFormat format = RecordFormat::tsv;
    const char* query = nullptr;  // as given on the command line; null: every record
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
int runRegions(const RegionsOptions& options, Session& session);

#endif
