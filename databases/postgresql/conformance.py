#!/usr/bin/python3
"""The conformance corpus (tests/conformance) through the extension's SQL
functions, on a running server (psql's PGHOST, PGPORT and PGUSER).

Every section the SQL interface can express:
  verify    the verdict functions of one argument; a case with year_limit
            through idn_valid and idn_reason of two, which the other cases
            also run with 2024 and 2098 (their answers hold for both); a
            decimal input also as bigint; the same again in an EUC_CN
            database, where a character EUC_CN lacks is '?'
  generate  idn_generate, birth as birth_from and born_from/born_to as
            birth_from/birth_to; a refusal is the library's message for the
            SQL parameter names after "idn_generate: ", its status the
            DETAIL; a negative seed gives the case's signed_64
  sex       the words as idn_generate's sex
  mask, upgrade  idn_mask and idn_upgrade, as text and, for a decimal, bigint
  history   idn_code_status and idn_now of a valid number with the code
  regions   idn_generate's region
  age       idn_age(number, on::date), its error for a date that is none
            (as the date's input refuses it); idn_age judges the number by
            every rule but the year, which gives a case's answer whenever
            its year_limit is at least the year of `on`, so the others are
            skipped
  find      idn_find(input, as_of => date, ...) as rows of jsonb, its region
            fields checked against idn_province, idn_city and idn_county of
            the number
  redact    idn_redact(input, as_of => date, redaction => ..., key => bytea,
            ...), its summary counted from idn_find's rows with the same
            options; a number alone through idn_redact_number (NULL for
            none); find and redact run again in the EUC_CN database, where
            the texts are converted
  A refusal is the library's message with the SQL names after the
  function's name, its status the DETAIL; a value SQL gives as a word (an
  integer for a word) is the extension's refusal, with the status of that
  option; a date no calendar has is the date type's error (22008).
and skips, counting them, what it cannot: NUL and bytes that are no UTF-8
(text holds neither), an encoding option (text is the database's; no
parameter reads GBK), as_of_year and a generation's year_limit (no
parameter has them), a count or seed beyond bigint, birth with a range, a
range's first date alone (birth_from alone is one birth date), region
search, in_use_at_birth, the history's records and lines.

A failure names "postgresql <section>/<id>". Ends with the counts; exits 1
on any failure.

  conformance.py [--library build/release/capi/libidnumber.so]
"""

import argparse
import json
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "conformance"))
import corpus  # noqa: E402

INT64_MAX = 2**63 - 1
# An inline literal for pieces up to this many bytes; longer texts are built
# by the server from their form (repeat, parts), not sent whole.
LITERAL_LIMIT = 4096


class Skip(Exception):
    """A case the SQL interface cannot express."""


def text_bytes(form, encoding="utf-8"):
    """The bytes of a text form that a text value can hold, or Skip."""
    data = corpus.bytes_of(form)
    if b"\0" in data:
        raise Skip("NUL")
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        raise Skip("not UTF-8") from None
    if encoding != "utf-8":
        try:
            text.encode(encoding)
        except UnicodeEncodeError:
            raise Skip(f"not in {encoding}") from None
    return data


def sql_text(form, encoding="utf-8"):
    """An SQL expression of type text whose value is the form's text."""
    data = text_bytes(form, encoding)
    if len(data) <= LITERAL_LIMIT or isinstance(form, str):
        return f"convert_from('\\x{data.hex()}'::bytea, 'UTF8')"
    if "repeat" in form:
        return f"repeat({sql_text(form['repeat'], encoding)}, {int(form['times'])})"
    if "parts" in form:
        return "(" + " || ".join(sql_text(part, encoding) for part in form["parts"]) + ")"
    return f"convert_from('\\x{data.hex()}'::bytea, 'UTF8')"


def in_encoding(value, encoding):
    """A text as the database of `encoding` gives it back: '?' for each
    character the encoding lacks. JSON values are walked."""
    if encoding == "utf-8" or value is None or isinstance(value, (bool, int)):
        return value
    if isinstance(value, str):
        return value.encode(encoding, errors="replace").decode(encoding)
    if isinstance(value, list):
        return [in_encoding(item, encoding) for item in value]
    return {key: in_encoding(item, encoding) for key, item in value.items()}


