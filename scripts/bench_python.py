#!/usr/bin/env python3
"""Speed of the Python module idnumber, in one run (scripts/bench-python.sh
sets it up: the optimised idtool, a venv with idnumber installed, the files
of numbers).

On the same 10^6 numbers (bench_numbers.py: 70% valid, the rest spread over
the four refusals): verify_many on a list of str, on a pandas Series, into a
dict of NumPy arrays, and on a NumPy array of str; verify one number at a
time; and a straightforward pure-Python implementation of the same rules,
as a peer library would write it (one function per number, a dict of region
texts), whose verdicts are first checked to equal verify_many's. Each is
timed by its best of --runs runs (wall clock, time.perf_counter). The ratio
of verify_many on a list to the pure-Python loop is also taken in each of
--runs rounds (each round times both, one after the other), and every
round's ratio is printed with their minimum and median.

With --dask FILE (a file of numbers, one per line, 10^7 in the README): the
example's job on the file (examples/dask_verify.py: its reader,
map_partitions(idnumber.verify_frame), the counts per verdict counted on the
workers), with every field and with valid and reason only, on a LocalCluster
of 2 worker processes on 127.0.0.1, against `idtool verify --jobs 2` on the
same file writing every field of every record; the counts must agree. The
stages of the job are timed too (the reader alone; one partition's reading,
verifying and counting in this process), to show where the time goes.

With --texts N (10^6 by default; 0 leaves it out): find and redaction on a
pandas Series of N short texts like a column of notes (bench_texts below:
two in five hold a number, one in ten of those printed in groups, many hold
other runs of digits), rows per second of redact_many (mask, label, token),
find_many and redact one call per row, beside a plain regular expression
on the same Series (re.sub(r"(\d{6})\d{8}(\d{3}[\dXx])", r"\1********\2")
a row, which finds neither full-width nor grouped numbers and checks no
validity), and the three ways a batch can begin each row's scan (the
scanner prepared once and restarted, a copy of it, one prepared per row),
each by its best of --runs in CPU time; and the ratio of redact_many to the
regex in --runs rounds of both. --scan-only times only these.

With --against PYTHON (another build of idnumber, such as an earlier
version's, in the venv of that interpreter): the batch calls (verify_many's
ways above, in_use_at_birth alone, verify one number at a time, generate,
and the age column where the module has one) timed in both builds, in
--runs rounds of a fresh process each, the two builds taking turns, with
each call's best and median over the rounds, and the ratio of the medians;
in CPU time, which other work on a shared machine disturbs less.

Prints Markdown tables.
"""
import argparse
import datetime
import json
import os
import random
import re
import statistics
import subprocess
import sys
import time

import numpy as np
import pandas as pd

import idnumber

WEIGHTS = (7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2)
CHECK_CHARACTERS = "10X98765432"
LENGTH_MESSAGE = "您输入的身份证号为{}位，正确的应为18位"
OTHER_MESSAGE = "身份证未通过校验"
DATE_MESSAGE = "出生日期不正确"


