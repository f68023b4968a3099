// Lookups in the history of region codes. The records are sorted by code and
// first year, so a code's records are found by binary search; everything else
// reads a handful of entries. Nothing allocates: the now lookup keeps its work
// list on the stack, sized by the generated data's own check.
#include "core/region_history.h"

#include <algorithm>

#include "core/region_history_data.h"
#include "core/region_tables.h"

// The one reader of the records' fields.
struct HistoryTables {
    static int32_t code(const HistoryRecord& record) { return record.code_; }
    static int firstYear(const HistoryRecord& record) { return record.firstYear_; }
    static int untilYear(const HistoryRecord& record) { return record.untilYear_; }
    static int nameText(const HistoryRecord& record) { return record.nameText_; }
    static int provinceText(const HistoryRecord& record) { return record.provinceText_; }
    static int prefectureText(const HistoryRecord& record) { return record.prefectureText_; }
    static HistorySuccessors successors(const HistoryRecord& record) {
        const HistorySuccessor* first = historySuccessors + record.firstSuccessor_;
        return {first, first + record.successorCount_};
    }
    static int record(const HistorySuccessor& successor) { return successor.record_; }
    static int handOverYear(const HistorySuccessor& successor) { return successor.handOverYear_; }
};

int32_t codeOf(const HistoryRecord& record) { return HistoryTables::code(record); }
int firstYearOf(const HistoryRecord& record) { return HistoryTables::firstYear(record); }
int untilYearOf(const HistoryRecord& record) { return HistoryTables::untilYear(record); }

HistoryRecords allHistoryRecords() {
    return {historyRecords, historyRecords + historyRecordCount};
}

HistoryRecords recordsOfCode(int32_t code) {
    const HistoryRecords all = allHistoryRecords();
    const HistoryRecord* first = std::lower_bound(
        all.first, all.last, code, [](const HistoryRecord& record, int32_t key) { return codeOf(record) < key; });
    const HistoryRecord* last = first;
    while (last != all.last && codeOf(*last) == code) ++last;
    return {first, last};
}

bool stillInUse(const HistoryRecord& record) { return untilYearOf(record) == 0; }

bool inUseIn(const HistoryRecord& record, int year) {
    return firstYearOf(record) <= year && (stillInUse(record) || year < untilYearOf(record));
}

const HistoryRecord* recordInYear(int32_t code, int year) {
    for (const HistoryRecord& record : recordsOfCode(code)) {
        if (inUseIn(record, year)) return &record;
    }
    return nullptr;
}

const HistoryRecord* latestRecord(int32_t code) {
    const HistoryRecords records = recordsOfCode(code);
    return records.empty() ? nullptr : records.last - 1;
}

RegionLevel levelOf(const HistoryRecord& record) {
    // The generator checks that every record's level follows from its code.
    const int32_t code = codeOf(record);
    if (code % 10000 == 0) return RegionLevel::province;
    return code % 100 == 0 ? RegionLevel::prefecture : RegionLevel::county;
}

static const char* poolText(int index) { return historyTexts + historyTextOffsets[index]; }

const char* nameOf(const HistoryRecord& record) { return poolText(HistoryTables::nameText(record)); }

const char* provinceOf(const HistoryRecord& record) { return poolText(HistoryTables::provinceText(record)); }

const char* prefectureOf(const HistoryRecord& record) { return poolText(HistoryTables::prefectureText(record)); }

HistorySuccessors successorsOf(const HistoryRecord& record) {
    return HistoryTables::successors(record);
}

const HistoryRecord& successorRecord(const HistorySuccessor& successor) {
    return historyRecords[HistoryTables::record(successor)];
}

int32_t successorCode(const HistorySuccessor& successor) { return codeOf(successorRecord(successor)); }

const HistoryRecord& continuedRecord(const HistoryRecord& record) {
    const HistoryRecord* current = &record;
    const HistoryRecord* const end = historyRecords + historyRecordCount;
    for (const HistoryRecord* next = current + 1;
         next != end && codeOf(*next) == codeOf(*current) && !stillInUse(*current) &&
         firstYearOf(*next) == untilYearOf(*current);
         ++next)
        current = next;
    return *current;
}

int handOverYear(const HistoryRecord& from, const HistorySuccessor& successor) {
    const int year = HistoryTables::handOverYear(successor);
    return year != 0 ? year : untilYearOf(from);
}

// Whether the built-in 2009 tables hold the code as a county-level record: any
// record of a municipality, or a province's record that is not city-level.
static bool inTables2009(int32_t code) {
    const ProvinceUnit* unit = findUnit(code / 10000);
    if (unit == nullptr) return false;
    if (unit->kind == UnitKind::municipality) {
        const MunicipalTable& table = *unit->municipalTable;
        return findByCode(table, code) < table.count;
    }
    const ProvinceTable& table = *unit->provinceTable;
    const int found = findByCode(table, code);
    return found < table.count && !isCityLevel(table.records[found]);
}

