// idtool regions: the 2009 tables' records, or the history's timeline of a
// code, or the history's codes in use in a year, matched against a query;
// and its options.
#include "programs/idtool/regions_command.h"

#include <cstring>
#include <memory>

#include "core/gbk_table.h"
#include "core/number_rules.h"
#include "core/region_history.h"
#include "core/region_search.h"
#include "core/region_tables.h"
#include "programs/idtool/command.h"
#include "programs/idtool/command_options.h"
#include "programs/idtool/system_io.h"
#include "records/history_fields.h"

namespace {

const char regionsFooter[] =
    "Fields of each record, in this order:\n"
    "  code      the six-digit region code\n"
    "  name      the record's name\n"
    "  level     county: a district of a municipality or a county-level record\n"
    "            under a city, what generate --region takes; city: a city-level\n"
    "            record (code ending in 00); group: a 市辖区 record, which\n"
    "            groups a city's districts\n"
    "  province  the province-level unit's full name\n"
    "  city      for a county or group record of a province, the city-level\n"
    "            record its code names (its first four digits and 00), as\n"
    "            verification shows it; empty (null) when there is none, for\n"
    "            city-level records and for the districts of municipalities\n"
    "QUERY matches byte for byte in the output encoding.\n"
    "\n"
    "The history of region codes: every code in use at the end of any year from\n"
    "1981 to 2024, with its name and place while in use (public domain data).\n"
    "  --history CODE  the code's records in time order: code, name, level\n"
    "                  (province, prefecture or county), province, prefecture,\n"
    "                  from, until (null while in use), successors (the codes\n"
    "                  that took over its area, as JSON [{\"code\",\"name\",\n"
    "                  \"status\"}]) and now (the codes in use in 2024 its area\n"
    "                  went to, as JSON [{\"code\",\"name\"}])\n"
    "  --year YYYY     the codes in use that year, QUERY matched as above:\n"
    "                  code, name, level, province, prefecture\n"
    "Exit status 0 when a record matched, 1 when none did." SEE_MAIN_HELP;

const char* const regionKeys[] = {"code", "name", "level", "province", "city"};
constexpr int regionKeyCount = sizeof regionKeys / sizeof regionKeys[0];

// Longest query compared; longer ones match no name of the tables anyway.
constexpr std::size_t queryCapacity = 256;

void writeRegion(RecordWriter& writer, int32_t code, const char* name, const char* level, const char* province,
                 const char* city) {
    writer.beginRecord();
    writer.integerField(code);
    writer.textField(name);
    writer.textField(level);
    writer.textField(province);
    writer.textField(city);
    writer.endRecord();
}

// Exit status 0 when a record matched; 1, with a message, when none did.
int statusOfListing(long matched, Session& session) {
    if (matched > 0) return exitSuccess;
    beginMessage(session).write("regions: no record matches");
    endMessage(session);
    return exitFindings;
}

const char* const historyKeys[] = {"code",  "name",  "level",      "province", "prefecture",
                                   "from",  "until", "successors", "now"};
constexpr int historyKeyCount = sizeof historyKeys / sizeof historyKeys[0];
const char* const yearKeys[] = {"code", "name", "level", "province", "prefecture"};
constexpr int yearKeyCount = sizeof yearKeys / sizeof yearKeys[0];

char historyStorage[historyFieldCapacity];

void writeHistoryStart(RecordWriter& writer, const HistoryRecord& record) {
    writer.beginRecord();
    writer.integerField(codeOf(record));
    writer.textField(nameOf(record));
    writer.textField(levelName(levelOf(record)));
    writer.textField(provinceOf(record));
    writer.textField(levelOf(record) == RegionLevel::province ? nullptr : prefectureOf(record));
}

int listTimeline(const RegionsOptions& options, Session& session) {
    const char* given = options.historyCode;
    if (std::strlen(given) != regionCodeLength || !allDigits(given, regionCodeLength)) {
        beginMessage(session).write("regions: --history wants a six-digit code");
        endMessage(session);
        return exitTrouble;
    }
    const int32_t code = digitsValue(given, regionCodeLength);
    const HistoryRecords records = recordsOfCode(code);
    if (records.empty()) {
        OutputStream& err = beginMessage(session);
        err.write("regions: no record of the history (1981-2024) has the code ");
        err.write(given);
        endMessage(session);
        return exitFindings;
    }
    RecordWriter writer(session.out, options.format, session.encoding, historyKeys, historyKeyCount);
    writer.writeHeader();
    JsonFragment json(historyStorage, sizeof historyStorage, session.encoding);
    for (const HistoryRecord& record : records) {
        writeHistoryStart(writer, record);
        writer.integerField(firstYearOf(record));
        if (stillInUse(record))
            writer.nullField();
        else
            writer.integerField(untilYearOf(record));
        json.clear();
        writeSuccessors(json, record);
        writer.jsonField(json.data(), json.size());
        json.clear();
        writeNow(json, &record);
        writer.jsonField(json.data(), json.size());
        writer.endRecord();
    }
    return exitSuccess;
}

// The year was checked when the command line was read.
int listYear(const RegionsOptions& options, const RegionQuery& query, Session& session) {
    RecordWriter writer(session.out, options.format, session.encoding, yearKeys, yearKeyCount);
    writer.writeHeader();
    long matched = 0;
    for (const HistoryRecord& record : allHistoryRecords()) {
        if (!inUseIn(record, options.year) || !matchesRecordName(codeOf(record), nameOf(record), query))
            continue;
        writeHistoryStart(writer, record);
        writer.endRecord();
        ++matched;
    }
    return statusOfListing(matched, session);
}

}  // namespace