def region_texts():
    """code -> (province, city, county), as a peer ships its region data:
    here made from idnumber.regions() once, outside the timing."""
    records = idnumber.regions("")
    names = {r.code: r.name for r in records}
    texts = {}
    for r in records:
        if r.level in ("county", "group"):
            if r.city is None and r.code // 10000 in (11, 12, 31, 50):  # a municipality's district
                texts[r.code] = (r.province, r.name, "")
            elif r.city is None:  # directly under its province (济源市)
                texts[r.code] = (r.province, "未知位置", r.name)
            else:
                texts[r.code] = (r.province, r.city, r.name)
        elif r.level == "city":
            texts[r.code] = (r.province, r.name, "")
    provinces = {r.code // 10000: r.province for r in records}
    return texts, provinces, names


REGIONS, PROVINCES, _ = region_texts()
YEAR_LIMIT = datetime.date.today().year


def verify_python(number):
    """One number's verdict in plain Python: (valid, reason, message,
    expected_check, birth_date, sex, province, city, county)."""
    data = number.encode("utf-8") if isinstance(number, str) else number
    head = data[:17]
    expected = None
    if len(head) == 17 and head.isdigit():
        total = sum(int(c) * w for c, w in zip(head.decode(), WEIGHTS))
        expected = CHECK_CHARACTERS[total % 11]
    if len(data) != 18:
        return (False, "length", LENGTH_MESSAGE.format(len(data)), expected, None, None, None, None, None)
    last = chr(data[17])
    if expected is None or not (last.isdigit() or last == "X"):
        return (False, "characters", OTHER_MESSAGE, expected, None, None, None, None, None)
    if last != expected:
        return (False, "check", OTHER_MESSAGE, expected, None, None, None, None, None)
    text = data.decode()
    year, month, day = int(text[6:10]), int(text[10:12]), int(text[12:14])
    if year > YEAR_LIMIT or month > 12 or day > 31:
        return (False, "date", DATE_MESSAGE, expected, None, None, None, None, None)
    code = int(text[:6])
    province, city, county = REGIONS.get(code) or (PROVINCES.get(code // 10000, "未知位置"), "未知位置", "错误地区码")
    sex = "男" if int(text[16]) % 2 else "女"
    return (True, None, None, expected, text[6:14], sex, province, city, county)


def verify_python_batch(numbers):
    """The pure-Python loop, into a DataFrame as verify_many gives one."""
    rows = [verify_python(n) for n in numbers]
    return pd.DataFrame(rows, columns=["valid", "reason", "message", "expected_check", "birth_date_text", "sex",
                                       "province", "city", "county"])


def best_of(runs, work, clock=time.perf_counter):
    best = float("inf")
    for _ in range(runs):
        start = clock()
        result = work()
        best = min(best, clock() - start)
        del result
    return best


def load_average():
    try:
        return os.getloadavg()[0]
    except OSError:
        return float("nan")


def dask_job(path, workers, runs):
    """Seconds (best of `runs`) of the example's job on the file with every
    field and with valid and reason only, its summary and partitions, and
    seconds of reading the file alone (len) on the same cluster."""
    import dask
    from distributed import Client

    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bindings", "python",
                                    "examples"))
    import dask_verify

    with dask.config.set({"temporary-directory": os.path.dirname(os.path.abspath(path))}):
        with dask_verify.local_cluster(workers) as cluster, Client(cluster) as client:
            rows = len(dask_verify.read_numbers(path, "number", False, "16MB"))  # the workers' imports
            reading = best_of(runs, lambda: len(dask_verify.read_numbers(path, "number", False, "16MB")))
            timings, summaries = [], set()
            partitions = 0
            for fields in (None, ("valid", "reason")):
                def job():
                    nonlocal partitions
                    partitions, summary = dask_verify.verify_files(client, [path], "number", False, "16MB",
                                                                   fields=fields)
                    summaries.add(summary)
                timings.append(best_of(runs, job))
    assert len(summaries) == 1, summaries
    summary = summaries.pop()
    assert summary.startswith(f"{rows} lines"), summary
    return timings, summary, partitions, reading


def partition_stages(path):
    """Seconds of each stage of the job on one 16 MB partition, in this
    process: the reader's lines, verify_frame (every field), the counts, and
    pickling the verdicts (what moving them between processes would cost)."""
    import pickle

    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bindings", "python",
                                    "examples"))
    import dask_verify

    with open(path, "rb") as file:
        block = file.read(16_000_000)
    block = block[: block.rfind(b"\n") + 1]
    numbers = dask_verify.line_cells(block, True, "number")
    verdicts = idnumber.verify_frame(numbers, "number")
    stages = [
        ("the reader (bytes → lines → a frame of str)", lambda: dask_verify.line_cells(block, True, "number")),
        ("`verify_frame`, every field", lambda: idnumber.verify_frame(numbers, "number")),
        ("`verify_frame`, valid and reason", lambda: idnumber.verify_frame(numbers, "number",
                                                                          fields=("valid", "reason"))),
        ("the counts per verdict", lambda: dask_verify.verdict_counts(verdicts)),
        ("pickling the verdicts (every field), were they moved", lambda: pickle.dumps(verdicts, protocol=5)),
    ]
    return len(numbers), [(name, best_of(3, work)) for name, work in stages]