class Run:
    """The cases of one database: each a query whose value is one jsonb,
    with what it should give."""

    def __init__(self, database, encoding):
        self.database = database
        self.encoding = encoding
        self.cases = []  # (name, query, check)
        self.warnings = []  # (name, expected stderr line)
        self.skipped = {}

    def add(self, name, query, check):
        self.cases.append((name, query, check))

    def skip(self, section, why):
        key = f"{section}: {why}"
        self.skipped[key] = self.skipped.get(key, 0) + 1


def expect_value(expected):
    def check(result):
        if "error" in result:
            return f"error {result['error']!r} ({result.get('detail')})"
        if result["value"] != expected:
            return f"gave {json.dumps(result['value'], ensure_ascii=False)}, expected {json.dumps(expected, ensure_ascii=False)}"
        return None
    return check


def expect_error(status, message=None):
    def check(result):
        if "error" not in result:
            return f"gave {json.dumps(result['value'], ensure_ascii=False)}, expected the error {status}"
        if result.get("detail") != status:
            return f"DETAIL {result.get('detail')!r}, expected {status}"
        if message is not None and result["error"] != message:
            return f"message {result['error']!r}, expected {message!r}"
        return None
    return check


def expect_sqlstate(state):
    def check(result):
        if "error" not in result:
            return f"gave {json.dumps(result['value'], ensure_ascii=False)}, expected the SQLSTATE {state}"
        if result.get("state") != state:
            return f"error {result['error']!r} of SQLSTATE {result.get('state')}, expected {state}"
        return None
    return check


VERDICT_FIELDS = ("valid", "reason", "expected_check", "birth_day", "sex", "province", "city", "county",
                  "code_status", "now", "kind")


def verdict_query(number, year_limit=None):
    if year_limit is not None:
        return (f"SELECT jsonb_build_object('valid', idn_valid(n, {year_limit}), 'reason', idn_reason(n, {year_limit}))"
                f" FROM (SELECT {number} AS n) AS s")
    return ("SELECT jsonb_build_object('valid', idn_valid(n), 'reason', idn_reason(n), 'expected_check',"
            " idn_expected_check(n), 'birth_day', idn_birth_date(n), 'sex', idn_sex(n), 'province', idn_province(n),"
            " 'city', idn_city(n), 'county', idn_county(n), 'code_status', idn_code_status(n), 'now', idn_now(n),"
            " 'kind', idn_kind(n), 'valid_2024', idn_valid(n, 2024), 'reason_2024', idn_reason(n, 2024),"
            " 'valid_2098', idn_valid(n, 2098), 'reason_2098', idn_reason(n, 2098))"
            f" FROM (SELECT {number} AS n) AS s")


def add_verify(run):
    for case in corpus.load("verify"):
        name = f"verify/{case['id']}"
        try:
            number = sql_text(case["input"], run.encoding)
        except Skip as why:
            run.skip("verify", why)
            continue
        e = case["expect"]
        if "year_limit" in case:
            expected = {"valid": e["valid"], "reason": e["reason"]}
            run.add(name, verdict_query(number, case["year_limit"]), expect_value(expected))
            continue
        expected = in_encoding({field: e[field] for field in VERDICT_FIELDS}, run.encoding)
        for year in (2024, 2098):
            expected[f"valid_{year}"] = e["valid"]
            expected[f"reason_{year}"] = e["reason"]
        run.add(name, verdict_query(number), expect_value(expected))
        digits = corpus.decimal_int64(case["input"])
        if digits is not None:
            run.add(name + " (bigint)", verdict_query(f"{digits}::bigint"), expect_value(expected))


