#!/usr/bin/python3
"""The conformance corpus (tests/conformance) through the loadable functions'
SQL, on a running server, over the mariadb client.

Every section the SQL interface can express:
  verify    the verdict functions of one argument, which also run as
            idn_valid and idn_reason of two with 2024 and 2098 (their
            answers hold for both); a case with year_limit through those of
            two; a decimal input also as an integer; texts as utf8mb4
            strings, hex inputs as binary strings X'..'
  generate  idn_generate, birth as birth_from and born_from/born_to as
            birth_from/birth_to, a count not given as NULL; a refusal is the
            library's message for the SQL parameter names in the server's
            "Can't initialize function 'idn_generate'; ..."; the warning of
            a birth date no calendar has is the statement's; a negative seed
            gives the case's signed_64
  sex       the words as idn_generate's sex
  mask      idn_mask of texts (and of a decimal as an integer); bytes through
            idn_mask_utf8mb4, which takes them as they are, and through
            idn_mask, whose utf8mb4 parameter refuses bytes that are no
            UTF-8 (error 1366, in MariaDB's strict mode)
  upgrade   idn_upgrade: the number, or NULL for a refusal
  history   idn_code_status and idn_now of a valid number with the code
  regions   idn_generate's region: its code, or the library's message
  age       idn_age(n, on) with `on` as text and as a DATE; a date that is
            none fails the statement in idn_age's init; idn_age judges the
            number by every rule but the year, which gives a case's answer
            whenever its year_limit is at least the year of `on`, so the
            others are skipped
  find      idn_find_json(x, name, value...): its array, each match with
            start and length in characters and byte_start and byte_length
            in bytes, the region fields the library's for the code; texts
            as utf8mb4 strings, bytes as binary strings (the encoding
            option reads them)
  redact    idn_redact(x, redaction, key, name, value...), the summary
            counted from idn_find_json's array with the same options; a
            number alone through idn_redact_number (NULL for none). A
            refusal is the library's message, or this module's for a value
            SQL gives as a word or a date, in the server's "Can't
            initialize function ..."
and skips, counting them, what it cannot: as_of_year and a generation's
year_limit (no parameter has them), a count or seed beyond 64 bits (no
integer type holds them), birth with a range, a range's first date alone (birth_from alone is
one birth date), region search, in_use_at_birth, the history's records, and
lines.

A failure names "mariadb <section>/<id>". Ends with the counts; exits 1 on
any failure.

  conformance.py --socket DIR/mariadb.sock [--library build/release/capi/libidnumber.so]
"""

import argparse
import hashlib
import json
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[2]
sys.path.insert(0, str(ROOT / "tests" / "conformance"))
import corpus  # noqa: E402

DATABASE = "idn_conformance"
# Pieces up to this many bytes are literals; longer texts are built by the
# server from their form (REPEAT, CONCAT), not sent whole.
LITERAL_LIMIT = 4096
# Results longer than this are compared by their SHA-256.
HEX_LIMIT = 65536
INIT_ERROR = "ERROR 1123 (HY000): Can't initialize function 'idn_generate'; "


class Skip(Exception):
    """A case the SQL interface cannot express."""


def sql_value(form):
    """An SQL expression whose value is the form's bytes: a utf8mb4 string for
    a text, a binary string for bytes."""
    if isinstance(form, dict) and len(corpus.bytes_of(form)) > LITERAL_LIMIT:
        if "repeat" in form:
            return f"REPEAT({sql_value(form['repeat'])}, {int(form['times'])})"
        if "parts" in form:
            return "CONCAT(" + ", ".join(sql_value(part) for part in form["parts"]) + ")"
    data = corpus.bytes_of(form)
    return f"_utf8mb4 X'{data.hex()}'" if corpus.is_text(form) else f"X'{data.hex()}'"


def shown(data):
    """How a result is compared: its hex, or the SHA-256 of a long one."""
    if data is None:
        return None
    return data.hex().upper() if len(data) <= HEX_LIMIT else hashlib.sha256(data).hexdigest()


def shown_sql(expression, expected_length):
    return f"HEX({expression})" if expected_length <= HEX_LIMIT else f"SHA2({expression}, 256)"


class Run:
    """The cases: each one statement giving one row of columns, or an error;
    with the lines expected of it, or a check of them (None when they pass,
    else why not)."""

    def __init__(self):
        self.cases = []  # (name, statement, expected lines)
        self.skipped = {}

    def add(self, name, statement, expected):
        self.cases.append((name, statement, expected))

    def skip(self, section, why):
        key = f"{section}: {why}"
        self.skipped[key] = self.skipped.get(key, 0) + 1


