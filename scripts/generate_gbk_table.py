#!/usr/bin/env python3
"""Writes core/gbk_table_data.cpp: which two-byte pairs of GBK are assigned
characters, and their Unicode code points, both ways.

Usage:
  generate_gbk_table.py CPP           write CPP
  generate_gbk_table.py --check CPP   exit 1 if CPP is not what this script gives

GBK here is Python's "gbk" codec (code page 936 without the euro sign and
without the user-defined areas): 21791 pairs, lead byte 81-FE, trail byte
40-7E or 80-FE. A pair the codec does not decode (A140, AAA1, D7FA, FEFE ...)
is unassigned: idtool writes it escaped, as it writes bytes that are no text.
The table is written from the codec itself, so the check fails when Python's
idea of GBK ever changes.
"""

import sys

TRAILS = list(range(0x40, 0x7F)) + list(range(0x80, 0xFF))


def generate():
    forward = []
    reverse = []
    for lead in range(0x81, 0xFF):
        for trail in TRAILS:
            try:
                character = bytes([lead, trail]).decode("gbk")
            except UnicodeDecodeError:
                forward.append(0)
                continue
            code_point = ord(character)
            if len(character) != 1 or code_point > 0xFFFF or code_point == 0:
                raise SystemExit(f"{lead:02X}{trail:02X} decodes to {character!r}, not one BMP character")
            forward.append(code_point)
            reverse.append((code_point, lead << 8 | trail))
    reverse.sort()
    # Two pairs of one character would make the reverse table ambiguous.
    for (a, _), (b, _) in zip(reverse, reverse[1:]):
        if a == b:
            raise SystemExit(f"U+{a:04X} has two GBK pairs")

    out = []
    out.append("// GENERATED FILE - DO NOT EDIT.\n")
    out.append("// Written by scripts/generate_gbk_table.py from Python's gbk codec; run\n")
    out.append("//   python3 scripts/generate_gbk_table.py core/gbk_table_data.cpp\n")
    out.append("// to write it again.\n\n")
    out.append("#include \"core/gbk_table.h\"\n\n")
    out.append(f"static_assert(gbkPairCount == {len(forward)}, \"126 lead bytes by 190 trail bytes\");\n")
    out.append(f"static_assert(gbkAssignedCount == {len(reverse)}, \"set gbkAssignedCount in core/gbk_table.h\");\n\n")
    out.append("// By pair index (lead - 0x81) * 190 + trail position: the code point, 0 unassigned.\n")
    out.append("constexpr uint16_t gbkToUnicode[gbkPairCount] = {\n")
    for start in range(0, len(forward), 12):
        out.append("    " + " ".join(f"0x{value:04X}," for value in forward[start:start + 12]) + "\n")
    out.append("};\n\n")
    out.append("// Code points in ascending order, and the GBK pair (lead << 8 | trail) of each.\n")
    out.append("constexpr uint16_t unicodeOfGbk[gbkAssignedCount] = {\n")
    for start in range(0, len(reverse), 12):
        out.append("    " + " ".join(f"0x{cp:04X}," for cp, _ in reverse[start:start + 12]) + "\n")
    out.append("};\n")
    out.append("constexpr uint16_t gbkOfUnicode[gbkAssignedCount] = {\n")
    for start in range(0, len(reverse), 12):
        out.append("    " + " ".join(f"0x{pair:04X}," for _, pair in reverse[start:start + 12]) + "\n")
    out.append("};\n")
    return "".join(out)


def main(argv):
    check = len(argv) == 3 and argv[1] == "--check"
    if not (check or len(argv) == 2):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    path = argv[-1]
    text = generate()
    if check:
        with open(path, encoding="utf-8", newline="") as source:
            if source.read() != text:
                print(f"{path} is out of date: run python3 scripts/generate_gbk_table.py {path}", file=sys.stderr)
                return 1
        return 0
    with open(path, "w", encoding="utf-8", newline="\n") as source:
        source.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