def batch_timings(lines, runs):
    """Seconds of the process's CPU time of each batch call on the lines (the
    best of `runs`, after one call untimed), by name; calls this build lacks
    are left out. Each call runs in one thread, and its CPU time varies less
    than the wall clock where other work shares the machine."""
    series = pd.Series(lines)
    array = np.array(lines)
    tenth = lines[: len(lines) // 10]
    works = [
        ("`verify_many`, list of str → DataFrame", lambda: idnumber.verify_many(lines)),
        ("`verify_many`, pandas Series (object) → DataFrame", lambda: idnumber.verify_many(series)),
        ("`verify_many`, list of str → dict of NumPy arrays", lambda: idnumber.verify_many(lines, frame=False)),
        ("`verify_many`, NumPy array of str (`<U18`) → DataFrame", lambda: idnumber.verify_many(array)),
        ("`verify_many`, list of str, `fields=(\"valid\", \"reason\")`",
         lambda: idnumber.verify_many(lines, fields=("valid", "reason"))),
        ("`verify_many`, list of str, `fields=(\"in_use_at_birth\",)`",
         lambda: idnumber.verify_many(lines, fields=("in_use_at_birth",))),
        (f"`verify`, one call per number ({len(tenth):,})", lambda: [idnumber.verify(n) for n in tenth]),
        (f"`generate`, {len(lines):,} numbers born 1900-2020",
         lambda: idnumber.generate("110105", born_between=("19000101", "20201231"), count=len(lines), seed=1)),
    ]
    if hasattr(idnumber.Verdict, "age"):
        on = datetime.date(2024, 6, 30)
        days = np.full(len(lines), np.datetime64(on, "D"))
        works += [
            ("`verify_many`, list of str, `fields=(\"valid\",)`, `age_on` one date",
             lambda: idnumber.verify_many(lines, fields=("valid",), age_on=on)),
            ("`verify_many`, list of str, `fields=(\"valid\",)`, `age_on` a `datetime64` array",
             lambda: idnumber.verify_many(lines, fields=("valid",), age_on=days)),
        ]
    timings = {}
    for name, work in works:
        work()
        timings[name] = best_of(runs, work, time.process_time)
    return timings


def compare_builds(numbers, other_python, rounds):
    """The batch calls' timings in the other build and this one, in rounds of
    a fresh process each, taking turns: {name: (other's, this one's)}, each a
    list of seconds by round."""
    both = {}
    for _ in range(rounds):
        for slot, python in enumerate((other_python, sys.executable)):
            done = subprocess.run([python, os.path.abspath(__file__), numbers, "--timings-json", "--runs", "3"],
                                  capture_output=True, text=True, check=True)
            for name, seconds in json.loads(done.stdout).items():
                both.setdefault(name, ([], []))[slot].append(seconds)
        print(f"  round {len(next(iter(both.values()))[1])} of both builds", file=sys.stderr, flush=True)
    return both


def print_comparison(both, other_version):
    print()
    print(f"The batch calls in idnumber {other_version} (before) and {idnumber.__version__} (after), in CPU "
          "time, the best and the median of the rounds:")
    print()
    print("| What | Before | After | After / before (medians) |")
    print("|---|---|---|---|")
    for name, (before, after) in both.items():
        def shown(seconds):
            return f"{min(seconds) * 1000:,.0f} ms; {statistics.median(seconds) * 1000:,.0f} ms" if seconds else "—"
        ratio = f"{statistics.median(after) / statistics.median(before):.2f}" if before and after else "—"
        print(f"| {name} | {shown(before)} | {shown(after)} | {ratio} |")


def bench_texts(count, seed=3):
    """A column of `count` short notes, the same every run: two in five hold
    an identity number (one in ten of those as 6-8-4 groups, one in twenty
    with a lower-case x), others order numbers of 20 digits, phone numbers
    and amounts."""
    draw = random.Random(seed)
    numbers = idnumber.generate("110105", born_between=("19500101", "20051231"), count=count, seed=seed)
    rows = []
    for i in range(count):
        number = numbers[i]
        kind = draw.random()
        if kind < 0.04:
            number = f"{number[:6]} {number[6:14]} {number[14:]}"
        elif kind < 0.06:
            number = number.lower()
        shape = draw.randrange(5)
        if shape == 0:
            rows.append(f"客户来电，身份证号{number}，已核实")
        elif shape == 1:
            rows.append(f"id_no={number} status=ok")
        elif shape == 2:
            rows.append(f"order={draw.randrange(10**19, 10**20)} qty={draw.randrange(1, 99)} 已发货")
        elif shape == 3:
            rows.append(f"联系电话 13{draw.randrange(10**8, 10**9)} 金额 {draw.randrange(1, 10**6)}.00 元")
        else:
            rows.append("备注：无")
    return rows


# r"\d{17}[\dXx]" with groups, for a mask by a template (no Python call per match).
MASK_PATTERN = re.compile(r"(\d{6})\d{8}(\d{3}[\dXx])")
PLAIN_PATTERN = re.compile(r"\d{17}[\dXx]")


def text_timings(count, runs, key=b"a benchmark's key of 32 bytes!!!"):
    """Seconds (best of `runs`) of the scan's batch calls and their peers on
    the same Series, by name, with the rows each handles; and the count of
    rows the regex and the mask changed (they find different numbers)."""
    rows = bench_texts(count)
    series = pd.Series(rows)
    tenth = rows[: count // 10]
    on = datetime.date(2024, 6, 30)
    options = idnumber._scan._redaction_options("bench", None, None, None, None, None, None, None, None, None,
                                                False, on, None).values
    today_options = idnumber._scan._redaction_options("bench", None, None, None, None, None, None, None, None,
                                                      None, False, None, None).values
    works = [
        ("`redact_many`, Series → Series, mask", count, lambda: idnumber.redact_many(series, as_of=on)),
        ("`redact_many`, list → list, mask", count, lambda: idnumber.redact_many(rows, as_of=on)),
        ("`redact_many`, Series, label", count, lambda: idnumber.redact_many(series, way="label", as_of=on)),
        ("`redact_many`, Series, token (HMAC-SHA-256)", count,
         lambda: idnumber.redact_many(series, way="token", key=key, as_of=on)),
        ("`find_many`, Series → DataFrame of matches", count, lambda: idnumber.find_many(series, as_of=on)),
        ("plain regex, `series.str.replace(pattern, r\"\\1********\\2\")`", count,
         lambda: series.str.replace(MASK_PATTERN, r"\1********\2", regex=True)),
        ("plain regex, `[pattern.sub(r\"\\1********\\2\", row) for row in rows]`", count,
         lambda: [MASK_PATTERN.sub(r"\1********\2", row) for row in rows]),
        ("plain regex, `[re.sub(r\"\\d{17}[\\dXx]\", \"[身份证号]\", row) for row in rows]`", count,
         lambda: [PLAIN_PATTERN.sub("[身份证号]", row) for row in rows]),
        (f"`redact`, one call per row ({len(tenth):,})", len(tenth),
         lambda: [idnumber.redact(row, as_of=on) for row in tenth]),
        ("batch, each row's scan begun by `idn_scanner_restart`", count,
         lambda: idnumber._native.redact_batch(rows, options, reuse="restart")),
        ("batch, each row's scan begun from a copy of the prepared 16 KB context", count,
         lambda: idnumber._native.redact_batch(rows, options, reuse="copy")),
        ("batch, a scanner initialised, given its options and prepared per row (as_of given)", count,
         lambda: idnumber._native.redact_batch(rows, options, reuse="prepare")),
        ("the same, as_of today (prepare reads the clock per row)", count,
         lambda: idnumber._native.redact_batch(rows, today_options, reuse="prepare")),
    ]
    # In CPU time: each call runs in one thread, and other work on a shared
    # machine disturbs it less than the wall clock.
    timings = []
    for name, items, work in works:
        work()
        seconds = best_of(runs, work, time.process_time)
        timings.append((name, items, seconds))
        print(f"  {name}: {seconds * 1000:.0f} ms", file=sys.stderr, flush=True)
    ratios = []
    for _ in range(runs):
        ours = best_of(1, works[0][2], time.process_time)
        theirs = best_of(1, works[5][2], time.process_time)
        ratios.append(theirs / ours)
    ours = idnumber.redact_many(rows, as_of=on)
    theirs = [MASK_PATTERN.sub(r"\1********\2", row) for row in rows]
    changed = (sum(a != b for a, b in zip(ours, rows)), sum(a != b for a, b in zip(theirs, rows)), ratios)
    return timings, changed


def print_text_timings(timings, changed, count):
    print()
    print(f"Finding and redacting in a Series of {count:,} notes (two in five with a number):")
    print()
    print("| What | Rows | Time | Rows per second | ns per row |")
    print("|---|---|---|---|---|")
    for name, items, seconds in timings:
        print(f"| {name} | {items:,} | {seconds * 1000:,.0f} ms | {items / seconds / 1e6:.2f} million | "
              f"{seconds / items * 1e9:.0f} |")
    ratios = sorted(changed[2])
    median = (ratios[(len(ratios) - 1) // 2] + ratios[len(ratios) // 2]) / 2
    print()
    print(f"redact_many (Series, mask) against series.str.replace with the plain regex, in rounds of both: "
          f"{', '.join(f'{r:.1f}×' for r in changed[2])} as fast; minimum {ratios[0]:.1f}×, median {median:.1f}×. "
          f"Rows changed: {changed[0]:,} by redact_many, {changed[1]:,} by the regex (which also masks 18 digits "
          "of longer runs)")


def idtool_time(idtool, arguments, runs):
    def run():
        with open(os.devnull, "wb") as sink:
            return subprocess.run([idtool, "--no-progress", *arguments], stdout=sink, stderr=subprocess.PIPE)
    return best_of(runs, run)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("numbers", help="a file of numbers, one per line (10^6 in the README)")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--dask-runs", type=int, default=3)
    parser.add_argument("--python-runs", type=int, default=2)
    parser.add_argument("--dask", metavar="FILE", help="also time Dask and idtool on this file")
    parser.add_argument("--idtool", default="build/release/idtool")
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--against", metavar="PYTHON", help="also time the batch calls in the idnumber of this "
                        "interpreter, taking turns with this one's")
    parser.add_argument("--timings-json", action="store_true", help="print the batch calls' timings as JSON only")
    parser.add_argument("--texts", type=int, default=1_000_000, help="rows of notes to find and redact in (0: none)")
    parser.add_argument("--scan-only", action="store_true", help="time only finding and redacting")
    arguments = parser.parse_args()
    if arguments.scan_only:
        print(f"idnumber {idnumber.__version__}, pandas {pd.__version__}, Python {sys.version.split()[0]}; "
              f"load average {load_average():.1f} at the start", flush=True)
        print_text_timings(*text_timings(arguments.texts, arguments.runs), arguments.texts)
        return 0

    lines = open(arguments.numbers, encoding="utf-8").read().split("\n")
    if lines[-1] == "":
        lines.pop()
    if arguments.timings_json:
        print(json.dumps(batch_timings(lines, arguments.runs)))
        return 0
    count = len(lines)
    series = pd.Series(lines)
    array = np.array(lines)
    print(f"{count} numbers; idnumber {idnumber.__version__}, NumPy {np.__version__}, pandas {pd.__version__}, "
          f"Python {sys.version.split()[0]}; load average {load_average():.1f} at the start", flush=True)

    # The peer's verdicts agree with verify_many's before anything is timed.
    ours = idnumber.verify_many(lines)
    theirs = verify_python_batch(lines)
    for name in theirs.columns:
        mine = ours[name].astype(object).where(ours[name].notna(), None).tolist()
        assert mine == theirs[name].where(theirs[name].notna(), None).tolist(), name
    del ours, theirs

    rows = []

    def measure(name, runs, work, items=count):
        seconds = best_of(runs, work)
        rows.append((name, items, seconds))
        print(f"  {name}: {seconds * 1000:.0f} ms", file=sys.stderr, flush=True)
        return seconds

    # Rounds of verify_many (list) and the pure-Python loop, one after the other.
    ratios = []
    for _ in range(arguments.runs):
        fast = best_of(1, lambda: idnumber.verify_many(lines))
        slow = best_of(1, lambda: verify_python_batch(lines))
        ratios.append(slow / fast)
        print(f"  round {len(ratios)}: verify_many {fast * 1000:.0f} ms, pure Python {slow * 1000:.0f} ms: "
              f"{slow / fast:.1f}×", file=sys.stderr, flush=True)

    measure("`verify_many`, list of str → DataFrame", arguments.runs, lambda: idnumber.verify_many(lines))
    measure("`verify_many`, pandas Series (object) → DataFrame", arguments.runs, lambda: idnumber.verify_many(series))
    measure("`verify_many`, list of str → dict of NumPy arrays", arguments.runs,
            lambda: idnumber.verify_many(lines, frame=False))
    measure("`verify_many`, NumPy array of str (`<U18`) → DataFrame", arguments.runs,
            lambda: idnumber.verify_many(array))
    measure("`verify_many`, list of str, `fields=(\"valid\", \"reason\")`", arguments.runs,
            lambda: idnumber.verify_many(lines, fields=("valid", "reason")))
    tenth = lines[: count // 10]
    measure("`verify`, one call per number", arguments.python_runs, lambda: [idnumber.verify(n) for n in tenth],
            len(tenth))
    measure("pure Python, one function call per number → DataFrame", arguments.python_runs,
            lambda: verify_python_batch(lines))

    stages = []
    if arguments.dask:
        dask_lines = sum(1 for _ in open(arguments.dask, "rb"))
        status = subprocess.run([arguments.idtool, "--no-progress", "verify", "--only-invalid", "--summary",
                                 arguments.dask], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        expected = status.stderr.strip().removeprefix("idtool: verify: ")
        (every_field, reason_only), summary, partitions, reading = dask_job(arguments.dask, arguments.workers,
                                                                            arguments.dask_runs)
        assert summary == expected, (summary, expected)
        workers = f"Dask, {arguments.workers} worker processes"
        rows.append((f"{workers}: the example's reader alone ({partitions} partitions, `len`)", dask_lines,
                     reading))
        rows.append((f"{workers}: the example's job, `verify_frame(fields=(\"valid\", \"reason\"))`, counts",
                     dask_lines, reason_only))
        rows.append((f"{workers}: the example's job, `verify_frame` (every field), counts", dask_lines,
                     every_field))
        jobs = ["--jobs", str(arguments.workers)]
        idtool_all = idtool_time(arguments.idtool, ["verify", *jobs, arguments.dask], arguments.dask_runs)
        idtool_summary = idtool_time(arguments.idtool, ["verify", *jobs, "--only-invalid", "--summary",
                                                        arguments.dask], arguments.dask_runs)
        rows.append((f"`idtool verify --jobs {arguments.workers}`, every field of every record written", dask_lines,
                     idtool_all))
        rows.append((f"`idtool verify --jobs {arguments.workers} --only-invalid --summary`", dask_lines,
                     idtool_summary))
        stages = partition_stages(arguments.dask)
    texts = text_timings(arguments.texts, arguments.runs) if arguments.texts else None
    both = None
    if arguments.against:
        other_version = subprocess.run([arguments.against, "-c", "import idnumber; print(idnumber.__version__)"],
                                       capture_output=True, text=True, check=True).stdout.strip()
        both = compare_builds(arguments.numbers, arguments.against, arguments.runs)

    print()
    print("| What | Numbers | Time | Numbers per second | ns per number |")
    print("|---|---|---|---|---|")
    for name, items, seconds in rows:
        print(f"| {name} | {items:,} | {seconds * 1000:,.0f} ms | {items / seconds / 1e6:.2f} million | "
              f"{seconds / items * 1e9:.0f} |")
    print()
    ordered = sorted(ratios)
    median = (ordered[(len(ordered) - 1) // 2] + ordered[len(ordered) // 2]) / 2
    print(f"verify_many (list) against the pure-Python loop, each round: "
          f"{', '.join(f'{r:.1f}×' for r in ratios)}; minimum {ordered[0]:.1f}×, median {median:.1f}×")
    if arguments.dask:
        for name, seconds in (("every field", every_field), ("valid and reason", reason_only)):
            print(f"Dask job ({name}) against idtool verify --jobs {arguments.workers} (every field): "
                  f"{seconds / idtool_all:.1f}× the time; against idtool verify --jobs {arguments.workers} "
                  f"--only-invalid --summary: {seconds / idtool_summary:.1f}×")
        count, timed = stages
        print()
        print(f"One partition of the job ({count:,} lines of 16 MB) in one process, by stage:")
        print()
        print("| Stage | Time | ns per line |")
        print("|---|---|---|")
        for name, seconds in timed:
            print(f"| {name} | {seconds * 1000:,.0f} ms | {seconds / count * 1e9:.0f} |")
    if texts is not None:
        print_text_timings(*texts, arguments.texts)
    if both is not None:
        print_comparison(both, other_version)
    return 0


if __name__ == "__main__":
    sys.exit(main())