def row(*values):
    """The line the client prints for a row: NULL for None."""
    return "\t".join("NULL" if value is None else str(value) for value in values)


def text(value):
    return None if value is None else value.encode("utf-8")


# ---- Sections ---------------------------------------------------------------------

VERDICT_COLUMNS = ("idn_valid(n)", "HEX(idn_reason(n))", "HEX(idn_expected_check(n))", "HEX(idn_birth_date(n))",
                   "HEX(idn_sex(n))", "HEX(idn_province(n))", "HEX(idn_city(n))", "HEX(idn_county(n))",
                   "HEX(idn_code_status(n))", "HEX(idn_now(n))", "HEX(idn_kind(n))", "idn_valid(n, 2024)",
                   "HEX(idn_reason(n, 2024))", "idn_valid(n, 2098)", "HEX(idn_reason(n, 2098))")


def verdict_check(expected):
    """A check of the verdict row: each column's bytes as text, idn_now's as
    the JSON value it holds."""
    def check(lines):
        if len(lines) != 1:
            return f"gave {lines!r}"
        got = []
        for column, value in zip(VERDICT_COLUMNS, lines[0].split("\t")):
            if value == "NULL":
                value = None
            elif column.startswith("HEX("):
                value = bytes.fromhex(value).decode("utf-8")
                if column == "HEX(idn_now(n))":
                    value = json.loads(value)
            else:
                value = int(value)
            got.append(value)
        if got != expected:
            return f"gave {got!r}, expected {expected!r}"
        return None
    return check


def add_verify(run):
    for case in corpus.load("verify"):
        name = f"verify/{case['id']}"
        number = sql_value(case["input"])
        e = case["expect"]
        valid = int(e["valid"])
        if "year_limit" in case:
            year = case["year_limit"]
            run.add(name, f"SELECT idn_valid(n, {year}), HEX(idn_reason(n, {year})) FROM (SELECT {number} AS n) AS s",
                    [row(valid, shown(text(e["reason"])))])
            continue
        expected = [valid, e["reason"], e["expected_check"], e["birth_day"], e["sex"], e["province"], e["city"],
                    e["county"], e["code_status"], e["now"], e["kind"], valid, e["reason"], valid, e["reason"]]
        statement = f"SELECT {', '.join(VERDICT_COLUMNS)} FROM (SELECT {{}} AS n) AS s"
        run.add(name, statement.format(number), verdict_check(expected))
        digits = corpus.decimal_int64(case["input"])
        if digits is not None:
            run.add(name + " (integer)", statement.format(digits), verdict_check(expected))


def generate_call(options, index):
    """idn_generate's arguments for the corpus's options, or Skip."""
    why = corpus.sql_generate_unsupported(options)
    if why is not None:
        raise Skip(why)

    def value(field):
        return sql_value(options[field]) if field in options else "NULL"

    birth_from = value("birth") if "birth" in options else value("born_from")
    count = options.get("count")
    if count is not None and not -2**63 <= int(count) < 2**64:
        raise Skip("count beyond 64 bits")
    seed = options.get("seed")
    if seed is not None and not -2**63 <= int(seed) < 2**64:
        raise Skip("seed beyond 64 bits")
    # A count or seed above 2^63 - 1 is a BIGINT UNSIGNED literal, which the
    # function gets as the signed integer of the same bits.
    return (f"idn_generate({value('region')}, {birth_from}, {value('born_to')}, {value('sex')},"
            f" {'NULL' if count is None else int(count)}, {'NULL' if seed is None else int(seed)}, {index})")


def numbers_statement(options, count):
    """The numbers 0 to count-1 (and the NULL of index count), in order."""
    call = generate_call(options, "seq")
    return (f"SELECT HEX(GROUP_CONCAT(n ORDER BY seq SEPARATOR ',')), COUNT(n), COUNT(*)"
            f" FROM (SELECT seq, {call} AS n FROM seq_0_to_{count}) AS g;\nSHOW WARNINGS")


def numbers_row(numbers):
    return row(",".join(numbers).encode().hex().upper() if numbers else None, len(numbers), len(numbers) + 1)


