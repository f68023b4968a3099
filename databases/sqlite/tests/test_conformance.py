"""The conformance corpus (tests/conformance/) through the extension's SQL:
every section an SQL function can express, each case's failure named
"sqlite SECTION/ID".

- verify: every verdict function; texts are bound as TEXT, hex inputs as
  BLOB; a case with year_limit through idn_valid(x, year_limit) and
  idn_reason(x, year_limit), the others also with the limits 2024 and 2098,
  for which the corpus's answers hold.
- generate, sex, regions: through idn_generate; a refusal is the SQL error
  "idn_generate: " and the library's message for the SQL argument names,
  computed by corpus.py's ctypes wrapper of the C API.
- mask, upgrade: idn_mask and idn_upgrade (NULL for a refused text).
- history: idn_code_status and idn_now of a valid number of each code.
- age: idn_age(x, on), NULL for no age, the SQL error for a date that is
  none. idn_age judges the number by every rule but the year, which gives
  the case's answer whenever its year_limit is at least the year of `on`
  (a birth after `on` has no age either way); the other cases are skipped.
- find: idn_find(x, as_of, min_confidence, fifteen_digits, encoding), a
  text as TEXT (start and length in characters) unless an encoding is given,
  bytes as BLOB (start and length in bytes); the region fields are those of
  idn_province, idn_city and idn_county of the number.
- redact: idn_redact(x, redaction, key, name, value...), the summary as
  idn_find's rows with the same options count it; a number alone through
  idn_redact_number (NULL for none). A refusal is "idn_find: " or
  "idn_redact: " and the library's message in the SQL names; a value SQL
  gives as a word or a date that the library never sees (an integer for a
  word, 2023-02-29) is this module's refusal. Each case runs whole: a row is
  one text.
lines.json is idtool's reading of files, which SQL has no part in.

Run with Debian's Python and the release build's C API:
    IDN_SQLITE_EXTENSION=build/release/databases/sqlite/idnumber.so \\
    IDNUMBER_LIBRARY=build/release/capi/libidnumber.so /usr/bin/python3 -m unittest -v test_conformance
"""
import json
import os
import pathlib
import sqlite3
import sys
import unittest

REPOSITORY = pathlib.Path(__file__).resolve().parents[3]
sys.path.insert(0, str(REPOSITORY / "tests" / "conformance"))
import corpus  # noqa: E402
from test_extension import connect  # noqa: E402  (unittest discovery puts this folder on the path)

EXTENSION = os.environ["IDN_SQLITE_EXTENSION"]
LIBRARY = corpus.library()
INT64 = range(-2 ** 63, 2 ** 63)
VERDICT_FUNCTIONS = ["idn_valid", "idn_reason", "idn_expected_check", "idn_birth_date", "idn_sex", "idn_province",
                     "idn_city", "idn_county", "idn_code_status", "idn_now", "idn_kind"]


def verify_value(form):
    """A verify input as SQL takes it: a text form as TEXT (a lone surrogate
    as U+FFFD, as every UTF-16 host converts it), a hex form as BLOB."""
    return corpus.bytes_of(form).decode("utf-8") if corpus.is_text(form) else corpus.bytes_of(form)


def text_argument(form):
    """An idn_generate text argument: its SQL and its parameters. Bytes that
    are no UTF-8 are TEXT all the same (a BLOB is refused as a type)."""
    if form is None:
        return "NULL", []
    if corpus.is_text(form):
        return "?", [corpus.bytes_of(form).decode("utf-8")]
    return "CAST(? AS TEXT)", [corpus.bytes_of(form)]


def integer_argument(text, seed=False):
    """A count or seed of the corpus (decimal text) as SQL gives it: a signed
    64-bit integer, a seed of 2^63 or more as its negative twin of the same
    bits, and a value beyond both as its decimal text, which idn_generate
    reads as SQLite reads numbers."""
    if text is None:
        return None
    value = int(text)
    if value in INT64:
        return value
    if seed and value in range(2 ** 64):
        return value - 2 ** 64
    return text


FIND_COLUMNS = ["start", "length", "line_number", "column_number", "number", "form", "confidence", "flaw", "keyword",
                "kind", "birth_date", "sex", "region_code"]