def generate_call(options, encoding):
    """idn_generate's arguments for the corpus's options, or Skip."""
    why = corpus.sql_generate_unsupported(options)
    if why is not None:
        raise Skip(why)

    def text(field):
        return sql_text(options[field], encoding) if field in options else "NULL::text"

    birth_from = text("birth") if "birth" in options else text("born_from")
    birth_to = text("born_to")
    count = int(options["count"]) if "count" in options else None
    if count is not None and not -2**63 <= count <= INT64_MAX:
        raise Skip("count beyond bigint")
    seed = int(options["seed"]) if "seed" in options else None
    if seed is not None and not -2**63 <= seed < 2**64:
        raise Skip("seed beyond 64 bits")
    if seed is not None and seed > INT64_MAX:
        seed -= 2**64  # the bigint of the same bits
    return (f"idn_generate(region => {text('region')}, birth_from => {birth_from}, birth_to => {birth_to},"
            f" sex => {text('sex')}, count => {'NULL' if count is None else count}::bigint,"
            f" seed => {'NULL' if seed is None else seed}::bigint)")


def numbers_query(call):
    return f"SELECT coalesce(jsonb_agg(n), '[]') FROM {call} AS n"


def add_generate(run, lib, names, year):
    for case in corpus.load("generate"):
        name = f"generate/{case['id']}"
        options = case["options"]
        try:
            call = generate_call(options, run.encoding)
        except Skip as why:
            run.skip("generate", why)
            continue
        expect = case["expect"]
        if "seed" in options and int(options["seed"]) < 0:
            expect = case["signed_64"]
        if "numbers" in expect:
            run.add(name, numbers_query(call), expect_value(expect["numbers"]))
            if "warning" in expect:
                run.warnings.append((name, f"WARNING:  idn_generate: {expect['warning']}"))
            continue
        # The library's message for the options the SQL function passes: its
        # parameter names and the transaction's year as the year limit.
        library = lib.generate(dict(options, year_limit=year), names)
        if library.get("status") != expect["status"]:
            run.add(name, "SELECT NULL::jsonb",
                    lambda result, s=library.get("status"): f"the library gives {s} for the SQL options")
            continue
        run.add(name, numbers_query(call), expect_error(expect["status"], f"idn_generate: {library['message']}"))


def add_sex(run, lib):
    base = {"region": "110105", "birth": "19900101", "count": "6", "seed": "11"}
    for case in corpus.load("sex"):
        name = f"sex/{case['id']}"
        try:
            word = sql_text(case["word"], run.encoding)
        except Skip as why:
            run.skip("sex", why)
            continue
        call = (f"idn_generate(region => '110105', birth_from => '19900101', sex => {word}, count => 6,"
                f" seed => 11)")
        expect = case["expect"]
        if "sex" in expect:
            numbers = lib.generate(dict(base, sex=expect["sex"]))["numbers"]
            run.add(name, numbers_query(call), expect_value(numbers))
        else:
            message = lib.option_message(-39, corpus.bytes_of(case["word"]))
            run.add(name, numbers_query(call), expect_error(expect["status"], f"idn_generate: {message}"))


def add_mask(run):
    for case in corpus.load("mask"):
        name = f"mask/{case['id']}"
        try:
            text = sql_text(case["input"], run.encoding)
        except Skip as why:
            run.skip("mask", why)
            continue
        expected = in_encoding(corpus.bytes_of(case["expect"]).decode("utf-8"), run.encoding)
        run.add(name, f"SELECT to_jsonb(idn_mask({text}))", expect_value(expected))
        digits = corpus.decimal_int64(case["input"])
        if digits is not None:
            run.add(name + " (bigint)", f"SELECT to_jsonb(idn_mask({digits}::bigint))", expect_value(expected))


def add_upgrade(run):
    for case in corpus.load("upgrade"):
        name = f"upgrade/{case['id']}"
        try:
            text = sql_text(case["input"], run.encoding)
        except Skip as why:
            run.skip("upgrade", why)
            continue
        expect = case["expect"]
        check = expect_value(expect["number"]) if "number" in expect else expect_error(expect["status"])
        run.add(name, f"SELECT to_jsonb(idn_upgrade({text}))", check)
        digits = corpus.decimal_int64(case["input"])
        if digits is not None:
            run.add(name + " (bigint)", f"SELECT to_jsonb(idn_upgrade({digits}::bigint))", check)


