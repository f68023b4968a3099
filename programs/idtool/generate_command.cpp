// idtool generate: distinct well-formed numbers of one county-level region,
// a birth date or a range of real calendar dates, and a sex.
//
// Every option is checked before anything is written. The numbers are the
// candidates (date, sequence number) at the positions of a seeded
// permutation (DistinctSampler), so they are distinct without being
// remembered, and a count up to the number of candidates always succeeds.
#include "programs/idtool/generate_command.h"

#include <cstring>
#include <ctime>
#include <random>

#include "core/calendar.h"
#include "core/generation.h"
#include "core/region_history.h"
#include "core/region_tables.h"
#include "core/distinct_sampler.h"
#include "programs/idtool/system_io.h"

namespace {

// A record of the tables that a number can be made for.
struct CountyRecord {
    const ProvinceUnit* unit;
    int index;  // in the unit's table
};

int32_t codeOf(const CountyRecord& record) {
    return record.unit->kind == UnitKind::municipality ? record.unit->municipalTable->records[record.index].code
                                                       : record.unit->provinceTable->records[record.index].code;
}

Text nameOf(const CountyRecord& record) {
    return record.unit->kind == UnitKind::municipality ? recordName(*record.unit->municipalTable, record.index)
                                                       : recordName(*record.unit->provinceTable, record.index);
}

// The city-level record a county stands under in its table (none for a
// municipality's district).
const Text* cityOf(const CountyRecord& record, Text& storage) {
    if (record.unit->kind == UnitKind::municipality) return nullptr;
    const ProvinceTable& table = *record.unit->provinceTable;
    for (int i = record.index - 1; i >= 0; --i) {
        if (isCityLevel(table.records[i])) {
            storage = recordName(table, i);
            return &storage;
        }
    }
    return nullptr;
}

// Calls visit(record) for every record a number can be made for, in table
// order; stops when it returns false.
template <typename Visit>
void forEachCountyRecord(Visit visit) {
    for (const ProvinceUnit& unit : provinceUnits) {
        if (unit.kind == UnitKind::municipality) {
            for (int i = 0; i < unit.municipalTable->count; ++i)
                if (!visit(CountyRecord{&unit, i})) return;
        } else {
            for (int i = 0; i < unit.provinceTable->count; ++i)
                if (isCountyLevel(unit.provinceTable->records[i]) && !visit(CountyRecord{&unit, i})) return;
        }
    }
}

// "140302 山西省 阳泉市 城区", for messages.
void writeRecordDescription(OutputStream& out, const CountyRecord& record, Encoding encoding) {
    out.writeDecimal(static_cast<uint64_t>(codeOf(record)));
    out.put(' ');
    out.write(textIn(record.unit->fullNameText, encoding));
    Text city;
    if (const Text* found = cityOf(record, city)) {
        out.put(' ');
        out.write(textIn(*found, encoding));
    }
    out.put(' ');
    out.write(textIn(nameOf(record), encoding));
}

bool isSixDigits(const char* text) { return std::strlen(text) == 6 && allDigits(text, 6); }

// Names compared without their blanks (ASCII and ideographic spaces) and the
// " (*)" mark, so that 蓟县 finds "蓟　县" and 江源区 finds "  江源区".
bool sameNameIgnoringBlanks(const char* name, const char* wanted, Encoding encoding) {
    const char* ideographicSpace = encoding == Encoding::gbk ? "\xA1\xA1" : "\xE3\x80\x80";
    const std::size_t spaceLength = std::strlen(ideographicSpace);
    auto skipBlanks = [&](const char*& at) {
        for (;;) {
            if (*at == ' ')
                ++at;
            else if (std::strncmp(at, ideographicSpace, spaceLength) == 0)
                at += spaceLength;
            else if (std::strncmp(at, "(*)", 3) == 0)
                at += 3;
            else
                return;
        }
    };
    for (;;) {
        skipBlanks(name);
        skipBlanks(wanted);
        if (*name == '\0' || *wanted == '\0') return *name == *wanted;
        if (*name++ != *wanted++) return false;
    }
}

// How a region given by name matches a record: its own name, and when the
// name is qualified ("阳泉市/城区", "山西省/阳泉市/城区", "北京/朝阳区"), its
// city's and province's names too.
struct NameQuery {
    const char* parts[3];  // province, city, county; null when not given
    Encoding encoding;
    bool ignoreBlanks;
};

bool nameMatches(const char* name, const char* wanted, const NameQuery& query) {
    return query.ignoreBlanks ? sameNameIgnoringBlanks(name, wanted, query.encoding) : std::strcmp(name, wanted) == 0;
}

bool matches(const CountyRecord& record, const NameQuery& query) {
    const Encoding encoding = query.encoding;
    if (!nameMatches(textIn(nameOf(record), encoding), query.parts[2], query)) return false;
    Text city;
    const Text* cityText = cityOf(record, city);
    if (query.parts[1] != nullptr) {
        // For a municipality's district the part before it names the municipality.
        const bool municipal = cityText == nullptr;
        const bool cityMatches = municipal ? nameMatches(textIn(record.unit->labelText, encoding), query.parts[1], query) ||
                                                 nameMatches(textIn(record.unit->fullNameText, encoding), query.parts[1], query)
                                           : nameMatches(textIn(*cityText, encoding), query.parts[1], query);
        if (!cityMatches) return false;
    }
    if (query.parts[0] != nullptr && !nameMatches(textIn(record.unit->labelText, encoding), query.parts[0], query) &&
        !nameMatches(textIn(record.unit->fullNameText, encoding), query.parts[0], query))
        return false;
    return true;
}

// Splits "a/b/c" in place into at most three parts, the last one the county.
bool splitName(char* text, NameQuery& query) {
    char* parts[3] = {nullptr, nullptr, nullptr};
    int count = 0;
    for (char* at = text;; ++at) {
        if (count == 3) return false;
        parts[count++] = at;
        at = std::strchr(at, '/');
        if (at == nullptr) break;
        *at = '\0';
    }
    for (int i = 0; i < count; ++i)
        if (*parts[i] == '\0') return false;
    query.parts[2] = parts[count - 1];
    query.parts[1] = count >= 2 ? parts[count - 2] : nullptr;
    query.parts[0] = count == 3 ? parts[0] : nullptr;
    return true;
}

constexpr int listedCandidates = 8;

// Finds the record --region names. On failure writes the one-line reason
// and returns false.
bool findRegion(const std::string& given, Session& session, CountyRecord& found) {
    const Encoding encoding = session.encoding;
    char text[256];
    if (!argumentInEncoding(given.c_str(), encoding, text, sizeof text)) {
        beginMessage(session).write("generate: --region is too long or not valid text");
        endMessage(session);
        return false;
    }
    if (isSixDigits(text)) {
        const int32_t code = digitsValue(text, 6);
        bool isCounty = false;
        forEachCountyRecord([&](const CountyRecord& record) {
            if (codeOf(record) != code) return true;
            found = record;
            isCounty = true;
            return false;
        });
        if (isCounty) return true;
        OutputStream& err = beginMessage(session);
        err.write("generate: ");
        err.write(text);
        const ProvinceUnit* unit = findUnit(code / 10000);
        if (unit != nullptr && unit->kind == UnitKind::province && findByCode(*unit->provinceTable, code) < unit->provinceTable->count)
            err.write(" is a city-level or grouping record; numbers are made for county-level records"
                      " (idtool regions lists each record's level)");
        else
            err.write(" is no code of the built-in 2009 tables (idtool regions lists them)");
        endMessage(session);
        return false;
    }

    NameQuery query{{nullptr, nullptr, nullptr}, encoding, false};
    if (!splitName(text, query)) {
        beginMessage(session).write("generate: --region wants a code, a name, or names joined by / "
                                    "(city/county or province/city/county)");
        endMessage(session);
        return false;
    }
    CountyRecord candidates[listedCandidates];
    int matched = 0;
    auto collect = [&](const CountyRecord& record) {
        if (matches(record, query)) {
            if (matched < listedCandidates) candidates[matched] = record;
            ++matched;
        }
        return true;
    };
    forEachCountyRecord(collect);
    if (matched == 0) {
        query.ignoreBlanks = true;
        forEachCountyRecord(collect);
    }
    if (matched == 1) {
        found = candidates[0];
        return true;
    }
    OutputStream& err = beginMessage(session);
    err.write("generate: ");
    writeArgument(err, given.c_str(), encoding);
    if (matched == 0) {
        err.write(" names no county-level record of the built-in 2009 tables (idtool regions lists them)");
    } else {
        err.write(" names ");
        err.writeDecimal(static_cast<uint64_t>(matched));
        err.write(" records, give the code or city/county: ");
        for (int i = 0; i < matched && i < listedCandidates; ++i) {
            if (i > 0) err.write(", ");
            writeRecordDescription(err, candidates[i], encoding);
        }
        if (matched > listedCandidates) err.write(", ...");
    }
    endMessage(session);
    return false;
}

// With --as-of: the code of a county-level record of the history in use
// that year. On failure writes the one-line reason, naming the years when
// the code was in use, and returns false.
bool findRegionAsOf(const std::string& given, int year, Session& session, int32_t& code) {
    OutputStream* err = nullptr;
    auto refuse = [&]() -> OutputStream& {
        err = &beginMessage(session);
        err->write("generate: ");
        return *err;
    };
    if (!isSixDigits(given.c_str())) {
        refuse().write("with --as-of, --region wants a six-digit code (idtool regions --year YYYY NAME finds it)");
        endMessage(session);
        return false;
    }
    code = digitsValue(given.c_str(), 6);
    const HistoryRecord* record = recordInYear(code, year);
    if (record != nullptr && levelOf(*record) == RegionLevel::county) return true;
    OutputStream& out = refuse();
    out.write(given.c_str());
    const HistoryRecords records = recordsOfCode(code);
    if (records.empty()) {
        out.write(" is no code of the history of region codes (1981-2024)");
    } else if (record != nullptr) {
        out.write(" was a province- or prefecture-level record in ");
        out.writeDecimal(static_cast<uint64_t>(year));
        out.write("; numbers are made for county-level records");
    } else {
        out.write(" was not in use in ");
        out.writeDecimal(static_cast<uint64_t>(year));
        out.write("; it was in use");
        const char* separator = " ";
        for (const HistoryRecord& each : records) {
            out.write(separator);
            separator = ", and ";
            out.write("from ");
            out.writeDecimal(static_cast<uint64_t>(each.firstYear));
            if (stillInUse(each)) {
                out.write(" on");
            } else {
                out.write(" until ");
                out.writeDecimal(static_cast<uint64_t>(each.untilYear));
            }
            out.write(" (");
            out.write(textIn(nameOf(each), session.encoding));
            out.put(')');
        }
    }
    endMessage(session);
    return false;
}

// A date option: exactly 8 digits.
bool readDate(const std::string& text, BirthDate& date) {
    if (text.size() != birthDateLength || !allDigits(text.c_str(), birthDateLength)) return false;
    date = birthDateAt(text.c_str());
    return true;
}

void refuseOption(Session& session, const char* option, const std::string& value, const char* why) {
    OutputStream& err = beginMessage(session);
    err.write("generate: ");
    err.write(option);
    err.put(' ');
    writeArgument(err, value.c_str(), session.encoding);
    err.write(": ");
    err.write(why);
    endMessage(session);
}

// The dates to draw from: one date as given, or the real calendar dates of a
// range, by day number.
struct DateChoice {
    char single[birthDateLength + 1];  // --birth, as given
    long long firstDay;                // --born-between
    uint64_t dayCount;                 // 1 for --birth
};

bool chooseDates(const GenerateOptions& options, int currentYear, Session& session, DateChoice& dates) {
    if (options.hasBirth) {
        BirthDate date{};
        if (!readDate(options.birth, date)) {
            refuseOption(session, "--birth", options.birth, "a birth date is 8 digits, YYYYMMDD");
            return false;
        }
        if (judgeBirthDate(options.birth.c_str(), birthDateLength, currentYear) != GenerateRefusal::none) {
            refuseOption(session, "--birth", options.birth,
                         "the year may not be after the current one, the month above 12 or the day above 31");
            return false;
        }
        // Taken as the dialog takes it, so that testers can make such numbers
        // on purpose; but said.
        if (!isCalendarDate(date)) {
            OutputStream& err = beginMessage(session);
            err.write("generate: warning: ");
            err.write(options.birth.c_str());
            err.write(" is not a real calendar date; the numbers carry it as given");
            endMessage(session);
        }
        std::memcpy(dates.single, options.birth.c_str(), birthDateLength + 1);
        dates.dayCount = 1;
        return true;
    }
    BirthDate from{}, to{};
    for (const std::string* text : {&options.bornFrom, &options.bornTo}) {
        BirthDate& date = text == &options.bornFrom ? from : to;
        if (!readDate(*text, date) || !isCalendarDate(date)) {
            refuseOption(session, "--born-between", *text, "each end is a real calendar date, YYYYMMDD");
            return false;
        }
    }
    if (to.year > currentYear) {
        refuseOption(session, "--born-between", options.bornTo, "the year may not be after the current one");
        return false;
    }
    dates.firstDay = dayNumber(from);
    const long long lastDay = dayNumber(to);
    if (lastDay < dates.firstDay) {
        refuseOption(session, "--born-between", options.bornFrom, "the first date comes after the second");
        return false;
    }
    dates.dayCount = static_cast<uint64_t>(lastDay - dates.firstDay + 1);
    return true;
}

// Sequence numbers run 000-998; a chosen sex takes the odd (male: 499 of
// them) or the even ones (female: 500).
uint64_t sequenceCount(SexOption sex) {
    return sex == SexOption::any ? sequenceModulus : sex == SexOption::male ? 499 : 500;
}

int sequenceAt(uint64_t position, SexOption sex) {
    const int value = static_cast<int>(position);
    return sex == SexOption::any ? value : sex == SexOption::male ? 2 * value + 1 : 2 * value;
}

void writeDateText(char* out, const BirthDate& date) {
    const int values[3] = {date.year, date.month, date.day};
    const int widths[3] = {4, 2, 2};
    for (int part = 0, at = 0; part < 3; at += widths[part], ++part)
        for (int i = widths[part] - 1, value = values[part]; i >= 0; --i, value /= 10)
            out[at + i] = static_cast<char>('0' + value % 10);
    out[birthDateLength] = '\0';
}

uint64_t seedFromTheSystem() {
    std::random_device device;
    return (uint64_t{device()} << 32 | device()) ^ static_cast<uint64_t>(time(nullptr));
}

}  // namespace