def add_generate(run, lib, names, year):
    for case in corpus.load("generate"):
        name = f"generate/{case['id']}"
        options = case["options"]
        try:
            generate_call(options, 0)
        except Skip as why:
            run.skip("generate", why)
            continue
        expect = case["expect"]
        if "seed" in options and int(options["seed"]) < 0:
            expect = case["signed_64"]
        if "numbers" in expect:
            lines = [numbers_row(expect["numbers"])]
            if "warning" in expect:
                lines.append(row("Warning", 1105, f"idn_generate: {expect['warning']}"))
            run.add(name, numbers_statement(options, len(expect["numbers"])), lines)
            continue
        # The library's message for the options the SQL function passes: its
        # parameter names and the statement's year as the year limit.
        library = lib.generate(dict(options, year_limit=year), names)
        if library.get("status") != expect["status"]:
            run.add(name, "SELECT 'the library differs'", [f"the library gives {library.get('status')} for the options"])
            continue
        run.add(name, f"SELECT {generate_call(options, 0)}", [INIT_ERROR + library["message"]])


def add_sex(run, lib, names):
    base = {"region": "110105", "birth": "19900101", "count": "6", "seed": "11"}
    for case in corpus.load("sex"):
        name = f"sex/{case['id']}"
        options = dict(base, sex=case["word"])
        expect = case["expect"]
        if "sex" in expect:
            numbers = lib.generate(dict(base, sex=expect["sex"]))["numbers"]
            run.add(name, numbers_statement(options, 6), [numbers_row(numbers)])
        else:
            message = lib.generate(options, names)["message"]
            run.add(name, f"SELECT {generate_call(options, 0)}", [INIT_ERROR + message])


def add_mask(run):
    for case in corpus.load("mask"):
        name = f"mask/{case['id']}"
        data = corpus.bytes_of(case["input"])
        expected = corpus.bytes_of(case["expect"])
        value = sql_value(case["input"])
        if corpus.is_text(case["input"]):
            run.add(name, f"SELECT {shown_sql(f'idn_mask({value})', len(expected))}", [row(shown(expected))])
            digits = corpus.decimal_int64(case["input"])
            if digits is not None:
                run.add(name + " (integer)", f"SELECT {shown_sql(f'idn_mask({digits})', len(expected))}",
                        [row(shown(expected))])
            continue
        run.add(name + " (idn_mask_utf8mb4)", f"SELECT {shown_sql(f'idn_mask_utf8mb4({value})', len(expected))}",
                [row(shown(expected))])
        try:
            data.decode("utf-8")
            lines = [row(shown(expected))]
        except UnicodeDecodeError:
            lines = ["ERROR 1366 (22007): Incorrect string value"]
        run.add(name, f"SELECT {shown_sql(f'idn_mask({value})', len(expected))}", lines)


def add_upgrade(run):
    for case in corpus.load("upgrade"):
        name = f"upgrade/{case['id']}"
        expect = case["expect"]
        expected = [row(shown(text(expect.get("number"))))]
        run.add(name, f"SELECT HEX(idn_upgrade({sql_value(case['input'])}))", expected)
        digits = corpus.decimal_int64(case["input"])
        if digits is not None:
            run.add(name + " (integer)", f"SELECT HEX(idn_upgrade({digits}))", expected)


def add_history(run):
    for case in corpus.load("history"):
        name = f"history/{case['id']}"
        if "year" in case:
            run.skip("history", "in_use_at_birth")
            continue
        e = case["expect"]
        stem = f"{case['code']:06d}19900101001"

        def check(lines, expected=(e["code_status"], e["now"])):
            if len(lines) != 1 or lines[0].count("\t") != 1:
                return f"gave {lines!r}"
            status, now = (bytes.fromhex(value).decode("utf-8") for value in lines[0].split("\t"))
            if (status, json.loads(now)) != expected:
                return f"gave {status} {now}, expected {expected!r}"
            return None
        run.add(name, "SELECT HEX(idn_code_status(n)), HEX(idn_now(n))"
                      f" FROM (SELECT CONCAT('{stem}', idn_expected_check('{stem}')) AS n) AS v", check)


def add_regions(run, lib, names, year):
    for case in corpus.load("regions"):
        name = f"regions/{case['id']}"
        if "query" in case:
            run.skip("regions", "search")
            continue
        if case.get("as_of_year"):
            run.skip("regions", "as_of_year")
            continue
        options = {"birth": "19900101", "seed": "1"}
        if case["region"] is not None:
            options["region"] = case["region"]
        expect = case["expect"]
        if "code" in expect:
            lines = [row(expect["code"])]
        else:
            lines = [INIT_ERROR + lib.generate(dict(options, year_limit=year), names)["message"]]
        run.add(name, f"SELECT LEFT({generate_call(options, 0)}, 6)", lines)


