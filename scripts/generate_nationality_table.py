#!/usr/bin/env python3
"""The nationality table of the foreigner's permanent residence card: ISO
3166-1 numeric codes and their names in Chinese.

Usage:
  generate_nationality_table.py import TSV          write TSV from Debian's iso-codes
  generate_nationality_table.py import --check TSV  exit 1 if TSV is not what iso-codes gives
  generate_nationality_table.py TSV CPP             write core/nationality_data.cpp from TSV
  generate_nationality_table.py --check TSV CPP     exit 1 if CPP is not what TSV gives

The TSV (data/iso3166-1-zh_CN.tsv) is UTF-8, LF, a header line, then one
country per line in ascending numeric code: numeric<TAB>alpha_3<TAB>name<TAB>
name_zh_CN. It comes from iso-codes' iso_3166-1.json and the zh_CN
translation of its names (iso_3166-1.mo), both installed by the Debian
package iso-codes. The source holds each Chinese name once, in UTF-8; every
name must also have a GBK form, for idtool's GBK output.
"""

import gettext
import json
import sys

import generated_source

ISO_CODES_JSON = "/usr/share/iso-codes/json/iso_3166-1.json"
LOCALE_DIR = "/usr/share/locale"
HEADER = "numeric\talpha_3\tname\tname_zh_CN\n"


def import_rows():
    with open(ISO_CODES_JSON, encoding="utf-8") as source:
        countries = json.load(source)["3166-1"]
    translation = gettext.translation("iso_3166-1", localedir=LOCALE_DIR, languages=["zh_CN"])
    rows = []
    for country in countries:
        chinese = translation.gettext(country["name"])
        if chinese == country["name"]:
            raise ValueError(f"{country['alpha_3']}: no zh_CN name for {country['name']!r}")
        rows.append((country["numeric"], country["alpha_3"], country["name"], chinese))
    rows.sort()
    return HEADER + "".join("\t".join(row) + "\n" for row in rows)


def read_rows(tsv_path):
    with open(tsv_path, encoding="utf-8", newline="") as source:
        lines = source.read().split("\n")
    if lines[0] + "\n" != HEADER or lines[-1] != "":
        raise ValueError(f"{tsv_path}: not the table's header, or no final line end")
    rows = []
    for number, line in enumerate(lines[1:-1], start=2):
        fields = line.split("\t")
        if len(fields) != 4 or len(fields[0]) != 3 or not fields[0].isdigit() or not fields[3]:
            raise ValueError(f"{tsv_path}:{number}: not numeric, alpha_3, name, name_zh_CN")
        fields[3].encode("gbk")  # every name must have a GBK form too
        rows.append(fields)
    codes = [row[0] for row in rows]
    if codes != sorted(set(codes)):
        raise ValueError(f"{tsv_path}: codes not ascending and distinct")
    return rows


def render(rows):
    out = []
    out.append("// GENERATED FILE - DO NOT EDIT.\n")
    out.append("// Written by scripts/generate_nationality_table.py from data/iso3166-1-zh_CN.tsv\n")
    out.append("// (Debian's iso-codes: ISO 3166-1 and its zh_CN names); run\n")
    out.append("//   python3 scripts/generate_nationality_table.py data/iso3166-1-zh_CN.tsv core/nationality_data.cpp\n")
    out.append("// to write it again.\n\n")
    out.append("#include \"core/nationality.h\"\n\n")
    out.append(f"constexpr int countryCount = {len(rows)};\n\n")
    out.append("// numeric code, alpha-3, name in Chinese (UTF-8)\n")
    out.append("constexpr Country countries[countryCount] = {\n")
    for number, alpha3, name, chinese in rows:
        out.append(f"    {{{int(number)}, \"{alpha3}\", {generated_source.text_literal(chinese)}}},  // {name}\n")
    out.append("};\n")
    return "".join(out)


def main(argv):
    if len(argv) >= 2 and argv[1] == "import":
        check = len(argv) == 4 and argv[2] == "--check"
        if not (check or len(argv) == 3):
            print(__doc__.strip(), file=sys.stderr)
            return 2
        text = import_rows()
        if check:
            with open(argv[-1], encoding="utf-8", newline="") as source:
                if source.read() != text:
                    print(f"{argv[-1]} differs from the installed iso-codes: run "
                          f"python3 scripts/generate_nationality_table.py import {argv[-1]}", file=sys.stderr)
                    return 1
            return 0
        with open(argv[-1], "w", encoding="utf-8", newline="\n") as target:
            target.write(text)
        return 0
    return generated_source.run(argv, __doc__, lambda path: render(read_rows(path)), (ValueError, OSError))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