CodeStatus codeStatus(int32_t code) {
    if (inTables2009(code)) return CodeStatus::listed2009;
    const HistoryRecord* latest = latestRecord(code);
    if (latest == nullptr) return CodeStatus::unknown;
    return stillInUse(*latest) ? CodeStatus::inUse : CodeStatus::abolished;
}

const char* codeStatusName(CodeStatus status) {
    switch (status) {
        case CodeStatus::listed2009: return "2009";
        case CodeStatus::inUse: return "in_use";
        case CodeStatus::abolished: return "abolished";
        case CodeStatus::unknown: break;
    }
    return "unknown";
}

static int indexOfRecord(const HistoryRecord& record) { return static_cast<int>(&record - historyRecords); }

// Adds a code to the ascending list unless it is there; a full list (which the
// generated data rules out) keeps what it has.
static void addCode(int32_t (&codes)[maxNowCodes], int& count, int32_t code) {
    int position = 0;
    while (position < count && codes[position] < code) ++position;
    if ((position < count && codes[position] == code) || count == maxNowCodes) return;
    for (int i = count; i > position; --i) codes[i] = codes[i - 1];
    codes[position] = code;
    ++count;
}

int nowCodesOfRecord(const HistoryRecord& from, int32_t (&codes)[maxNowCodes]) {
    if (stillInUse(from)) return 0;
    // Breadth first over records; the work list doubles as the set of records
    // already reached, so each is followed once and cycles end.
    int reached[nowSearchCapacity];
    int reachedCount = 0;
    reached[reachedCount++] = indexOfRecord(from);
    int count = 0;
    for (int position = 0; position < reachedCount; ++position) {
        const HistoryRecord& record = historyRecords[reached[position]];
        if (position > 0 && stillInUse(record)) {
            addCode(codes, count, codeOf(record));
            continue;
        }
        for (const HistorySuccessor& successor : successorsOf(record)) {
            int* const end = reached + reachedCount;
            const int next = HistoryTables::record(successor);
            if (std::find(reached, end, next) == end && reachedCount < nowSearchCapacity) reached[reachedCount++] = next;
        }
    }
    return count;
}

int nowCodes(int32_t code, int32_t (&codes)[maxNowCodes]) {
    const HistoryRecord* latest = latestRecord(code);
    return latest != nullptr ? nowCodesOfRecord(*latest, codes) : 0;
}

bool inUseAtBirth(int32_t code, int birthYear) {
    return recordInYear(code, std::max(birthYear, firstListedYear)) != nullptr;
}

InUseAtBirthSpan inUseAtBirthSpan(int32_t code, int birthYear) {
    // Years before the first list take the first list's answer, and a
    // record still in use counts for every later year, so only the listed
    // years can change the answer; the search stays within them.
    constexpr int earliestYear = 0;
    constexpr int latestYear = 9999;
    const int year = std::min(std::max(birthYear, firstListedYear), lastListedYear + 1);
    const bool inUse = inUseAtBirth(code, year);
    int first = year;
    while (first > firstListedYear && inUseAtBirth(code, first - 1) == inUse) --first;
    int last = year;
    while (last <= lastListedYear && inUseAtBirth(code, last + 1) == inUse) ++last;
    if (first == firstListedYear) first = earliestYear;
    if (last == lastListedYear + 1) last = latestYear;
    if (birthYear < earliestYear || birthYear > latestYear) first = last = birthYear;
    return InUseAtBirthSpan{inUse, first, last};
}

int successorCodesOf(const HistoryRecord& record, const HistoryRecord* (&successors)[maxSuccessorCodes]) {
    const HistorySuccessors all = successorsOf(record);
    int count = 0;
    for (const HistorySuccessor* successor = all.begin(); successor != all.end(); ++successor) {
        bool listed = false;
        for (const HistorySuccessor* earlier = all.begin(); earlier != successor && !listed; ++earlier)
            listed = successorCode(*earlier) == successorCode(*successor);
        if (listed || count == maxSuccessorCodes) continue;
        successors[count++] = &continuedRecord(successorRecord(*successor));
    }
    return count;
}

int successorCodesOfCode(int32_t code, const HistoryRecord* (&successors)[maxSuccessorCodes]) {
    const HistoryRecord* latest = latestRecord(code);
    if (latest == nullptr || stillInUse(*latest)) return 0;
    return successorCodesOf(*latest, successors);
}
