#!/usr/bin/env python3
"""End-to-end cases of idtool: run the program, compare whole outputs.

Every folder under cases/ is one case, run with that folder as the working
directory:
  args      the arguments after "idtool" on one line, split as a POSIX shell
            would (shlex); bytes beyond ASCII are passed unchanged
  stdin     optional: the bytes given on standard input (else none)
  stdout    the exact bytes expected on standard output
  stderr    the exact bytes expected on standard error
  status    the expected exit status
  wine      optional, empty: run the case under Wine too (idtool.exe)
  wine-only optional, empty: run the case under Wine only (for what only
            Windows does, such as arguments read from the wide command line)
Any other file is an input the arguments may name.

Usage:
  run_cases.py --program IDTOOL [CASE...]                  the native program
  run_cases.py --program IDTOOL.exe --emulator WINE_RUN    the cases marked wine
  run_cases.py --program IDTOOL --huge-line                a line of 150 MiB
                                                           (upgrade and verify)
  run_cases.py ... --update    write what the program gives as the expected
                               files (review the diff before committing)
"""

import argparse
import difflib
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile
from pathlib import Path

CASES = Path(__file__).resolve().parent / "cases"
EXPECTED = ("stdout", "stderr", "status")
SCHEMA = Path(__file__).resolve().parents[2] / "records" / "verify_record.h"


def verify_record_fields():
    """The verify record's fields from their one definition, the FIELD lines
    of VERIFY_RECORD_FIELDS: (name, type, nullable, group) in order."""
    pattern = re.compile(r'FIELD\((\w+), "(\w+)", (\w+), (\w+), (\w+),')
    fields = [match.groups()[1:] for match in pattern.finditer(SCHEMA.read_text(encoding="utf-8"))]
    if not fields:
        raise SystemExit(f"no FIELD lines in {SCHEMA}")
    return [(name, kind, nullability == "nullable", group) for name, kind, nullability, group in fields]


def split_args(raw):
    # Latin-1 maps bytes to characters one to one, so shlex sees the quoting
    # and every other byte comes back unchanged.
    return [word.encode("latin-1") for word in shlex.split(raw.decode("latin-1"))]


def show(data):
    return data.decode("utf-8", errors="backslashreplace").splitlines(keepends=True)


def run_case(case, command_prefix, env, update):
    args = split_args((case / "args").read_bytes())
    stdin_path = case / "stdin"
    stdin = stdin_path.read_bytes() if stdin_path.exists() else b""
    # Outputs go to files, not pipes: processes that Wine starts beside the
    # program inherit them and would hold pipes open for seconds.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        result = subprocess.run(command_prefix + args, input=stdin, cwd=case, env=env,
                                stdout=out, stderr=err, timeout=120)
        out.seek(0)
        err.seek(0)
        actual = {"stdout": out.read(), "stderr": err.read(), "status": f"{result.returncode}\n".encode()}
    if update:
        for name in EXPECTED:
            (case / name).write_bytes(actual[name])
        return []
    failures = []
    for name in EXPECTED:
        path = case / name
        expected = path.read_bytes() if path.exists() else None
        if expected == actual[name]:
            continue
        if expected is None:
            failures.append(f"{case.name}: no expected {name} file")
            continue
        diff = "".join(difflib.unified_diff(show(expected), show(actual[name]),
                                            f"{case.name}/{name} (expected)", f"{name} (actual)"))
        if not diff:  # the difference is in bytes that decode alike
            diff = f"expected {expected!r}\nactual   {actual[name]!r}\n"
        failures.append(f"{case.name}: {name} differs\n{diff}")
    return failures