def add_history(run):
    for case in corpus.load("history"):
        name = f"history/{case['id']}"
        if "year" in case:
            run.skip("history", "in_use_at_birth")
            continue
        code = case["code"]
        if not 100000 <= code <= 999999:
            run.skip("history", "no six-digit code")
            continue
        expected = in_encoding({"code_status": case["expect"]["code_status"], "now": case["expect"]["now"]},
                               run.encoding)
        run.add(name, "SELECT jsonb_build_object('code_status', idn_code_status(n), 'now', idn_now(n))"
                      f" FROM (SELECT stem || idn_expected_check(stem) AS n FROM (SELECT '{code}19900101001' AS stem)"
                      " AS s) AS v", expect_value(expected))


def add_regions(run):
    for case in corpus.load("regions"):
        name = f"regions/{case['id']}"
        if "query" in case:
            run.skip("regions", "search")
            continue
        if case.get("as_of_year"):
            run.skip("regions", "as_of_year")
            continue
        try:
            region = "NULL::text" if case["region"] is None else sql_text(case["region"], run.encoding)
        except Skip as why:
            run.skip("regions", why)
            continue
        query = (f"SELECT to_jsonb(left(n, 6)::int) FROM idn_generate(region => {region}, birth_from => '19900101',"
                 " seed => 1) AS n")
        expect = case["expect"]
        run.add(name, query, expect_value(expect["code"]) if "code" in expect else expect_error(expect["status"]))


def add_age(run):
    for case in corpus.load("age"):
        name = f"age/{case['id']}"
        if case.get("year_limit", 9999) < int(case["on"][:4]):
            run.skip("age", "year_limit below the date's year")
            continue
        try:
            number = sql_text(case["input"], run.encoding)
        except Skip as why:
            run.skip("age", why)
            continue
        query = f"SELECT to_jsonb(idn_age({number}, '{case['on']}'::date))"
        expect = case["expect"]
        if "status" in expect:
            # The library's calendar and PostgreSQL's agree: no date type
            # holds the date.
            assert expect["status"] == "IDN_ERROR_BAD_DATE", name
            run.add(name, query, expect_sqlstate("22008"))
        else:
            run.add(name, query, expect_value(expect["age"]))
        digits = corpus.decimal_int64(case["input"])
        if digits is not None and "age" in expect:
            run.add(name + " (bigint)", f"SELECT to_jsonb(idn_age({digits}::bigint, '{case['on']}'::date))",
                    expect_value(expect["age"]))


FIND_FIELDS = ("start", "length", "line_number", "column_number", "number", "form", "confidence", "flaw", "keyword",
               "kind", "birth_date", "sex", "region_code")


def scan_argument(name, value, encoding):
    """An option's SQL value as a named argument of idn_find or idn_redact."""
    if name == "as_of":
        return f"as_of => date '{value}'"
    if name == "key":
        return f"key => '\\x{value.hex()}'::bytea"
    if name == "label":
        text = value.decode("utf-8")
        if encoding != "utf-8":
            text.encode(encoding)  # UnicodeEncodeError: the database cannot hold it
        return f"label => convert_from('\\x{value.hex()}'::bytea, 'UTF8')"
    if name == "keep":
        return f"keep => '{{{value}}}'::text[]"
    if name == "fifteen_digits":
        return f"fifteen_digits => {'true' if value else 'false'}"
    if isinstance(value, int):
        return f"{name} => {value}"
    return f"{name} => '{value}'"


def scan_call(function, case, encoding, field="input"):
    """The call of a scan case, its options, and the expected refusal's check; or Skip."""
    options = case["options"]
    if "encoding" in options:
        raise Skip("an encoding option: text is the database's")
    pairs, refusal = corpus.sql_scan_options(options)
    try:
        arguments = [sql_text(case[field], encoding)] + [scan_argument(n, v, encoding) for n, v in pairs]
    except UnicodeError:
        raise Skip(f"not in {encoding}") from None
    return f"{function}({', '.join(arguments)})", pairs, refusal


