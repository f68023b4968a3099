#!/usr/bin/env python3
"""Writes core/region_data.cpp, the built-in region tables, from the list of
region codes in data/regions-2009.tsv.

Usage:
  generate_tables.py TSV CPP           write CPP from TSV
  generate_tables.py --check TSV CPP   exit 1 if CPP is not what TSV gives

The TSV is UTF-8, one record per line: unitCode<TAB>code<TAB>name, the four
municipal tables first (11, 12, 31, 50), then the 27 province tables in
ascending unit code, each in table order. Names are kept byte for byte,
leading spaces and ideographic spaces included.

Each name is written once, as a UTF-8 string literal (the program's texts
are UTF-8; a face that needs GBK converts them where they leave). Every name
must also have a GBK form, for the faces that write or count GBK, and fit its
field in UTF-8.
"""

import sys

import generated_source

# unitCode, list label, full name, identifier stem. Kind follows from the
# position: the first four are the municipalities.
MUNICIPALITIES = [
    (11, "北京", "北京市", "beijing"),
    (12, "天津", "天津市", "tianjin"),
    (31, "上海", "上海市", "shanghai"),
    (50, "重庆", "重庆市", "chongqing"),
]
PROVINCES = [
    (13, "河北省", "hebei"),
    (14, "山西省", "shanxi"),
    (15, "内蒙古自治区", "innerMongolia"),
    (21, "辽宁省", "liaoning"),
    (22, "吉林省", "jilin"),
    (23, "黑龙江省", "heilongjiang"),
    (32, "江苏省", "jiangsu"),
    (33, "浙江省", "zhejiang"),
    (34, "安徽省", "anhui"),
    (35, "福建省", "fujian"),
    (36, "江西省", "jiangxi"),
    (37, "山东省", "shandong"),
    (41, "河南省", "henan"),
    (42, "湖北省", "hubei"),
    (43, "湖南省", "hunan"),
    (44, "广东省", "guangdong"),
    (45, "广西壮族自治区", "guangxi"),
    (46, "海南省", "hainan"),
    (51, "四川省", "sichuan"),
    (52, "贵州省", "guizhou"),
    (53, "云南省", "yunnan"),
    (54, "西藏自治区", "tibet"),
    (61, "陕西省", "shaanxi"),
    (62, "甘肃省", "gansu"),
    (63, "青海省", "qinghai"),
    (64, "宁夏回族自治区", "ningxia"),
    (65, "新疆维吾尔自治区", "xinjiang"),
]

# Field sizes of MunicipalEntry::name and DivisionEntry::name.
MUNICIPAL_NAME_SIZE = 256
DIVISION_NAME_SIZE = 52



class DataError(Exception):
    pass


def read_rows(tsv_path):
    """Returns {unitCode: [(code, name), ...]} and the unit order of the file."""
    tables = {}
    order = []
    with open(tsv_path, encoding="utf-8", newline="") as tsv:
        for line_number, line in enumerate(tsv, 1):
            if not line.endswith("\n"):
                raise DataError(f"{tsv_path}:{line_number}: line does not end in LF")
            fields = line[:-1].split("\t")
            if len(fields) != 3:
                raise DataError(f"{tsv_path}:{line_number}: expected 3 TAB-separated fields")
            unit_text, code_text, name = fields
            if not (unit_text.isdigit() and code_text.isdigit() and len(code_text) == 6):
                raise DataError(f"{tsv_path}:{line_number}: bad unit code or region code")
            unit, code = int(unit_text), int(code_text)
            if code // 10000 != unit:
                raise DataError(f"{tsv_path}:{line_number}: code {code} is not in unit {unit}")
            if unit not in tables:
                tables[unit] = []
                order.append(unit)
            elif order[-1] != unit:
                raise DataError(f"{tsv_path}:{line_number}: rows of unit {unit} are not together")
            tables[unit].append((code, name))
    return tables, order


