#!/usr/bin/env python3
"""Writes core/scan_region_data.cpp, the region codes a resident's number
found in text may carry: every code of the 2009 tables
(data/regions-2009.tsv) and every code of the history of 1981-2024
(data/region-history.tsv), in ascending order, without the residence
permits' 810000, 820000 and 830000 (numbers of their own kind) and without
codes beginning with 9 (the foreigner's card).

Usage:
  generate_scan_regions.py REGIONS_TSV HISTORY_TSV CPP           write CPP
  generate_scan_regions.py --check REGIONS_TSV HISTORY_TSV CPP   exit 1 if CPP is not what the TSVs give

The scanner finds a code by binary search, and a pseudonym draws one by its
position (core/scan_regions.h).
"""

import sys

import generated_source

PERMIT_CODES = {810000, 820000, 830000}


def read_codes(regions_path, history_path):
    codes = set()
    with open(regions_path, encoding="utf-8") as regions:
        for number, line in enumerate(regions, 1):
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 3 or len(fields[1]) != 6 or not fields[1].isdigit():
                raise ValueError(f"{regions_path}:{number}: not unitCode<TAB>code<TAB>name")
            codes.add(int(fields[1]))
    with open(history_path, encoding="utf-8") as history:
        for number, line in enumerate(history, 1):
            code = line.split("\t", 1)[0]
            if number == 1:
                if code != "code":
                    raise ValueError(f"{history_path}: no header line")
                continue
            if len(code) != 6 or not code.isdigit():
                raise ValueError(f"{history_path}:{number}: no six-digit code")
            codes.add(int(code))
    return sorted(code for code in codes if code not in PERMIT_CODES and code // 100000 != 9)


def render(codes):
    out = ["// GENERATED FILE - DO NOT EDIT.\n",
           "// Written by scripts/generate_scan_regions.py from data/regions-2009.tsv and\n",
           "// data/region-history.tsv; run\n",
           "//   python3 scripts/generate_scan_regions.py data/regions-2009.tsv data/region-history.tsv "
           "core/scan_region_data.cpp\n",
           "// to write it again.\n\n",
           '#include "core/scan_regions.h"\n\n',
           f"static_assert(residentRegionCount == {len(codes)}, \"set residentRegionCount in core/scan_regions.h\");\n\n",
           "// Ascending.\n",
           "constexpr int32_t residentRegionCodes[residentRegionCount] = {\n"]
    for start in range(0, len(codes), 10):
        out.append("    " + ", ".join(str(code) for code in codes[start:start + 10]) + ",\n")
    out.append("};\n")
    return "".join(out)


if __name__ == "__main__":
    sys.exit(generated_source.run(sys.argv, __doc__, lambda regions, history: render(read_codes(regions, history)),
                                  (ValueError, OSError), data_files=2))
