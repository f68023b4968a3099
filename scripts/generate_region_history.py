#!/usr/bin/env python3
"""Writes core/region_history_data.cpp, the built-in history of region codes,
from data/region-history.tsv.

Usage:
  generate_region_history.py TSV CPP           write CPP from TSV
  generate_region_history.py --check TSV CPP   exit 1 if CPP is not what TSV gives

The TSV is UTF-8 with one header line and nine TAB-separated fields per record:
code, province, prefecture, name, level, status, first_year, until_year,
successors (codes separated by ';', each with an optional hand-over year in
brackets, 110101[2010]). A record was in use in first_year <= y < until_year;
until_year is empty while it is in use.

The tables (types in core/region_history.h):
- the records, sorted by code and first year;
- the successors, one run per record; each names the successor's record that
  was in use in the hand-over year (the bracketed year, else the year the
  record ended), so lookups follow the place even where a code was reused;
- every text once, in one pool of UTF-8 string literals (every text must also
  have a GBK form, for the faces that write GBK), with the province names
  first so a byte indexes them.

It also works out, as the lookups in core/region_history.cpp do, how many
codes the now lookup gives at most and how many records one lookup reaches,
and writes static_asserts that the header's constants hold them.
"""

import collections
import re
import sys

import generated_source

HEADER = ["code", "province", "prefecture", "name", "level", "status",
          "first_year", "until_year", "successors"]
FIRST_LISTED_YEAR = 1981
LAST_LISTED_YEAR = 2024
LEVELS = ("province", "prefecture", "county")
SUCCESSOR = re.compile(r"(\d{6})(?:\[(\d{4})\])?")



class DataError(Exception):
    pass


class Record:
    def __init__(self, code, province, prefecture, name, level, status,
                 first_year, until_year, successors):
        self.code = code
        self.province = province
        self.prefecture = prefecture
        self.name = name
        self.level = level
        self.status = status
        self.first_year = first_year
        self.until_year = until_year          # None while in use
        self.successors = successors          # [(code, hand-over year or None)]
        self.resolved = []                    # [(record index, hand-over year or None)]

    def in_use_in(self, year):
        return self.first_year <= year and (self.until_year is None or year < self.until_year)


def level_of_code(code):
    if code % 10000 == 0:
        return "province"
    return "prefecture" if code % 100 == 0 else "county"


def parse_year(text, where):
    if not (len(text) == 4 and text.isdigit()):
        raise DataError(f"{where}: bad year {text!r}")
    year = int(text)
    if not FIRST_LISTED_YEAR <= year <= LAST_LISTED_YEAR:
        raise DataError(f"{where}: year {year} is outside the lists")
    return year


def read_records(tsv_path):
    records = []
    with open(tsv_path, encoding="utf-8", newline="") as tsv:
        for line_number, line in enumerate(tsv, 1):
            where = f"{tsv_path}:{line_number}"
            if not line.endswith("\n"):
                raise DataError(f"{where}: line does not end in LF")
            fields = line[:-1].split("\t")
            if line_number == 1:
                if fields != HEADER:
                    raise DataError(f"{where}: header is not {HEADER}")
                continue
            if len(fields) != len(HEADER):
                raise DataError(f"{where}: expected {len(HEADER)} TAB-separated fields")
            (code_text, province, prefecture, name, level, status,
             first_text, until_text, successor_text) = fields
            if not (len(code_text) == 6 and code_text.isdigit()):
                raise DataError(f"{where}: bad code {code_text!r}")
            code = int(code_text)
            if level not in LEVELS or level != level_of_code(code):
                raise DataError(f"{where}: level {level!r} does not fit code {code}")
            first_year = parse_year(first_text, where)
            until_year = parse_year(until_text, where) if until_text else None
            if until_year is not None and until_year <= first_year:
                raise DataError(f"{where}: ends before it starts")
            if (status == "in_use") != (until_year is None) or status not in ("in_use", "abolished", "changed"):
                raise DataError(f"{where}: status {status!r} does not fit until_year {until_text!r}")
            if not name or not province or (not prefecture) != (level == "province"):
                raise DataError(f"{where}: empty name, province or prefecture")
            successors = []
            for entry in successor_text.split(";") if successor_text else []:
                match = SUCCESSOR.fullmatch(entry)
                if not match:
                    raise DataError(f"{where}: bad successor {entry!r}")
                year = parse_year(match.group(2), where) if match.group(2) else None
                if year is not None and not (first_year <= year and (until_year is None or year < until_year)):
                    raise DataError(f"{where}: hand-over year {year} is outside the record's years")
                if year is None and until_year is None:
                    raise DataError(f"{where}: a record in use hands over without a year")
                successors.append((int(match.group(1)), year))
            records.append(Record(code, province, prefecture, name, level, status,
                                  first_year, until_year, successors))
    return records


def check_and_link(records):
    """Sorts the records, checks that a code's records do not overlap, and
    resolves every successor to the record in use in its hand-over year."""
    records.sort(key=lambda record: (record.code, record.first_year))
    by_code = collections.defaultdict(list)
    for index, record in enumerate(records):
        by_code[record.code].append(index)
    for code, indexes in by_code.items():
        for earlier, later in zip(indexes, indexes[1:]):
            if records[earlier].until_year is None or records[earlier].until_year > records[later].first_year:
                raise DataError(f"{code}: records overlap")
    for record in records:
        for code, year in record.successors:
            hand_over = year if year is not None else record.until_year
            matches = [i for i in by_code.get(code, []) if records[i].in_use_in(hand_over)]
            if len(matches) != 1:
                raise DataError(f"{record.code} {record.name}: successor {code} has no record in use in {hand_over}")
            record.resolved.append((matches[0], year))
    return by_code