def expect_scan_refusal(function, expect, refusal, library):
    """The refusal of a scan case: the extension's words (start, end) or
    the library's message; the status as DETAIL either way. A date no
    calendar has is refused before the function, by the date type."""
    if refusal is not None and refusal[0].startswith("as_of "):
        return expect_sqlstate("22008")

    def check(result):
        if "error" not in result:
            return f"gave {json.dumps(result['value'], ensure_ascii=False)}, expected the error {expect['status']}"
        if result.get("detail") != expect["status"]:
            return f"DETAIL {result.get('detail')!r}, expected {expect['status']}: {result['error']!r}"
        message = result["error"]
        prefix = f"{function}: "
        if refusal is not None:
            if not (message.startswith(prefix + refusal[0]) and message.endswith(refusal[1])):
                return f"message {message!r}, expected {refusal}"
        elif message != prefix + library["message"]:
            return f"message {message!r}, expected {prefix + library['message']!r}"
        return None
    return check


def find_rows_query(call):
    fields = ", ".join(f"'{field}', {field}" for field in FIND_FIELDS)
    return (f"SELECT coalesce(jsonb_agg(jsonb_build_object({fields}, 'regions', province IS NOT DISTINCT FROM"
            f" idn_province(number) AND city IS NOT DISTINCT FROM idn_city(number) AND county IS NOT DISTINCT FROM"
            f" idn_county(number) OR confidence = 'low') ORDER BY start), '[]') FROM {call}")


def add_find(run, scanning):
    for case in corpus.load("find"):
        name = f"find/{case['id']}"
        try:
            call, _, refusal = scan_call("idn_find", case, run.encoding)
        except Skip as why:
            run.skip("find", why)
            continue
        expect = case["expect"]
        if "matches" in expect:
            rows = [dict(corpus.sql_find_row(m), regions=True) for m in expect["matches"]]
            run.add(name, find_rows_query(call), expect_value(in_encoding(rows, run.encoding)))
        else:
            library = scanning.find(b"", case["options"], names=corpus.SQL_SCAN_NAMES)
            run.add(name, find_rows_query(call), expect_scan_refusal("idn_find", expect, refusal, library))


def add_redact(run, scanning):
    for case in corpus.load("redact"):
        name = f"redact/{case['id']}"
        number = "number" in case
        function = "idn_redact_number" if number else "idn_redact"
        try:
            call, pairs, refusal = scan_call(function, case, run.encoding, "number" if number else "input")
        except Skip as why:
            run.skip("redact", why)
            continue
        expect = case["expect"]
        if "status" in expect and "option" in expect:
            library = scanning.redact(b"", case["options"], names=corpus.SQL_SCAN_NAMES)
            run.add(name, f"SELECT to_jsonb({call})", expect_scan_refusal(function, expect, refusal, library))
            continue
        output = expect.get("output")
        wanted = None if output is None else in_encoding(corpus.bytes_of(output).decode("utf-8"), run.encoding)
        run.add(name, f"SELECT to_jsonb({call})", expect_value(wanted))
        if not number:
            find_pairs = [(n, v) for n, v in pairs if n in ("as_of", "min_confidence", "fifteen_digits")]
            find = f"idn_find({', '.join([sql_text(case['input'], run.encoding)] + [scan_argument(n, v, run.encoding) for n, v in find_pairs])})"
            run.add(name + " (summary)", f"SELECT jsonb_agg(jsonb_build_object('confidence', confidence, 'form', form))"
                                         f" FROM {find}",
                    lambda result, summary=expect["summary"]: None if "value" in result and corpus.summary_of(
                        result["value"] or []) == summary else f"gave {result}, expected the summary {summary}")


ATTEMPT = r"""
\set VERBOSITY terse
SET client_encoding = 'UTF8';
SET datestyle = ISO;
CREATE FUNCTION pg_temp.attempt(query text) RETURNS jsonb LANGUAGE plpgsql AS $attempt$
DECLARE
    result jsonb;
    message text;
    detail text;
    state text;
BEGIN
    EXECUTE query INTO result;
    RETURN jsonb_build_object('value', result);
EXCEPTION WHEN others THEN
    GET STACKED DIAGNOSTICS message = MESSAGE_TEXT, detail = PG_EXCEPTION_DETAIL, state = RETURNED_SQLSTATE;
    RETURN jsonb_build_object('error', message, 'detail', detail, 'state', state);
END
$attempt$;
"""


