#!/usr/bin/env python3
"""idtool find --jobs N and redact --jobs N write byte for byte what --jobs 1
writes, on files shaped around the ranges' edges (every 4 MiB from the start
of a batch of ranges, the first batch's at 4, 8 and 12 MiB): a line feed just
before, on and after an edge; a keyword on the line before an edge and its
number just after it; a number, and a grouped one, across an edge on a long
line; a line longer than a range; GBK lines for --input-encoding auto; a file
of line feeds only and one without any; and a file with a number in some form
on every line, so that the lines a range reads before its own hold numbers
too. Several option sets each; redact also --in-place against --output.

  check_scan_jobs.py --program build/native/idtool [--emulator WINE]
"""

import argparse
import os
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


FULLWIDTH = "".join(chr(0xFF10 + int(c)) if c.isdigit() else "Ｘ" for c in NUMBER.decode()).encode()


def dense_file():
    """A number in one of its forms (or a mistyped one) on every line, a
    keyword before every 37th, for 3.5 ranges: every range's lookback holds
    several, some high and some medium."""
    forms = [b"id " + NUMBER, FULLWIDTH + b" \xe4\xb8\xad", b"110105 19491231 002X", b"11010519491231002x",
             b"old 110105491231002", b"typo " + LOW, b"\xc9\xed\xb7\xdd\xd6\xa4 " + NUMBER + b" \xd2\xd1"]
    keyword = b"\xe8\xba\xab\xe4\xbb\xbd\xe8\xaf\x81\xe5\x8f\xb7 " + NUMBER + b"\r"
    out = bytearray()
    i = 0
    while len(out) < 3 * RANGE + RANGE // 2:
        out += b"%07d " % i + (keyword if i % 37 == 0 else forms[i % len(forms)]) + b" end\n"
        i += 1
    return bytes(out)


def compare(name, label, runs, emulated, work):
    """Runs each command of `runs` ((jobs, command, env) pairs, --jobs 1's
    first) and says whether they wrote the same; 1 when they did not."""
    results = [run_program(command, work, emulated, f"{name} --jobs {jobs} {label}", env=env)
               for jobs, command, env in runs]
    # An error in both runs would compare nothing.
    same = results[0] == results[1] and results[0][2] != 2
    print(f"{'ok  ' if same else 'FAIL'} {name} {label}: {len(results[0][0])} bytes, exit {results[0][2]}")
    if results[0][2] == 2:
        print(f"     exit 2: {results[0][1][:300]!r}")
    elif not same:
        print("     " + describe_difference(*results, names=("--jobs 1", "--jobs 3")))
    return 0 if same else 1


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True)
    parser.add_argument("--emulator")
    options = parser.parse_args()
    prefix = ([str(Path(options.emulator).resolve())] if options.emulator else []) + \
             [str(Path(options.program).resolve())]
    env = dict(os.environ, IDTOOL_CHECK_KEY="a key of the jobs check, 32 bytes")
    emulated = bool(options.emulator)
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        files = {"shaped": shaped_file(), "feeds": b"\n" * (3 * RANGE + 5),
                 "one line": (b"q " * 1000 + NUMBER + b" ") * (3 * RANGE // 2020), "dense": dense_file()}
        for name, data in files.items():
            path = Path(work) / name.replace(" ", "_")
            path.write_bytes(data)
            # A relative name: Windows' command line would take "/tmp/..." for an option.
            for option_set in ([], ["--format", "jsonl", "--include-invalid"], ["--count"],
                               ["--input-encoding", "auto", "--format", "csv"], ["--fifteen-digits", "--mask"]):
                failures += compare(name, "find " + " ".join(option_set),
                                    [(jobs, prefix + ["find", "--jobs", jobs] + option_set + [path.name], None)
                                     for jobs in ("1", "3")], emulated, work)
            for option_set in (["--summary"], ["--way", "label", "--min-confidence", "high", "--summary"],
                               ["--way", "token", "--key-env", "IDTOOL_CHECK_KEY", "--include-invalid",
                                "--fifteen-digits", "--summary"],
                               ["--way", "pseudonym", "--key-env", "IDTOOL_CHECK_KEY", "--input-encoding", "auto",
                                "--summary"]):
                failures += compare(name, "redact " + " ".join(option_set),
                                    [(jobs, prefix + ["redact", "--jobs", jobs] + option_set + [path.name], env)
                                     for jobs in ("1", "3")], emulated, work)
        # --in-place with workers writes the file that one thread writes.
        copy = Path(work) / "in_place.txt"
        copy.write_bytes(files["dense"])
        one = run_program(prefix + ["redact", "--jobs", "1", "--summary", "dense", "--output", "one.txt"], work,
                          emulated, "dense --output")
        three = run_program(prefix + ["redact", "--jobs", "3", "--summary", "--in-place", copy.name], work,
                            emulated, "dense --in-place")
        same = one[1:] == three[1:] and one[2] == 0 and (Path(work) / "one.txt").read_bytes() == copy.read_bytes()
        failures += not same
        print(f"{'ok  ' if same else 'FAIL'} dense redact --in-place --jobs 3 against --output --jobs 1: "
              f"{one[1]!r} {three[1]!r}")
    print(f"find and redact --jobs: {'failed' if failures else 'passed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