def now_search(records, start):
    """The lookup of core/region_history.cpp: (codes in use now, records reached)."""
    if records[start].until_year is None:
        return [], 1
    reached = [start]
    codes = []
    position = 0
    while position < len(reached):
        record = records[reached[position]]
        if position > 0 and record.until_year is None:
            codes.append(record.code)
        else:
            for index, _year in record.resolved:
                if index not in reached:
                    reached.append(index)
        position += 1
    return sorted(codes), len(reached)


def now_limits(records):
    """(most codes from any record, its record, most records reached by one lookup)."""
    most_codes, widest, most_reached = 0, 0, 0
    for index in range(len(records)):
        codes, reached = now_search(records, index)
        if len(codes) > most_codes:
            most_codes, widest = len(codes), index
        most_reached = max(most_reached, reached)
    return most_codes, widest, most_reached


def build_text_pool(records):
    """Every text once, provinces first; returns (texts, {text: index})."""
    texts = []
    index_of = {}

    def add(text):
        if text not in index_of:
            index_of[text] = len(texts)
            texts.append(text)

    for record in records:
        add(record.province)
    province_count = len(texts)
    if province_count > 256:
        raise DataError(f"{province_count} province names do not fit a byte")
    for record in records:
        add(record.name)
        add(record.prefecture)
    for text in texts:
        try:
            text.encode("gbk")
        except UnicodeEncodeError as error:
            raise DataError(f"{text!r} has no GBK form: {error}") from None
        if "\0" in text:
            raise DataError(f"{text!r} holds a NUL")
    return texts, index_of


def comment_text(text):
    return text.replace("*/", "*\\/").replace("\n", " ")


def year_text(year):
    return str(year) if year is not None else "0"


def render(records, texts, index_of, limits):
    most_codes, widest, most_reached = limits
    successor_count = sum(len(record.resolved) for record in records)
    if len(records) > 0xFFFF or successor_count > 0xFFFF or len(texts) > 0xFFFF:
        raise DataError("a table outgrows its 16-bit indexes")
    out = []
    emit = out.append
    emit("// GENERATED FILE - DO NOT EDIT.")
    emit("// Written by scripts/generate_region_history.py from data/region-history.tsv;")
    emit("// to change a record, edit the TSV and run")
    emit("//   python3 scripts/generate_region_history.py data/region-history.tsv core/region_history_data.cpp")
    emit("//")
    emit("// Every object is constexpr: constant-initialised read-only data that needs")
    emit("// no code at start-up and holds no pointer.")
    emit("")
    emit("#include <cstdint>")
    emit("")
    emit('#include "core/region_history_data.h"')
    emit("")
    widest_record = records[widest]
    emit(f"// The most codes a now lookup gives: {most_codes}, from {widest_record.code} "
         f"{comment_text(widest_record.name)}.")
    emit(f'static_assert(maxNowCodes == {most_codes}, "set maxNowCodes in core/region_history.h to {most_codes}");')
    emit(f"// The most records one now lookup reaches: {most_reached}.")
    emit(f'static_assert(nowSearchCapacity >= {most_reached}, "raise nowSearchCapacity in core/region_history_data.h");')
    emit("")

    emit(f"constexpr int historyRecordCount = {len(records)};")
    emit("")
    emit("// code, first year, until year (0: in use), name, prefecture, first successor,")
    emit("// successor count, province")
    emit("constexpr HistoryRecord historyRecords[historyRecordCount] = {")
    first_successor = 0
    for record in records:
        emit(f"    {{{record.code}, {record.first_year}, {year_text(record.until_year)}, "
             f"{index_of[record.name]}, {index_of[record.prefecture]}, "
             f"{first_successor}, {len(record.resolved)}, {index_of[record.province]}}},"
             f"  // {comment_text(record.name)}")
        first_successor += len(record.resolved)
    emit("};")
    emit("")

    emit("// Record index of the successor, hand-over year (0: when the record ended);")
    emit("// one line per record that has successors.")
    emit(f"constexpr HistorySuccessor historySuccessors[{max(successor_count, 1)}] = {{")
    for record in records:
        if not record.resolved:
            continue
        entries = " ".join(f"{{{index}, {year_text(year)}}}," for index, year in record.resolved)
        names = " ".join(
            f"{records[index].code}" + (f"[{year}]" if year is not None else "")
            for index, year in record.resolved)
        emit(f"    {entries}  // {record.code} {comment_text(record.name)} -> {names}")
    if successor_count == 0:
        emit("    {0, 0},")
    emit("};")
    emit("")

    offsets = []
    offset = 0
    for text in texts:
        offsets.append(offset)
        offset += len(text.encode("utf-8")) + 1
    if offset > 0xFFFF:
        raise DataError("the text pool outgrows its 16-bit offsets")
    emit(f"// {len(texts)} texts in UTF-8, each once: the {len(set(r.province for r in records))} "
         "province names first.")
    emit(f"constexpr uint16_t historyTextOffsets[{len(texts)}] = {{")
    for start in range(0, len(offsets), 12):
        emit("    " + " ".join(f"{value}," for value in offsets[start:start + 12]))
    emit("};")
    emit(f"constexpr char historyTexts[{offset + 1}] =")
    for index, text in enumerate(texts):
        emit(f"    {generated_source.text_literal(text)} \"\\0\"  // {index}")
    emit("    ;")
    emit("")
    return "\n".join(out) + "\n"


def generate(tsv_path):
    records = read_records(tsv_path)
    check_and_link(records)
    texts, index_of = build_text_pool(records)
    return render(records, texts, index_of, now_limits(records))


def main(argv):
    return generated_source.run(argv, __doc__, generate, (DataError, OSError))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
