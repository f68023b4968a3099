#!/usr/bin/env python3
"""verify --jobs N gives the same bytes as --jobs 1.

Writes three input files (about 10^6 lines in all, or --lines) of every kind
of line: valid numbers of many regions, each refusal, 15-digit numbers, lines
of 64 and 65 bytes and of a few hundred kilobytes (longer than a chunk and the
reader's window), empty lines, CRLF, CR-only, NUL and binary bytes, invalid
UTF-8, full-width digits, \\N; the second file starts with a byte-order mark,
the last ends without a line end, and one holds a CR just before its end.
Then runs idtool verify over them with --jobs 1 and --jobs 3 under many
option sets (every format, --only-invalid, --summary, --no-history, --age-on,
--fields, --encoding gbk, --mask, --input-encoding auto, standard input,
--column on a CSV, --stream on files, standard input and a column) and
compares standard output, standard error and the exit status byte for byte.

Usage: check_jobs.py --program IDTOOL [--emulator WINE_RUN] [--lines N]
"""

import argparse
import os
import random
import sys
import tempfile
from pathlib import Path

from program_runs import describe_difference, run_program

WEIGHTS = [7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2]
CHECKS = "10X98765432"
REGIONS = [110105, 140302, 419001, 512201, 330112, 810000, 830000, 911101, 659004, 999999, 120225, 500101]


def check_character(stem):
    return CHECKS[sum(int(c) * w for c, w in zip(stem, WEIGHTS)) % 11]


def number(rng, year=None):
    stem = f"{rng.choice(REGIONS):06d}{year or rng.randint(1900, 2025):04d}{rng.randint(1, 12):02d}" \
           f"{rng.randint(1, 31):02d}{rng.randint(0, 998):03d}"
    return stem + check_character(stem)


def line_of(rng):
    """One line's bytes, without its line end."""
    kind = rng.randrange(100)
    if kind < 60:
        return number(rng).encode()
    text = number(rng)
    if kind < 64:
        return (text[:17] + CHECKS[(CHECKS.index(text[17]) + 1) % 11]).encode()  # check
    if kind < 67:
        return text[:17].encode() + b"x"                                      # characters, lower-case x
    if kind < 70:
        return number(rng, year=rng.randint(2030, 9999)).encode()              # date
    if kind < 73:
        return text[:rng.randint(0, 17)].encode()                              # length
    if kind < 75:
        return f"{rng.choice(REGIONS):06d}{rng.randint(40, 99):02d}0101{rng.randint(0, 999):03d}".encode()
    if kind < 77:
        return b"".join(bytes([rng.randrange(256)]) for _ in range(rng.randint(1, 40))).replace(b"\n", b"")
    if kind < 79:
        return text.translate({ord(c): 0xFF10 + int(c) for c in "0123456789"}).encode()
    if kind < 81:
        return f" {text[:6]} {text[6:14]} {text[14:]} ".encode()
    if kind < 83:
        return b"7" * rng.choice([63, 64, 65, 66, 300])
    if kind < 84:
        return b"\\N"
    if kind < 85:
        return b"1.10105E+17"
    if kind < 86:
        return text[:15].encode() + b"000"
    if kind < 87:
        return text.encode() + b"\r"  # a CR before the CRLF's own
    return text.encode()


def write_inputs(folder, lines):
    rng = random.Random(2026)
    names = []
    for index in range(3):
        chunks = [b"\xef\xbb\xbf"] if index == 1 else []
        for i in range(lines // 3):
            chunks.append(line_of(rng))
            chunks.append(b"\r\n" if i % 7 == 0 else b"\n")
            if i % 50000 == 17:
                # Longer than a chunk and than the reader's window, with a CR
                # before its line feed now and then.
                chunks.append(b"5" * rng.choice([70000, 140000, 300000]) + (b"\r\n" if i % 2 else b"\n"))
            if i % 40000 == 3:
                chunks.append(b"\n\n")
        if index == 2:
            chunks.append(number(rng).encode() + b"\r")  # the last line: no line feed, a CR that stays
        name = folder / f"part{index}.txt"
        name.write_bytes(b"".join(chunks))
        names.append(name.name)
    csv = folder / "people.csv"
    rows = [b"name,number,phone\r\n"]
    for i in range(lines // 10):
        cell = line_of(rng).replace(b'"', b'""')
        rows.append(b'"n%d","%s",13800000000\r\n' % (i, cell))
    csv.write_bytes(b"".join(rows))
    return names, csv.name


def run(command, folder, emulated, label, stdin_path=None, pipe=False):
    """Standard output, error and exit status of a run in `folder`, whose
    files are named relative to it (under Wine an absolute Unix path would
    read as a Windows-style option); standard input from a file, or its bytes
    through a pipe."""
    if pipe:
        return run_program(command, folder, emulated, label, writes_something=True,
                           input=(Path(folder) / stdin_path).read_bytes())
    with open(Path(folder) / stdin_path, "rb") if stdin_path else open(os.devnull, "rb") as stdin:
        return run_program(command, folder, emulated, label, writes_something=True, stdin=stdin)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--emulator")
    parser.add_argument("--lines", type=int, default=1000000)
    options = parser.parse_args()
    prefix = ([str(Path(options.emulator).resolve())] if options.emulator else []) + \
             [str(Path(options.program).resolve())]
    option_sets = [
        [], ["--format", "csv"], ["--format", "jsonl"], ["--only-invalid", "--summary"],
        ["--no-history", "--format", "csv"], ["--fields", "line,input,reason,hint,county,now"],
        ["--encoding", "gbk"], ["--mask", "--format", "jsonl"], ["--input-encoding", "auto", "--only-invalid"],
        ["--age-on", "20240630", "--format", "jsonl"],
    ]
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        files, csv = write_inputs(Path(work), options.lines)
        cases = [(extra, files, None, False) for extra in option_sets]
        cases.append((["--summary"], ["-"], files[1], False))        # standard input, with its mark
        cases.append((["--format", "jsonl"], ["-"], files[1], True))  # the same through a pipe
        cases.append((["--column", "number", "--summary"], [csv], None, False))
        cases.append((["--column", "2", "--only-invalid"], [csv], None, False))
        # For SQL engines: rows in, rows out, from files, standard input and a column.
        cases.append((["--stream"], files, None, False))
        cases.append((["--stream"], ["-"], files[2], True))
        cases.append((["--column", "2", "--stream"], [csv], None, False))
        for extra, inputs, stdin, pipe in cases:
            # Global options (--encoding, --mask) may follow the command too.
            label = " ".join(extra + (["| stdin" if pipe else "< stdin"] if stdin else []))
            results = {}
            for jobs in ("1", "3"):
                command = prefix + ["verify", "--jobs", jobs] + extra + inputs
                results[jobs] = run(command, work, bool(options.emulator), f"--jobs {jobs} {label}", stdin, pipe)
            one, three = results["1"], results["3"]
            if one[2] == 2:
                # An error in both runs would compare nothing.
                failures += 1
                print(f"FAIL {label}: exit 2: {one[1][:300]!r}")
                continue
            if one == three:
                print(f"ok   {label}: {len(one[0])} bytes, exit {one[2]}")
                continue
            failures += 1
            print(f"FAIL {label}: " + describe_difference(one, three, names=("--jobs 1", "--jobs 3")))
    print(f"{len(cases) - failures} of {len(cases)} option sets gave the same bytes with --jobs 1 and --jobs 3")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