int runRegions(const RegionsOptions& options, Session& session) {
    if (options.historyCode != nullptr) return listTimeline(options, session);
    const Encoding encoding = session.encoding;
    char queryText[queryCapacity];
    if (!argumentInEncoding(options.query != nullptr ? options.query : "", encoding, queryText, sizeof queryText)) {
        beginMessage(session).write("regions: the query is too long or not valid text");
        endMessage(session);
        return exitTrouble;
    }
    const RegionQuery query{queryText, std::strlen(queryText), encoding};
    if (options.year != 0) return listYear(options, query, session);

    RecordWriter writer(session.out, options.format, encoding, regionKeys, regionKeyCount);
    writer.writeHeader();
    long matched = 0;
    std::size_t cursor = 0;
    RegionRecord record{};
    while (nextMatchingRecord(query, cursor, record)) {
        RegionRecord city{};
        writeRegion(writer, codeOf(record), nameOf(record), levelName(levelOf(record)), record.unit->fullName,
                    cityOf(record, city) ? nameOf(city) : nullptr);
        ++matched;
    }
    return statusOfListing(matched, session);
}

Command defineRegionsCommand(CLI::App& idtool) {
    struct Arguments {
        RegionsOptions options;
        std::string query, historyCode;
        uint64_t year = 0;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App* regions = idtool.add_subcommand("regions", "list the built-in region records");
    CLI::Option* queryOption =
        regions
            ->add_option("QUERY", arguments->query, "a code prefix or a part of a name; none\nlists every record")
            ->type_name("");
    addFormatOption(*regions, arguments->options.format);
    CLI::Option* historyOption =
        regions
            ->add_option("--history", arguments->historyCode,
                         "the timeline of one code in the history of\n"
                         "region codes (1981-2024) instead: its records,\n"
                         "successors and the codes its area is in now")
            ->type_name("CODE");
    CLI::Option* yearOption = addWholeNumberOption(*regions, "--year", arguments->year, firstListedYear,
                                                   lastListedYear,
                                                   "the codes of the history in use in that year\n"
                                                   "(1981-2024) instead of the 2009 tables")
                                  ->type_name("YYYY");
    regions->footer(regionsFooter);

    Command command;
    command.subcommand = regions;
    // Checked here rather than declared, which would crowd the help.
    command.checkOptions = [historyOption, yearOption, queryOption] {
        if (historyOption->count() > 0 && yearOption->count() > 0) throw CLI::ExcludesError("--history", "--year");
        if (historyOption->count() > 0 && queryOption->count() > 0) throw CLI::ExcludesError("--history", "QUERY");
    };
    command.run = [arguments, queryOption, historyOption](Session& session) {
        RegionsOptions& options = arguments->options;
        options.query = queryOption->count() > 0 ? arguments->query.c_str() : nullptr;
        options.historyCode = historyOption->count() > 0 ? arguments->historyCode.c_str() : nullptr;
        options.year = static_cast<int>(arguments->year);
        return runRegions(options, session);
    };
    return command;
}
