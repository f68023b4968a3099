// What a region code was from 1981 to 2024: the built-in history of every
// county-level-and-above code in the end-of-year lists of those years
// (data/region-history.tsv, generated into core/region_history_data.cpp).
//
// A code has one to three records (renamed, moved to another prefecture, or
// reused for another place); their years never overlap. Every lookup is pure
// and allocates nothing; texts are UTF-8.
#ifndef CORE_REGION_HISTORY_H
#define CORE_REGION_HISTORY_H

#include <cstddef>
#include <cstdint>

#include "core/text_encoding.h"

// The years of the end-of-year lists. A year before the first has no list of
// its own; the latest list says which records are still in use.
constexpr int firstListedYear = 1981;
constexpr int lastListedYear = 2024;

enum class RegionLevel { province, prefecture, county };

// One name and place of a code, in use in the years firstYearOf(record) <= y
// < untilYearOf(record). Its fields are indexes into the generated tables,
// read only by the functions below.
class HistoryRecord {
public:
    constexpr HistoryRecord(int32_t code, int16_t firstYear, int16_t untilYear, uint16_t nameText,
                            uint16_t prefectureText, uint16_t firstSuccessor, uint8_t successorCount,
                            uint8_t provinceText)
        : code_(code),
          firstYear_(firstYear),
          untilYear_(untilYear),
          nameText_(nameText),
          prefectureText_(prefectureText),
          firstSuccessor_(firstSuccessor),
          successorCount_(successorCount),
          provinceText_(provinceText) {}

private:
    friend struct HistoryTables;
    int32_t code_;
    int16_t firstYear_;
    int16_t untilYear_;         // 0 while in use (still in the latest list)
    uint16_t nameText_;         // text pool index
    uint16_t prefectureText_;   // text pool index
    uint16_t firstSuccessor_;   // index of its first successor
    uint8_t successorCount_;
    uint8_t provinceText_;      // text pool index; provinces come first in the pool
};

// A code that took over a record's area, or part of it: the successor's record
// that was in use in the hand-over year, and that year when it is not the
// year the record ended.
class HistorySuccessor {
public:
    constexpr HistorySuccessor(uint16_t record, int16_t handOverYear) : record_(record), handOverYear_(handOverYear) {}

private:
    friend struct HistoryTables;
    uint16_t record_;       // index of the successor's record
    int16_t handOverYear_;  // 0: when the record ended
};

// A run of consecutive table entries, usable in a range-for.
template <typename Entry>
struct TableRange {
    const Entry* first;
    const Entry* last;
    const Entry* begin() const { return first; }
    const Entry* end() const { return last; }
    bool empty() const { return first == last; }
    std::size_t size() const { return static_cast<std::size_t>(last - first); }
};
using HistoryRecords = TableRange<HistoryRecord>;
using HistorySuccessors = TableRange<HistorySuccessor>;

// Every record, in ascending code and, within a code, in time order. The
// codes in use in a year are the codes of the records with inUseIn(record,
// year), each once, in ascending order.
HistoryRecords allHistoryRecords();

// The records of a code in time order; empty when no record has the code.
HistoryRecords recordsOfCode(int32_t code);

// The code's record in use in the year, or null.
const HistoryRecord* recordInYear(int32_t code, int year);

// The code's latest record, or null when no record has the code.
const HistoryRecord* latestRecord(int32_t code);

int32_t codeOf(const HistoryRecord& record);
// The first year of the record, and the year it ended (0 while in use).
int firstYearOf(const HistoryRecord& record);
int untilYearOf(const HistoryRecord& record);

// Still in use: in the latest list, with no end year.
bool stillInUse(const HistoryRecord& record);

// firstYear <= year < untilYear; a record still in use counts for any later year.
bool inUseIn(const HistoryRecord& record, int year);

RegionLevel levelOf(const HistoryRecord& record);

const char* nameOf(const HistoryRecord& record);
// The province-level unit the record belonged to.
const char* provinceOf(const HistoryRecord& record);
// A county's prefecture ("直辖" when directly under its province or
// municipality), a prefecture's own name, empty for a province.
const char* prefectureOf(const HistoryRecord& record);

// The codes that took over the area when the record ended; for a record still
// in use, codes that took over part of it. A code may appear twice with
// different hand-over years. Often empty.
HistorySuccessors successorsOf(const HistoryRecord& record);

// The successor's record that was in use in the hand-over year.
const HistoryRecord& successorRecord(const HistorySuccessor& successor);
int32_t successorCode(const HistorySuccessor& successor);
// The record that `record` went on as, under the same code: the last of the
// records that follow it without a gap in years (a renaming or a move to
// another prefecture), or `record` itself. A record of the code that starts
// after a gap is another place that reused the code, and is not followed.
const HistoryRecord& continuedRecord(const HistoryRecord& record);

// The year the successor took over: its own year if it has one, else the year
// the record ended (0 for a record still in use).
int handOverYear(const HistoryRecord& from, const HistorySuccessor& successor);

// The most codes that took over one record's area (each once).
constexpr int maxSuccessorCodes = 16;

// The codes that took over the area when `record` ended, each once (a code
// handed over in two steps is listed at its first hand-over), each as the
// record it went on as (continuedRecord of its successor's record). Returns
// how many were written. For a record still in use: the codes that took
// over part of it.
int successorCodesOf(const HistoryRecord& record, const HistoryRecord* (&successors)[maxSuccessorCodes]);

// The same for a code: the successors of its latest record once that has
// ended; 0 while the code is in use or when no record has it.
int successorCodesOfCode(int32_t code, const HistoryRecord* (&successors)[maxSuccessorCodes]);

// How a code stands for a checked number.
enum class CodeStatus {
    listed2009,  // a county-level record of the built-in 2009 tables has it
    inUse,       // the history has it in use in the latest list
    abolished,   // its latest record has ended
    unknown,     // no record has it
};
CodeStatus codeStatus(int32_t code);
// "2009", "in_use", "abolished" or "unknown".
const char* codeStatusName(CodeStatus status);

// The most codes the now lookups give for any code in the history (510222
// 巴县, abolished 1994, whose area is now seven districts of 重庆).
constexpr int maxNowCodes = 7;

// The codes in use now that a record's area went to: successors are followed,
// each to its record in use in the hand-over year, until records still in use
// are reached. Each code once, in ascending order; a record reached twice is
// not followed again, so cycles end. Returns the number of codes written;
// 0 when the record is still in use or its successors lead nowhere.
int nowCodesOfRecord(const HistoryRecord& from, int32_t (&codes)[maxNowCodes]);

// The same from a code's latest record; 0 when the code is still in use, or
// no record has it.
int nowCodes(int32_t code, int32_t (&codes)[maxNowCodes]);

// Whether a record of the code was in use in the birth year. A year before
// the first list is answered by the first list.
bool inUseAtBirth(int32_t code, int birthYear);

// inUseAtBirth's answer for a birth year, and every birth year from
// `firstYear` to `lastYear` (both included, within 0 to 9999) that has the
// same answer, so that a cache of answers per code knows when to ask again.
struct InUseAtBirthSpan {
    bool inUse;
    int firstYear;
    int lastYear;
};
InUseAtBirthSpan inUseAtBirthSpan(int32_t code, int birthYear);

#endif
