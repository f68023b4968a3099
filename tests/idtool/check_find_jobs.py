#!/usr/bin/env python3
"""idtool find --jobs N writes byte for byte what --jobs 1 writes, on files
shaped around the ranges' edges (every 4 MiB from the start of a batch of
ranges, the first batch's at 4, 8 and 12 MiB): a line feed just before, on
and after an edge; a keyword on the line before an edge and its number just
after it; a number, and a grouped one, across an edge on a long line; a line
longer than a range; GBK lines for --input-encoding auto; a file of line
feeds only and one without any. Several option sets each.

  check_find_jobs.py --program build/native/idtool [--emulator WINE]
"""

import argparse
import sys
import tempfile
from pathlib import Path

from program_runs import describe_difference, run_program

RANGE = 4 << 20
NUMBER = b"11010519491231002X"
LOW = b"110105194912310021"


def filler_line(i):
    return b"%08d INFO user=%d order=%021d " % (i, i % 97, i * 7919) + b"\xe5\xae\xa2\xe6\x88\xb7 ok\n"


def shaped_file():
    """About 9.5 ranges, with something else at each edge."""
    out = bytearray()
    i = 0
    edge_kinds = [b"feed_before", b"feed_on", b"keyword", b"across", b"grouped", b"gbk", b"long"]
    for edge, kind in enumerate(edge_kinds, start=1):
        target = edge * RANGE
        # Filler up to a little before the point.
        while len(out) < target - 300:
            out += filler_line(i)
            i += 1
        gap = target - len(out)
        if kind == b"feed_before":
            out += b"x" * (gap - 2) + b"\n" + b"\n"
            out += b"id " + NUMBER + b"\n"
        elif kind == b"feed_on":
            out += b"y" * (gap) + b"\n" + NUMBER + b" at the edge\n"
        elif kind == b"keyword":
            out += b"\xe8\xba\xab\xe4\xbb\xbd\xe8\xaf\x81\xe5\x8f\xb7 " + b"z" * (gap - 20) + b"\n" + NUMBER + b"\n"
        elif kind == b"across":
            out += b"a " * ((gap - 9) // 2) + NUMBER + b" " + LOW + b"\n"
        elif kind == b"grouped":
            out += b"b " * ((gap - 9) // 2) + b"110105 19491231 002X tail\n"
        elif kind == b"long":
            out += b"id_card=" + NUMBER + b" " + b"L" * (RANGE + 1000) + b" " + NUMBER + b"\n"
        else:
            out += b"\xc9\xed\xb7\xdd\xd6\xa4 " + b"g" * (gap - 10) + b" " + NUMBER + b" \xd2\xd1\n"
    while len(out) < 9 * RANGE + RANGE // 2:
        out += filler_line(i)
        i += 1
    return bytes(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True)
    parser.add_argument("--emulator")
    options = parser.parse_args()
    prefix = ([str(Path(options.emulator).resolve())] if options.emulator else []) + \
             [str(Path(options.program).resolve())]
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        files = {"shaped": shaped_file(), "feeds": b"\n" * (3 * RANGE + 5),
                 "one line": (b"q " * 1000 + NUMBER + b" ") * (3 * RANGE // 2020)}
        for name, data in files.items():
            path = Path(work) / name.replace(" ", "_")
            path.write_bytes(data)
            for option_set in ([], ["--format", "jsonl", "--include-invalid"], ["--count"],
                               ["--input-encoding", "auto", "--format", "csv"], ["--fifteen-digits", "--mask"]):
                results = []
                for jobs in ("1", "3"):
                    # A relative name: Windows' command line would take "/tmp/..." for an option.
                    command = prefix + ["find", "--jobs", jobs] + option_set + [path.name]
                    results.append(run_program(command, work, bool(options.emulator),
                                               f"{name} --jobs {jobs} {' '.join(option_set)}"))
                same = results[0] == results[1]
                failures += not same
                print(f"{'ok  ' if same else 'FAIL'} {name} {' '.join(option_set)}: {len(results[0][0])} bytes, "
                      f"exit {results[0][2]}")
                if not same:
                    print("     " + describe_difference(*results, names=("--jobs 1", "--jobs 3")))
    print(f"find --jobs: {'failed' if failures else 'passed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