def check_tables(tables, order):
    expected_order = [u[0] for u in MUNICIPALITIES] + [p[0] for p in PROVINCES]
    if order != expected_order:
        raise DataError(f"units in order {order}, expected {expected_order}")
    municipal_units = {u[0] for u in MUNICIPALITIES}
    for unit, records in tables.items():
        size = MUNICIPAL_NAME_SIZE if unit in municipal_units else DIVISION_NAME_SIZE
        previous = -1
        for code, name in records:
            if code <= previous:
                raise DataError(f"unit {unit}: code {code} does not ascend")
            previous = code
            if unit in municipal_units and code % 100 == 0:
                raise DataError(f"unit {unit}: municipal table holds {code}")
            try:
                name.encode("gbk")
            except UnicodeEncodeError as error:
                raise DataError(f"{code}: name has no GBK form: {error}") from None
            encoded = name.encode("utf-8")
            if not encoded or b"\0" in encoded or len(encoded) + 1 > size:
                raise DataError(f"{code}: name is empty or does not fit {size} bytes")
        if unit not in municipal_units and records[0][0] % 100 != 0:
            raise DataError(f"unit {unit}: first record is not city-level")


def c_literal(text):
    """A string literal of the text in UTF-8 (generated_source.text_literal)."""
    return generated_source.text_literal(text)


def render(tables):
    out = []
    emit = out.append
    emit("// GENERATED FILE - DO NOT EDIT.")
    emit("// Written by scripts/generate_region_tables.py from data/regions-2009.tsv;")
    emit("// to change a row, edit the TSV and run")
    emit("//   python3 scripts/generate_region_tables.py data/regions-2009.tsv core/region_data.cpp")
    emit("//")
    emit("// Names are UTF-8, each written once. Every object is constexpr:")
    emit("// constant-initialised read-only data that needs no code at start-up.")
    emit("")
    emit('#include <cstddef>')
    emit("")
    emit('#include "core/region_tables.h"')
    emit("")
    emit("// A table's record count is its array's length, so the two cannot disagree.")
    emit("template <typename Entry, std::size_t length>")
    emit("static constexpr int recordCount(const Entry (&)[length]) {")
    emit("    return static_cast<int>(length);")
    emit("}")
    emit("")

    def emit_records(entry_type, stem, records):
        emit(f"static constexpr {entry_type} {stem}Records[] = {{")
        for code, name in records:
            emit(f"    {{{code}, {c_literal(name)}}},")
        emit("};")

    def emit_table(table_type, stem):
        emit(f"static constexpr {table_type} {stem}Table = {{{stem}Records, recordCount({stem}Records)}};")

    for unit, label, full_name, stem in MUNICIPALITIES:
        records = tables[unit]
        emit(f"// {unit} {label}: {len(records)} districts and counties")
        emit_records("MunicipalEntry", stem, records)
        emit_table("MunicipalTable", stem)
        emit("")

    for unit, label, stem in PROVINCES:
        records = tables[unit]
        city_level = sum(1 for code, _ in records if code % 100 == 0)
        emit(f"// {unit} {label}: {len(records)} records, {city_level} city-level")
        emit_records("DivisionEntry", stem, records)
        emit_table("ProvinceTable", stem)
        emit("")

    picker_index = {}
    for index, (unit, *_rest) in enumerate(MUNICIPALITIES):
        picker_index[unit] = index
    for index, (unit, *_rest) in enumerate(PROVINCES):
        picker_index[unit] = index

    units = []
    for unit, label, full_name, stem in MUNICIPALITIES:
        units.append((unit, label, full_name, "municipality", f"&{stem}Table", "nullptr"))
    for unit, label, stem in PROVINCES:
        units.append((unit, label, label, "province", "nullptr", f"&{stem}Table"))
    units.sort()

    emit("// The 31 units in ascending unit code. pickerIndex is the position in the")
    emit("// municipality list (kind municipality) or the province list (kind province).")
    emit("constexpr ProvinceUnit provinceUnits[unitCount] = {")
    for unit, label, full_name, kind, municipal, province in units:
        emit(f"    {{{unit}, {c_literal(label)}, {c_literal(full_name)}, UnitKind::{kind}, {municipal}, {province}, "
             f"{picker_index[unit]}}},")
    emit("};")
    return "\n".join(out) + "\n"


def generate(tsv_path):
    tables, order = read_rows(tsv_path)
    check_tables(tables, order)
    return render(tables)


def main(argv):
    return generated_source.run(argv, __doc__, generate, (DataError, OSError))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