def add_age(run):
    for case in corpus.load("age"):
        name = f"age/{case['id']}"
        if case.get("year_limit", 9999) < int(case["on"][:4]):
            run.skip("age", "year_limit below the date's year")
            continue
        number, on, expect = sql_value(case["input"]), case["on"], case["expect"]
        if "status" in expect:
            assert expect["status"] == "IDN_ERROR_BAD_DATE", name
            run.add(name, f"SELECT idn_age({number}, '{on}')",
                    [f"ERROR 1123 (HY000): Can't initialize function 'idn_age'; as_of {on} is no calendar date"])
            continue
        run.add(name, f"SELECT idn_age({number}, '{on}')", [row(expect["age"])])
        run.add(name + " (DATE)", f"SELECT idn_age({number}, DATE'{on}')", [row(expect["age"])])


FIND_OPTIONS = ("as_of", "min_confidence", "fifteen_digits", "encoding")


def scan_value(value):
    """An option's value as SQL: bytes as a binary string, a number, a word."""
    if isinstance(value, bytes):
        return f"X'{value.hex()}'"
    if isinstance(value, int):
        return str(value)
    return "'" + value.replace("'", "''") + "'"


def scan_arguments(x, pairs, redaction):
    """x, then redaction and key for idn_redact, then pairs of name and value."""
    given = dict(pairs)
    arguments = [x]
    if redaction:
        for name in ("redaction", "key"):
            arguments.append(scan_value(given.pop(name)) if name in given else "NULL")
    for name, value in given.items():
        arguments += [f"'{name}'", scan_value(value)]
    return ", ".join(arguments)


def scan_refusal_check(function, refusal, library):
    def check(lines):
        start = f"ERROR 1123 (HY000): Can't initialize function '{function}'; "
        if len(lines) != 1:
            return f"gave {lines!r}"
        if refusal is not None:
            ok = lines[0].startswith(start + refusal[0]) and lines[0].endswith(refusal[1])
        else:
            ok = lines[0] == start + library["message"]
        return None if ok else f"gave {lines[0]!r}, expected {refusal or library['message']!r}"
    return check


def json_check(wanted):
    """A check of one line: the hex of a JSON value equal to `wanted`."""
    def check(lines):
        if len(lines) != 1 or lines[0] == "NULL":
            return f"gave {lines!r}"
        got = json.loads(bytes.fromhex(lines[0]).decode("utf-8"))
        return None if wanted(got) else f"gave {json.dumps(got, ensure_ascii=False)}"
    return check


def add_find(run, lib, scanning):
    for case in corpus.load("find"):
        name = f"find/{case['id']}"
        pairs, refusal = corpus.sql_scan_options(case["options"])
        call = f"idn_find_json({scan_arguments(sql_value(case['input']), pairs, False)})"
        expect = case["expect"]
        if "matches" not in expect:
            library = scanning.find(b"", case["options"], names=corpus.SQL_SCAN_NAMES)
            run.add(name, f"SELECT HEX({call})", scan_refusal_check("idn_find_json", refusal, library))
            continue
        rows = []
        for match in expect["matches"]:
            row_ = dict(corpus.sql_find_row(match), byte_start=match["byte_offset"] + 1, byte_length=match["byte_length"])
            valid = match["confidence"] != "low"
            province, city, county = lib.region_fields(match["region_code"]) if valid else (None, None, None)
            rows.append(dict(row_, province=province, city=city, county=county))
        run.add(name, f"SELECT HEX({call})", json_check(lambda got, rows=rows: got == rows))