int runGenerate(const GenerateOptions& options, Session& session) {
    const int currentYear = localYear(time(nullptr));
    int32_t regionCode = 0;
    if (options.asOfYear != 0) {
        if (!findRegionAsOf(options.region, options.asOfYear, session, regionCode)) return exitTrouble;
    } else {
        CountyRecord region{};
        if (!findRegion(options.region, session, region)) return exitTrouble;
        regionCode = codeOf(region);
    }
    DateChoice dates{};
    if (!chooseDates(options, currentYear, session, dates)) return exitTrouble;

    const uint64_t sequences = sequenceCount(options.sex);
    const uint64_t candidates = dates.dayCount * sequences;
    if (static_cast<uint64_t>(options.count) > candidates) {
        OutputStream& err = beginMessage(session);
        err.write("generate: --count ");
        err.writeDecimal(static_cast<uint64_t>(options.count));
        err.write(" is more than the ");
        err.writeDecimal(candidates);
        err.write(" distinct numbers that this region, ");
        err.write(dates.dayCount == 1 ? "birth date" : "range of birth dates");
        err.write(" and sex can give");
        endMessage(session);
        return exitTrouble;
    }

    const DistinctSampler sampler(candidates, options.hasSeed ? options.seed : seedFromTheSystem());
    char dateText[birthDateLength + 1];
    char number[numberLength + 1];
    for (uint64_t i = 0; i < static_cast<uint64_t>(options.count); ++i) {
        const uint64_t candidate = sampler.at(i);
        const uint64_t day = candidate / sequences;
        const char* date = dates.single;
        if (!options.hasBirth) {
            writeDateText(dateText, dateOfDayNumber(dates.firstDay + static_cast<long long>(day)));
            date = dateText;
        }
        // Six-digit codes and digit dates: a check character always exists.
        assembleNumber(number, regionCode, date, sequenceAt(candidate % sequences, options.sex));
        session.out.write(number, numberLength);
        session.out.put('\n');
    }
    return exitSuccess;
}
