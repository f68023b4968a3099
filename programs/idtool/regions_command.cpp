#include "programs/idtool/regions_command.h"

#include <cstring>

#include "core/number_rules.h"
#include "core/region_history.h"
#include "core/region_tables.h"
#include "records/history_fields.h"
#include "programs/idtool/system_io.h"

namespace {

const char* const regionKeys[] = {"code", "name", "level", "province", "city"};
constexpr int regionKeyCount = sizeof regionKeys / sizeof regionKeys[0];

// Longest query compared; longer ones match no name of the tables anyway.
constexpr std::size_t queryCapacity = 256;

struct Query {
    const char* text;  // in the output encoding; empty matches every record
    std::size_t length;
    Encoding encoding;
};

bool codeStartsWith(int32_t code, const Query& query) {
    if (query.length > 6) return false;
    char digits[6];
    for (int i = 5; i >= 0; --i, code /= 10) digits[i] = static_cast<char>('0' + code % 10);
    return std::memcmp(digits, query.text, query.length) == 0;
}

// Compared at character boundaries only, so that a GBK query cannot match the
// second byte of one character and the first of the next.
bool nameContains(const char* name, const Query& query) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(name);
    const std::size_t length = std::strlen(name);
    for (std::size_t at = 0; at + query.length <= length;
         at += characterStep(bytes + at, length - at, query.encoding)) {
        if (std::memcmp(name + at, query.text, query.length) == 0) return true;
    }
    return false;
}

bool matches(int32_t code, const char* name, const Query& query) {
    return codeStartsWith(code, query) || nameContains(name, query);
}

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

const char* levelName(RegionLevel level) {
    switch (level) {
    case RegionLevel::province:
        return "province";
    case RegionLevel::prefecture:
        return "prefecture";
    case RegionLevel::county:
        break;
    }
    return "county";
}

const char* const historyKeys[] = {"code",  "name",  "level",      "province", "prefecture",
                                   "from",  "until", "successors", "now"};
constexpr int historyKeyCount = sizeof historyKeys / sizeof historyKeys[0];
const char* const yearKeys[] = {"code", "name", "level", "province", "prefecture"};
constexpr int yearKeyCount = sizeof yearKeys / sizeof yearKeys[0];

char historyStorage[historyFieldCapacity];

void writeHistoryStart(RecordWriter& writer, const HistoryRecord& record, Encoding encoding) {
    writer.beginRecord();
    writer.integerField(record.code);
    writer.textField(textIn(nameOf(record), encoding));
    writer.textField(levelName(levelOf(record)));
    writer.textField(textIn(provinceOf(record), encoding));
    writer.textField(levelOf(record) == RegionLevel::province ? nullptr : textIn(prefectureOf(record), encoding));
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
    const Encoding encoding = session.encoding;
    RecordWriter writer(session.out, options.format, encoding, historyKeys, historyKeyCount);
    writer.writeHeader();
    JsonFragment json(historyStorage, sizeof historyStorage, encoding);
    for (const HistoryRecord& record : records) {
        writeHistoryStart(writer, record, encoding);
        writer.integerField(record.firstYear);
        if (stillInUse(record))
            writer.nullField();
        else
            writer.integerField(record.untilYear);
        json.clear();
        writeSuccessors(json, record, encoding);
        writer.jsonField(json.data(), json.size());
        json.clear();
        writeNow(json, &record, encoding);
        writer.jsonField(json.data(), json.size());
        writer.endRecord();
    }
    return exitSuccess;
}

int listYear(const RegionsOptions& options, const Query& query, Session& session) {
    if (options.year < firstListedYear || options.year > lastListedYear) {
        OutputStream& err = beginMessage(session);
        err.write("regions: --year wants a year from ");
        err.writeDecimal(firstListedYear);
        err.write(" to ");
        err.writeDecimal(lastListedYear);
        err.write(", the years of the history");
        endMessage(session);
        return exitTrouble;
    }
    const Encoding encoding = session.encoding;
    RecordWriter writer(session.out, options.format, encoding, yearKeys, yearKeyCount);
    writer.writeHeader();
    long matched = 0;
    for (const HistoryRecord& record : allHistoryRecords()) {
        if (!inUseIn(record, options.year) || !matches(record.code, textIn(nameOf(record), encoding), query))
            continue;
        writeHistoryStart(writer, record, encoding);
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
    const Query query{queryText, std::strlen(queryText), encoding};
    if (options.year != 0) return listYear(options, query, session);

    RecordWriter writer(session.out, options.format, encoding, regionKeys, regionKeyCount);
    writer.writeHeader();
    long matched = 0;
    for (const ProvinceUnit& unit : provinceUnits) {
        const char* province = textIn(unit.fullNameText, encoding);
        if (unit.kind == UnitKind::municipality) {
            const MunicipalTable& table = *unit.municipalTable;
            for (int i = 0; i < table.count; ++i) {
                const char* name = textIn(recordName(table, i), encoding);
                if (!matches(table.records[i].code, name, query)) continue;
                writeRegion(writer, table.records[i].code, name, "county", province, nullptr);
                ++matched;
            }
            continue;
        }
        const ProvinceTable& table = *unit.provinceTable;
        for (int i = 0; i < table.count; ++i) {
            const DivisionEntry& record = table.records[i];
            const char* name = textIn(recordName(table, i), encoding);
            if (!matches(record.code, name, query)) continue;
            if (isCityLevel(record)) {
                writeRegion(writer, record.code, name, "city", province, nullptr);
            } else {
                const int city = findByCode(table, record.code / 100 * 100);
                writeRegion(writer, record.code, name, isCountyLevel(record) ? "county" : "group", province,
                            city < table.count ? textIn(recordName(table, city), encoding) : nullptr);
            }
            ++matched;
        }
    }
    return statusOfListing(matched, session);
}
