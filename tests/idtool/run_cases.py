#!/usr/bin/env python3
"""End-to-end cases of idtool: run the program, compare whole outputs.

Every folder under cases/ is one case, run with that folder as the working
directory:
  args      the arguments after "idtool" on one line, split as a POSIX shell
            would (shlex); bytes beyond ASCII are passed unchanged
  stdin     optional: the bytes given on standard input (else none)
  stdout    the exact bytes expected on standard output
  stderr    the exact bytes expected on standard error
            (in both, @VERSION@ stands for the release's version, the C API
            header's MAJOR.MINOR.PATCH)
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
  run_cases.py --program IDTOOL [--emulator W] --files      the checks of files and
                                                           streams below
  run_cases.py --program IDTOOL --huge-field               a CSV field of 1 GiB
  run_cases.py --program IDTOOL --stream-driver            --stream, row by row
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

from program_runs import run_program

CASES = Path(__file__).resolve().parent / "cases"
EXPECTED = ("stdout", "stderr", "status")
SCHEMA = Path(__file__).resolve().parents[2] / "records" / "verify_record.h"
HEADER = Path(__file__).resolve().parents[2] / "capi" / "idnumber.h"


def release_version():
    """The release's version, as the programs are built with it: the header's
    IDN_VERSION_MAJOR.MINOR.PATCH."""
    text = HEADER.read_text(encoding="utf-8")
    parts = [re.search(rf"^#define IDN_VERSION_{part} ([0-9]+)$", text, re.M) for part in ("MAJOR", "MINOR", "PATCH")]
    if not all(parts):
        raise SystemExit(f"no IDN_VERSION_MAJOR, _MINOR and _PATCH in {HEADER}")
    return ".".join(part.group(1) for part in parts).encode()


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


def run_case(case, command_prefix, env, update, emulated):
    args = split_args((case / "args").read_bytes())
    stdin_path = case / "stdin"
    stdin = stdin_path.read_bytes() if stdin_path.exists() else b""
    out, err, status = run_program(command_prefix + args, case, emulated, case.name, input=stdin, env=env,
                                   timeout=120)
    actual = {"stdout": out, "stderr": err, "status": f"{status}\n".encode()}
    version = release_version()
    if update:
        for name in EXPECTED:
            path = case / name
            data = actual[name]
            if path.exists() and b"@VERSION@" in path.read_bytes():
                data = data.replace(version, b"@VERSION@")
            path.write_bytes(data)
        return []
    failures = []
    for name in EXPECTED:
        path = case / name
        expected = path.read_bytes().replace(b"@VERSION@", version) if path.exists() else None
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


def check_files(command_prefix, env, windows):
    """More input files than may be open at once; an input that is the
    output file; --help and --version to a full disk (natively)."""
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        folder = Path(folder)
        count = 600
        names = []
        for i in range(count):
            name = f"n{i:03}.txt"
            (folder / name).write_bytes(b"11010519491231002X\n")
            names.append(name)

        def limit_files():
            import resource
            resource.setrlimit(resource.RLIMIT_NOFILE, (64, 64))

        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            result = subprocess.run(command_prefix + ["verify", "--no-history", "--fields", "line"] + names,
                                    cwd=folder, env=env, stdout=out, stderr=err, timeout=300,
                                    preexec_fn=None if windows else limit_files)
            out.seek(0)
            err.seek(0)
            lines = out.read().splitlines()
            message = err.read()
        if result.returncode != 0 or len(lines) != count + 1 or message:
            failures.append(f"{count} files: status {result.returncode}, {len(lines)} lines, {message[:200]!r}")
        # One missing file among them: named with the real error, nothing written.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            result = subprocess.run(command_prefix + ["verify"] + names[:300] + ["missing.txt"] + names[300:],
                                    cwd=folder, env=env, stdout=out, stderr=err, timeout=300)
            out.seek(0)
            err.seek(0)
            written, message = out.read(), err.read()
        if result.returncode != 2 or written or b"cannot open missing.txt: No such file" not in message:
            failures.append(f"a missing file among {count}: status {result.returncode}, {message[:200]!r}")

        # idtool verify f >> f: refused, f unchanged. Natively only: Wine does
        # not give a file behind standard output the identity of the same
        # file opened by name, so the check cannot see it there.
        if windows:
            return failures
        target = folder / "self.txt"
        target.write_bytes(b"11010519491231002X\n")
        with open(target, "ab") as out, tempfile.TemporaryFile() as err:
            result = subprocess.run(command_prefix + ["verify", "self.txt"], cwd=folder, env=env,
                                    stdout=out, stderr=err, timeout=60)
            err.seek(0)
            message = err.read()
        if (result.returncode != 2 or message != b"idtool: input self.txt is the output file\n"
                or target.read_bytes() != b"11010519491231002X\n"):
            failures.append(f"input is output: status {result.returncode}, {message!r}, {target.read_bytes()[:100]!r}")

    # A read error mid-input (/proc/self/mem refuses its first page), by
    # each reader: named with its cause, status 2.
    if not windows and os.path.exists("/proc/self/mem"):
        for options in (["--jobs", "1"], ["--jobs", "2"], ["--column", "1"]):
            result = subprocess.run(command_prefix + ["verify"] + options + ["/proc/self/mem"], env=env,
                                    capture_output=True, timeout=60)
            if result.returncode != 2 or result.stderr != b"idtool: error reading /proc/self/mem: Input/output error\n":
                failures.append(f"a read error with {' '.join(options)}: status {result.returncode}, {result.stderr!r}")

    if not windows and os.path.exists("/dev/full"):
        for arguments in (["--help"], ["--version"], ["verify", "--help"]):
            with open("/dev/full", "wb") as full, tempfile.TemporaryFile() as err:
                result = subprocess.run(command_prefix + arguments, env=env, stdout=full, stderr=err, timeout=60)
                err.seek(0)
                message = err.read()
            if result.returncode != 2 or message != b"idtool: error writing standard output: No space left on device\n":
                failures.append(f"{' '.join(arguments)} to a full disk: status {result.returncode}, {message!r}")
    return failures


def check_huge_field(program):
    """A CSV whose address field is 1 GiB, between two ordinary rows: every
    field written back whole, the rows after it verified, memory as for a
    short field."""
    huge = 1 << 30
    failures = []

    def run(length):
        with tempfile.TemporaryFile() as err:
            process = subprocess.Popen([program, "verify", "--column", "number", "--input-format", "csv",
                                        "--no-history", "--fields", "line,valid"],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=err)
            import threading
            collected = {"bytes": 0, "tail": b"", "head": b""}

            def drain():
                while True:
                    piece = process.stdout.read(1 << 20)
                    if not piece:
                        break
                    if len(collected["head"]) < 200:
                        collected["head"] += piece[:200]
                    collected["bytes"] += len(piece)
                    collected["tail"] = (collected["tail"] + piece)[-200:]
            reader = threading.Thread(target=drain)
            reader.start()
            process.stdin.write(b"name,number,address\nA,11010519491231002X,\"")
            chunk = b"x" * (1 << 20)
            left = length
            while left > 0:
                piece = chunk[:min(left, len(chunk))]
                process.stdin.write(piece)
                left -= len(piece)
            process.stdin.write(b"\"\nB,110105194912310021,short\n")
            process.stdin.close()
            _, wait_status, usage = os.wait4(process.pid, 0)
            reader.join()
            err.seek(0)
            return os.waitstatus_to_exitcode(wait_status), collected, err.read(), usage.ru_maxrss

    _, _, _, baseline = run(100)
    status, collected, err, peak = run(huge)
    expected_bytes = len(b"name,number,address,line,valid\r\n") + len(b"A,11010519491231002X,\"\"") + huge + \
        len(b",2,true\r\n") + len(b"B,110105194912310021,short,3,false\r\n")
    if status != 1 or err:
        failures.append(f"huge field: status {status}, {err[:200]!r}")
    if collected["bytes"] != expected_bytes or not collected["tail"].endswith(b",2,true\r\nB,110105194912310021,short,3,false\r\n"):
        failures.append(f"huge field: {collected['bytes']} bytes out, expected {expected_bytes}; ends {collected['tail']!r}")
    print(f"huge field: peak resident memory {peak} kB, {peak - baseline:+} kB against a short field")
    if peak - baseline > 16 * 1024:
        failures.append(f"huge field: memory grew by {peak - baseline} kB")
    return failures


def check_stream_driver(command_prefix, env, rows=10000, wait=10.0):
    """An engine's way with --stream: write one row, wait (with a time
    limit) for its answer, and only then write the next. Any output held
    back in a buffer would stall it for good."""
    import select
    failures = []
    for arguments, make_row, check in (
            (["verify", "--stream", "--no-history", "--fields", "line,valid,reason"],
             lambda i: b"\\N" if i % 7 == 3 else (b"11010519491231002X" if i % 2 else b"110105194912310021"),
             lambda i, answer: answer == (f"\\N\t\\N\t\\N" if i % 7 == 3 else
                                          f"{i + 1}\ttrue\t\\N" if i % 2 else f"{i + 1}\tfalse\tcheck")),
            (["verify", "--stream", "--column", "2", "--no-history", "--fields", "valid"],
             lambda i: f"{i}\t{'11010519491231002X' if i % 2 else '1'}".encode(),
             lambda i, answer: answer == f"{i}\t{'11010519491231002X' if i % 2 else '1'}\t{'true' if i % 2 else 'false'}")):
        process = subprocess.Popen(command_prefix + arguments, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, env=env, bufsize=0)
        pending = b""
        try:
            for i in range(rows):
                process.stdin.write(make_row(i) + b"\n")
                deadline = wait
                while b"\n" not in pending:
                    ready, _, _ = select.select([process.stdout], [], [], deadline)
                    if not ready:
                        raise TimeoutError(f"no answer to row {i + 1} within {wait} s")
                    piece = os.read(process.stdout.fileno(), 65536)
                    if not piece:
                        raise EOFError(f"output ended before row {i + 1}")
                    pending += piece
                answer, pending = pending.split(b"\n", 1)
                if pending:
                    raise ValueError(f"more than one row out for row {i + 1}")
                if not check(i, answer.decode()):
                    raise ValueError(f"row {i + 1}: {answer!r}")
            process.stdin.close()
            rest = process.stdout.read()
            status = process.wait(timeout=60)
            if rest or status != 0:
                failures.append(f"stream {arguments}: status {status}, left {rest[:100]!r}")
        except (TimeoutError, EOFError, ValueError) as error:
            process.kill()
            process.wait()
            failures.append(f"stream {arguments}: {error}")
        print(f"stream {' '.join(arguments)}: {rows} rows one at a time")
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--emulator", help="runs a Windows program (scripts/wine-run.sh)")
    parser.add_argument("--huge-line", action="store_true")
    parser.add_argument("--files", action="store_true")
    parser.add_argument("--huge-field", action="store_true")
    parser.add_argument("--stream-driver", action="store_true")
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
    if options.huge_field or options.files or options.stream_driver:
        failures = []
        if options.huge_field:
            failures += check_huge_field(program)
        if options.files:
            failures += check_files(command_prefix, env, windows=bool(options.emulator))
        if options.stream_driver:
            failures += check_stream_driver(command_prefix, env, rows=10000 if not options.emulator else 300)
        for failure in failures:
            print("FAIL", failure)
        print("ok" if not failures else f"{len(failures)} failed")
        return 1 if failures else 0
    cases = sorted(path for path in CASES.iterdir() if (path / "args").exists())
    if options.cases:
        cases = [case for case in cases if case.name in options.cases]
    if options.emulator:
        cases = [case for case in cases if (case / "wine").exists() or (case / "wine-only").exists()]
    else:
        cases = [case for case in cases if not (case / "wine-only").exists()]

    failures = []
    for case in cases:
        case_failures = run_case(case, command_prefix, env, options.update, bool(options.emulator))
        print(("FAIL " if case_failures else "ok   ") + case.name)
        failures += case_failures
    for failure in failures:
        print(failure)
    print(f"{len(cases) - len({f.split(':')[0] for f in failures})} of {len(cases)} cases passed")
    return 1 if failures or not cases else 0


if __name__ == "__main__":
    sys.exit(main())