def psql(database, script):
    return subprocess.run(["psql", "-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-d", database],
                          input=script.encode("utf-8"), capture_output=True, check=False)


def execute(run):
    """Runs the cases; returns the failures' lines and the number passed."""
    script = [ATTEMPT]
    for i, (_, query, _) in enumerate(run.cases):
        if "$q$" in query:
            raise ValueError(f"query {i} holds $q$")
        script.append(f"SELECT {i}, pg_temp.attempt($q${query}$q$);")
    done = psql(run.database, "\n".join(script))
    if done.returncode != 0:
        return [f"postgresql: psql failed: {done.stderr.decode('utf-8', 'replace')}"], 0
    results = {}
    for line in done.stdout.decode("utf-8").splitlines():
        index, _, value = line.partition("|")
        results[int(index)] = json.loads(value)
    failures = []
    passed = 0
    suffix = "" if run.encoding == "utf-8" else f" ({run.encoding} database)"
    for i, (name, _, check) in enumerate(run.cases):
        why = check(results[i]) if i in results else "no result"
        if why is None:
            passed += 1
        else:
            failures.append(f"FAIL: postgresql {name}{suffix}: {why}")
    # The warnings of the session, in order: exactly those expected.
    warnings = [line for line in done.stderr.decode("utf-8").splitlines() if line]
    expected = [line for _, line in run.warnings]
    if warnings == expected:
        passed += len(expected)
    else:
        names = ", ".join(name for name, _ in run.warnings) or "no case"
        failures.append(f"FAIL: postgresql {names}{suffix}: warnings {warnings!r}, expected {expected!r}")
    return failures, passed


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--library", default=str(ROOT / "build" / "release" / "capi" / "libidnumber.so"))
    args = parser.parse_args()
    lib = corpus.library(args.library)
    names = corpus.SQL_OPTION_NAMES

    setup = psql("postgres", "DROP DATABASE IF EXISTS idn_conformance;\n"
                             "DROP DATABASE IF EXISTS idn_conformance_euc_cn;\n"
                             "CREATE DATABASE idn_conformance ENCODING 'UTF8' TEMPLATE template0;\n"
                             "CREATE DATABASE idn_conformance_euc_cn ENCODING 'EUC_CN' LC_COLLATE 'C' LC_CTYPE 'C'"
                             " TEMPLATE template0;\n")
    if setup.returncode != 0:
        sys.exit(f"postgresql: cannot create the databases: {setup.stderr.decode('utf-8', 'replace')}")
    try:
        for database in ("idn_conformance", "idn_conformance_euc_cn"):
            made = psql(database, "CREATE EXTENSION idnumber;")
            if made.returncode != 0:
                sys.exit(f"postgresql: CREATE EXTENSION in {database}: {made.stderr.decode('utf-8', 'replace')}")
        year = int(psql("idn_conformance", "SELECT extract(year FROM now())::int").stdout)

        utf8 = Run("idn_conformance", "utf-8")
        add_verify(utf8)
        add_generate(utf8, lib, names, year)
        add_sex(utf8, lib)
        add_mask(utf8)
        add_upgrade(utf8)
        add_history(utf8)
        add_regions(utf8)
        add_age(utf8)
        scanning = corpus.Scanning(lib.lib)
        add_find(utf8, scanning)
        add_redact(utf8, scanning)
        euc_cn = Run("idn_conformance_euc_cn", "gb2312")
        add_verify(euc_cn)
        add_mask(euc_cn)
        add_history(euc_cn)
        add_find(euc_cn, scanning)
        add_redact(euc_cn, scanning)

        failed = []
        passed = 0
        for run in (utf8, euc_cn):
            failures, run_passed = execute(run)
            failed += failures
            passed += run_passed
            for why, count in sorted(run.skipped.items()):
                print(f"skipped ({run.database}): {count} {why}")
    finally:
        psql("postgres", "DROP DATABASE IF EXISTS idn_conformance;\nDROP DATABASE IF EXISTS idn_conformance_euc_cn;\n")
    for line in failed:
        print(line)
    print(f"postgresql conformance: {passed} passed, {len(failed)} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