def add_redact(run, scanning):
    for case in corpus.load("redact"):
        name = f"redact/{case['id']}"
        number = "number" in case
        function = "idn_redact_number" if number else "idn_redact"
        pairs, refusal = corpus.sql_scan_options(case["options"])
        x = sql_value(case["number"] if number else case["input"])
        statement = f"SELECT HEX({function}({scan_arguments(x, pairs, True)}))"
        expect = case["expect"]
        if "output" not in expect and "option" in expect:
            library = scanning.redact(b"", case["options"], names=corpus.SQL_SCAN_NAMES)
            run.add(name, statement, scan_refusal_check(function, refusal, library))
            continue
        output = corpus.bytes_of(expect["output"]) if "output" in expect else None
        run.add(name, statement, [row(shown(output))])
        if not number:
            find = f"idn_find_json({scan_arguments(x, [(n, v) for n, v in pairs if n in FIND_OPTIONS], False)})"
            run.add(name + " (summary)", f"SELECT HEX({find})",
                    json_check(lambda got, summary=expect["summary"]: corpus.summary_of(got) == summary))


# ---- Running ---------------------------------------------------------------------------

def client(socket, *arguments, script):
    return subprocess.run(["mariadb", "--no-defaults", f"--socket={socket}", "--user=root",
                           "--default-character-set=utf8mb4", *arguments],
                          input=script.encode("utf-8"), capture_output=True, check=False)


MARKER = "idn-case"


def execute(run, socket):
    """Runs every case in one session; returns the failures' lines and the
    number passed. Each case follows a marker row, so that its rows and its
    error (the client's error lines, in order with its rows in one stream)
    are told apart."""
    script = []
    for i, (_, statement, _) in enumerate(run.cases):
        script.append(f"SELECT '{MARKER} {i}';\n{statement};")
    done = subprocess.run(
        ["mariadb", "--no-defaults", f"--socket={socket}", "--user=root", "--default-character-set=utf8mb4",
         "--batch", "--raw", "--skip-column-names", "--force", "--unbuffered", DATABASE],
        input="\n".join(script).encode("utf-8"), stdout=subprocess.PIPE, stderr=subprocess.STDOUT, check=False)
    output = {}
    current = None
    echoed = after_echo = False
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        # Before an error the client echoes the statement between two rules
        # and an empty line.
        if line == "--------------":
            echoed = not echoed
            after_echo = not echoed
            continue
        if echoed or (after_echo and line == ""):
            after_echo = False
            continue
        after_echo = False
        if line.startswith(MARKER + " "):
            current = int(line.split()[1])
            output[current] = []
        elif current is not None:
            # The client names the script's line of an error; the case does not.
            output[current].append(re.sub(r"^(ERROR \d+ \(\w+\)) at line \d+:", r"\1:", line))
    failures = []
    passed = 0
    for i, (name, _, expected) in enumerate(run.cases):
        got = output.get(i)
        if got is None:
            why = "no output"
        elif callable(expected):
            why = expected(got)
        else:
            if expected and expected[0].startswith("ERROR 1366") and got and got[0].startswith(expected[0]):
                got = [expected[0]]  # the rest names the bytes and the column
            why = None if got == expected else f"gave {got!r}, expected {expected!r}"
        if why is None:
            passed += 1
        else:
            failures.append(f"FAIL: mariadb {name}: {why}")
    return failures, passed


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--socket", required=True)
    parser.add_argument("--library", default=str(ROOT / "build" / "release" / "capi" / "libidnumber.so"))
    args = parser.parse_args()
    lib = corpus.library(args.library)
    names = corpus.SQL_OPTION_NAMES
    year = lib.lib.idn_current_year()

    setup = client(args.socket, script=f"DROP DATABASE IF EXISTS {DATABASE}; CREATE DATABASE {DATABASE};")
    install = client(args.socket, DATABASE, script=(HERE.parent / "install.sql").read_text(encoding="utf-8"))
    if setup.returncode != 0 or install.returncode != 0:
        print("mariadb conformance: setting up failed:", (setup.stderr + install.stderr).decode("utf-8", "replace"))
        return 1

    run = Run()
    add_verify(run)
    add_generate(run, lib, names, year)
    add_sex(run, lib, names)
    add_mask(run)
    add_upgrade(run)
    add_history(run)
    add_regions(run, lib, names, year)
    add_age(run)
    scanning = corpus.Scanning(lib.lib)
    add_find(run, lib, scanning)
    add_redact(run, scanning)
    for section in ("lines",):
        for _ in corpus.load(section):
            run.skip(section, "files")

    failures, passed = execute(run, args.socket)
    for line in failures:
        print(line)
    client(args.socket, script=f"DROP DATABASE IF EXISTS {DATABASE};")
    skipped = ", ".join(f"{key} {count}" for key, count in sorted(run.skipped.items()))
    print(f"mariadb conformance: {passed} passed, {len(failures)} failed; skipped: {skipped}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
