#!/usr/bin/env python3
"""Writes short texts, one a line, for timing the SQL functions that find and
redact identity numbers over a column (databases/sqlite/bench.py,
scripts/bench-databases.sh): the same lines on every run, 40 to 200 bytes
each, of log-like fields, Chinese words and order numbers of 20 to 25
digits (scripts/make_scan_log.py's lines, cut short), one in ten holding an
identity number (plain, after 身份证号：, or printed in groups).

  scripts/make_scan_rows.py COUNT FILE
"""

import random
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from make_scan_log import line, number  # noqa: E402


def row(draw):
    text = line(draw)[:draw.randint(40, 160)].rstrip()
    if draw.random() < 0.1:
        found = number(draw)
        shape = draw.random()
        if shape < 0.3:
            found = "身份证号：" + found
        elif shape < 0.5:
            found = f"{found[:6]} {found[6:14]} {found[14:]}"
        text += " " + found
    # The lines are tab-free and hold no backslash: COPY and LOAD DATA take them as they are.
    return text.replace("\t", " ").replace("\\", "/")


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    draw = random.Random(20240630)
    with open(sys.argv[2], "w", encoding="utf-8", newline="\n") as out:
        for _ in range(int(sys.argv[1])):
            out.write(row(draw) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