def check_huge_line(program):
    """A line of 150 MiB (and CRLF) through upgrade and through verify:
    refused with its whole length, the next line still taken, and memory no
    larger than for a line of 150 bytes."""
    huge = 150 << 20
    number15 = b"110105491231002"
    number18 = b"11010519491231002X"

    def run(arguments, length, next_line):
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.Popen([program] + arguments, stdin=subprocess.PIPE, stdout=out, stderr=err)
            chunk = b"7" * (1 << 20)
            left = length
            while left > 0:
                piece = chunk[:min(left, len(chunk))]
                process.stdin.write(piece)
                left -= len(piece)
            process.stdin.write(b"\r\n" + next_line + b"\n")
            process.stdin.close()
            _, wait_status, usage = os.wait4(process.pid, 0)
            process.returncode = os.waitstatus_to_exitcode(wait_status)
            out.seek(0)
            err.seek(0)
            return process.returncode, out.read(), err.read(), usage.ru_maxrss  # kilobytes

    def check_upgrade(status, out, err):
        failures = []
        if status != 1:
            failures.append(f"exit status {status}, expected 1")
        if out != b"11010519491231002X\n":
            failures.append(f"standard output {out[:200]!r}")
        if err != f"idtool: upgrade: line 1: {huge} bytes, not 15 digits\n".encode():
            failures.append(f"standard error {err[:200]!r}")
        return failures

    fields = verify_record_fields()
    json_types = {"integer": int, "text": str, "boolean": bool, "json": (list, dict)}

    def check_record_shape(record, line):
        """Every field of the schema, in its order, of its type or null
        where the schema allows it."""
        failures = []
        if list(record) != [name for name, _, _, _ in fields]:
            failures.append(f"line {line}: keys {list(record)}, expected the schema's")
        for name, kind, nullable, _ in fields:
            value = record.get(name)
            if value is None and nullable:
                continue
            if not isinstance(value, json_types[kind]) or (kind == "integer" and isinstance(value, bool)):
                failures.append(f"line {line}: {name} is {value!r}, not {kind}")
        return failures

    def check_verify(status, out, err):
        # Values only for the fields that say the line was seen whole; the
        # shape of both records comes from the schema.
        failures = []
        if status != 1:
            failures.append(f"exit status {status}, expected 1")
        if err != b"":
            failures.append(f"standard error {err[:200]!r}")
        try:
            records = [json.loads(line) for line in out.decode("utf-8").splitlines()]
        except ValueError as error:
            return failures + [f"standard output is not JSON lines ({error}): {out[:300]!r}"]
        if len(records) != 2:
            return failures + [f"{len(records)} records, expected 2: {out[:300]!r}"]
        huge_record, next_record = records
        failures += check_record_shape(huge_record, 1) + check_record_shape(next_record, 2)
        expected = {"line": 1, "input": "7" * 64, "valid": False, "reason": "length",
                    "message": f"\u60a8\u8f93\u5165\u7684\u8eab\u4efd\u8bc1\u53f7\u4e3a{huge}"
                               "\u4f4d\uff0c\u6b63\u786e\u7684\u5e94\u4e3a18\u4f4d",
                    "birth_date": None, "sex": None}
        for key, value in expected.items():
            if huge_record.get(key) != value:
                failures.append(f"line 1: {key} is {huge_record.get(key)!r}, expected {value!r}")
        for key, value in {"line": 2, "input": number18.decode(), "valid": True, "reason": None}.items():
            if next_record.get(key) != value:
                failures.append(f"line 2: {key} is {next_record.get(key)!r}, expected {value!r}")
        return failures

    failures = []
    for name, arguments, next_line, check in (("upgrade", ["upgrade"], number15, check_upgrade),
                                              ("verify", ["verify", "--format", "jsonl"], number18, check_verify)):
        _, _, _, baseline = run(arguments, 150, next_line)
        status, out, err, peak = run(arguments, huge, next_line)
        failures += [f"huge line, {name}: {failure}" for failure in check(status, out, err)]
        growth_kb = peak - baseline
        print(f"huge line, {name}: peak resident memory {peak} kB, {growth_kb:+} kB against a short line")
        if growth_kb > 16 * 1024:
            failures.append(f"huge line, {name}: memory grew by {growth_kb} kB")
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--emulator", help="runs a Windows program (scripts/wine-run.sh)")
    parser.add_argument("--huge-line", action="store_true")
    parser.add_argument("--update", action="store_true")
    parser.add_argument("cases", nargs="*")
    options = parser.parse_args()
    program = str(Path(options.program).resolve())

    if options.huge_line:
        failures = check_huge_line(program)
        for failure in failures:
            print("FAIL", failure)
        return 1 if failures else 0

    env = dict(os.environ)
    command_prefix = [program]
    if options.emulator:
        command_prefix = [str(Path(options.emulator).resolve()), program]
        # Wine reads the command line in the locale's character set; this one
        # exists everywhere, so non-ASCII arguments arrive intact.
        env["WINE_LOCALE"] = "C.UTF-8"
    cases = sorted(path for path in CASES.iterdir() if (path / "args").exists())
    if options.cases:
        cases = [case for case in cases if case.name in options.cases]
    if options.emulator:
        cases = [case for case in cases if (case / "wine").exists() or (case / "wine-only").exists()]
    else:
        cases = [case for case in cases if not (case / "wine-only").exists()]

    failures = []
    for case in cases:
        case_failures = run_case(case, command_prefix, env, options.update)
        print(("FAIL " if case_failures else "ok   ") + case.name)
        failures += case_failures
    for failure in failures:
        print(failure)
    print(f"{len(cases) - len({f.split(':')[0] for f in failures})} of {len(cases)} cases passed")
    return 1 if failures or not cases else 0


if __name__ == "__main__":
    sys.exit(main())