FIND_OPTIONS = ["as_of", "min_confidence", "fifteen_digits", "encoding"]


def scan_input(form, options):
    """A scan case's input as SQLite takes it: TEXT for a text read as UTF-8,
    a BLOB for bytes or for a text read in another encoding; and the unit of
    start and length."""
    if corpus.is_text(form) and options.get("encoding", "utf8") == "utf8":
        return corpus.bytes_of(form).decode("utf-8"), "char"
    return corpus.bytes_of(form), "byte"


def scan_refusal(error, refusal, library_message, prefix):
    """Whether an SQL error is the expected refusal: this module's (start,
    end) or the library's message."""
    if refusal is not None:
        start, end = refusal
        return error.startswith(prefix + start) and error.endswith(end)
    return error == prefix + library_message


class Conformance(unittest.TestCase):
    def setUp(self):
        self.db = connect()

    def generate(self, options):
        """idn_generate's numbers for the corpus's options, or the message of
        its error."""
        parts, parameters = [], []
        birth_from = options.get("birth", options.get("born_from"))
        for form in (options.get("region"), birth_from, options.get("born_to"), options.get("sex")):
            sql, values = text_argument(form)
            parts.append(sql)
            parameters += values
        for value in (integer_argument(options.get("count")), integer_argument(options.get("seed"), seed=True)):
            parts.append("NULL" if value is None else "?")
            parameters += [] if value is None else [value]
        try:
            rows = self.db.execute(f"SELECT number FROM idn_generate({', '.join(parts)})", parameters).fetchall()
        except sqlite3.OperationalError as error:
            return None, str(error)
        return [row[0] for row in rows], None

    def assert_refused(self, name, options, got, message):
        """The case's refusal, as the library words it for SQL's names."""
        library = LIBRARY.generate(options, corpus.SQL_OPTION_NAMES)
        self.assertIn("status", library, f"{name}: the library gives numbers: {library}")
        self.assertIsNone(got, f"{name}: numbers instead of a refusal")
        self.assertEqual(message, "idn_generate: " + library["message"], name)
        return library

    def test_verify(self):
        select = "SELECT " + ", ".join(f"{f}(?1)" for f in VERDICT_FUNCTIONS) + \
                 ", idn_valid(?1, 2024), idn_reason(?1, 2024), idn_valid(?1, 2098), idn_reason(?1, 2098)"
        for case in corpus.load("verify"):
            name = f"sqlite verify/{case['id']}"
            with self.subTest(name):
                value, expect = verify_value(case["input"]), case["expect"]
                verdict = (int(expect["valid"]), expect["reason"])
                if "year_limit" in case:
                    row = self.db.execute("SELECT idn_valid(?1, ?2), idn_reason(?1, ?2), idn_expected_check(?1)",
                                          (value, case["year_limit"])).fetchone()
                    self.assertEqual(row, verdict + (expect["expected_check"],), name)
                    continue
                got = dict(zip(VERDICT_FUNCTIONS + ["valid_2024", "reason_2024", "valid_2098", "reason_2098"],
                               self.db.execute(select, (value,)).fetchone()))
                now = got.pop("idn_now")
                self.assertEqual(now if now is None else json.loads(now), expect["now"], name)
                self.assertEqual(got, {
                    "idn_valid": verdict[0], "idn_reason": verdict[1], "idn_expected_check": expect["expected_check"],
                    "idn_birth_date": expect["birth_day"], "idn_sex": expect["sex"],
                    "idn_province": expect["province"], "idn_city": expect["city"], "idn_county": expect["county"],
                    "idn_code_status": expect["code_status"], "idn_kind": expect["kind"],
                    "valid_2024": verdict[0], "reason_2024": verdict[1],
                    "valid_2098": verdict[0], "reason_2098": verdict[1]}, name)

    def test_generate(self):
        for case in corpus.load("generate"):
            name = f"sqlite generate/{case['id']}"
            with self.subTest(name):
                options, expect = case["options"], case["expect"]
                why = corpus.sql_generate_unsupported(options)
                if why is not None:
                    self.skipTest(f"{name}: {why}")
                numbers, message = self.generate(options)
                seed = options.get("seed")
                if "signed_64" in case and seed is not None and int(seed) < 0:
                    # SQLite's integers are signed: a negative seed is the
                    # unsigned seed of the same bits.
                    expect = case["signed_64"]
                    options = dict(options, seed=str(int(seed) + 2 ** 64))
                if "numbers" in expect:
                    self.assertIsNone(message, name)
                    self.assertEqual(numbers, expect["numbers"], name)
                else:
                    library = self.assert_refused(name, options, numbers, message)
                    self.assertEqual((library["status"], library["option"]), (expect["status"], expect["option"]),
                                     name)

    def test_sex(self):
        for case in corpus.load("sex"):
            name = f"sqlite sex/{case['id']}"
            with self.subTest(name):
                options = {"region": "110105", "birth": "19900101", "sex": case["word"], "count": "20", "seed": "3"}
                numbers, message = self.generate(options)
                if "sex" in case["expect"]:
                    expected = LIBRARY.generate(dict(options, sex=case["expect"]["sex"]), corpus.SQL_OPTION_NAMES)["numbers"]
                    self.assertEqual(numbers, expected, f"{name}: {message}")
                    words = {"male": {"男"}, "female": {"女"}, "any": {"男", "女"}}[case["expect"]["sex"]]
                    self.assertLessEqual({self.db.execute("SELECT idn_sex(?)", (n,)).fetchone()[0] for n in numbers},
                                         words, name)
                else:
                    library = self.assert_refused(name, options, numbers, message)
                    self.assertEqual(library["status"], case["expect"]["status"], name)

    def test_mask(self):
        for case in corpus.load("mask"):
            name = f"sqlite mask/{case['id']}"
            with self.subTest(name):
                masked, kind = self.db.execute("SELECT idn_mask(?1), typeof(idn_mask(?1))",
                                               (verify_value(case["input"]),)).fetchone()
                self.assertEqual(kind, "text", name)
                self.assertEqual(masked, corpus.bytes_of(case["expect"]).decode("utf-8"), name)

    def test_upgrade(self):
        for case in corpus.load("upgrade"):
            name = f"sqlite upgrade/{case['id']}"
            with self.subTest(name):
                number = self.db.execute("SELECT idn_upgrade(?)", (verify_value(case["input"]),)).fetchone()[0]
                self.assertEqual(number, case["expect"].get("number"), name)

    def test_history(self):
        for case in corpus.load("history"):
            name = f"sqlite history/{case['id']}"
            with self.subTest(name):
                if "year" in case:
                    self.skipTest(f"{name}: no SQL function says whether a code was in use in a birth year")
                # A valid number of the code: its region, 1990-01-01, sequence 001.
                row = self.db.execute("SELECT idn_valid(n), idn_code_status(n), idn_now(n) FROM"
                                      " (SELECT ?1 || idn_expected_check(?1) AS n)",
                                      (f"{case['code']:06d}19900101001",)).fetchone()
                self.assertEqual(row[:2], (1, case["expect"]["code_status"]), name)
                self.assertEqual(json.loads(row[2]), case["expect"]["now"], name)

    def test_age(self):
        for case in corpus.load("age"):
            name = f"sqlite age/{case['id']}"
            with self.subTest(name):
                if case.get("year_limit", 9999) < int(case["on"][:4]):
                    self.skipTest(f"{name}: idn_age takes no year limit below the date's year")
                try:
                    got = {"age": self.db.execute("SELECT idn_age(?, ?)",
                                                  (verify_value(case["input"]), case["on"])).fetchone()[0]}
                except sqlite3.OperationalError as error:
                    got = {"error": str(error)}
                if "status" in case["expect"]:
                    self.assertEqual(case["expect"]["status"], "IDN_ERROR_BAD_DATE", name)
                    self.assertEqual(got, {"error": f"idn_age: as_of {case['on']} is no calendar date"}, name)
                else:
                    self.assertEqual(got, case["expect"], name)

    def find_rows(self, value, pairs):
        """idn_find's rows (with the region fields checked against the
        verdict functions') or the error."""
        given = dict(pairs)
        arguments = [value] + [given.get(name) for name in FIND_OPTIONS]
        query = (f"SELECT {', '.join(FIND_COLUMNS)}, province IS idn_province(number) AND city IS idn_city(number)"
                 f" AND county IS idn_county(number) FROM idn_find(?, ?, ?, ?, ?)")
        try:
            rows = self.db.execute(query, arguments).fetchall()
        except sqlite3.OperationalError as error:
            return None, str(error)
        found = []
        for row in rows:
            match = dict(zip(FIND_COLUMNS, row))
            match["form"] = json.loads(match["form"])
            match["regions_agree"] = row[-1] == 1 or match["confidence"] == "low"
            found.append(match)
        return found, None

    def test_find(self):
        scanning = corpus.Scanning(LIBRARY.lib)
        for case in corpus.load("find"):
            name = f"sqlite find/{case['id']}"
            with self.subTest(name):
                pairs, refusal = corpus.sql_scan_options(case["options"])
                value, unit = scan_input(case["input"], case["options"])
                rows, error = self.find_rows(value, pairs)
                expect = case["expect"]
                if "matches" in expect:
                    self.assertIsNone(error, name)
                    self.assertTrue(all(row.pop("regions_agree") for row in rows), name)
                    self.assertEqual(rows, [corpus.sql_find_row(m, unit) for m in expect["matches"]], name)
                else:
                    library = scanning.find(b"", case["options"], names=corpus.SQL_SCAN_NAMES)
                    self.assertIsNotNone(error, name)
                    self.assertTrue(scan_refusal(error, refusal, library.get("message"), "idn_find: "),
                                    f"{name}: {error}")

    def redact_arguments(self, value, pairs):
        """idn_redact's arguments: x, the way, the key, then the other
        options by name and value."""
        given = dict(pairs)
        arguments = [value, given.pop("redaction", None), given.pop("key", None)]
        for name, option_value in given.items():
            arguments += [name, option_value]
        return arguments

    def test_redact(self):
        scanning = corpus.Scanning(LIBRARY.lib)
        for case in corpus.load("redact"):
            name = f"sqlite redact/{case['id']}"
            with self.subTest(name):
                pairs, refusal = corpus.sql_scan_options(case["options"])
                expect = case["expect"]
                function = "idn_redact_number" if "number" in case else "idn_redact"
                value, _ = scan_input(case.get("number", case.get("input")), case["options"])
                arguments = self.redact_arguments(value, pairs)
                try:
                    output = self.db.execute(f"SELECT {function}({', '.join('?' * len(arguments))})",
                                             arguments).fetchone()[0]
                except sqlite3.OperationalError as error:
                    self.assertNotIn("output", expect, f"{name}: {error}")
                    self.assertNotIn("status", case["expect"].keys() - {"status", "option", "message"}, name)
                    library = scanning.redact(b"", case["options"], names=corpus.SQL_SCAN_NAMES)
                    self.assertTrue(scan_refusal(str(error), refusal, library.get("message"), function + ": "),
                                    f"{name}: {error}")
                    continue
                if "number" in case:
                    wanted = corpus.bytes_of(expect["output"]) if "output" in expect else None
                    self.assertEqual(None if output is None else output.encode("utf-8"), wanted, name)
                    continue
                self.assertIn("output", expect, f"{name}: gave {output!r}")
                got = output if isinstance(output, bytes) else output.encode("utf-8")
                self.assertEqual(got, corpus.bytes_of(expect["output"]), name)
                rows, error = self.find_rows(value, [(n, v) for n, v in pairs if n in FIND_OPTIONS])
                self.assertIsNone(error, name)
                self.assertEqual(corpus.summary_of(rows), expect["summary"], name)

    def test_regions(self):
        for case in corpus.load("regions"):
            name = f"sqlite regions/{case['id']}"
            with self.subTest(name):
                if "query" in case:
                    self.skipTest(f"{name}: no SQL function searches the region tables")
                if "as_of_year" in case:
                    self.skipTest(f"{name}: idn_generate takes no as_of_year")
                options = {"birth": "19900101", "seed": "1"}
                if case["region"] is not None:
                    options["region"] = case["region"]
                numbers, message = self.generate(options)
                if "code" in case["expect"]:
                    self.assertIsNone(message, name)
                    self.assertEqual([n[:6] for n in numbers], [f"{case['expect']['code']:06d}"], name)
                else:
                    library = self.assert_refused(name, options, numbers, message)
                    self.assertEqual(library["status"], case["expect"]["status"], name)


if __name__ == "__main__":
    unittest.main()
