"""The SQLite extension through Debian's Python and its sqlite3 module,
against idtool itself: the same verdicts and fields as `idtool verify`, the
same numbers as `idtool generate --seed`, the same conversions as `idtool
upgrade`; SQL's conventions (NULL, integers, errors, deterministic flags,
the two-argument forms for schemas); the library's messages in the words of
idn_generate's arguments; and bad input of every kind, which must give a
verdict or an error. test_conformance.py runs the shared corpus.

Run with /usr/bin/python3 (the pyenv Python cannot load extensions):
    IDN_SQLITE_EXTENSION=build/release/databases/sqlite/idnumber.so \\
    IDTOOL=build/release/idtool /usr/bin/python3 -m unittest -v test_extension
"""
import datetime
import json
import os
import pathlib
import sqlite3
import subprocess
import sys
import tempfile
import unittest

EXTENSION = os.environ["IDN_SQLITE_EXTENSION"]
IDTOOL = os.environ["IDTOOL"]
REPOSITORY = pathlib.Path(__file__).resolve().parents[3]
SUMMARY_LINES = int(os.environ.get("IDN_SUMMARY_LINES", "100000"))

VERDICT_FUNCTIONS = ["idn_valid", "idn_reason", "idn_expected_check", "idn_birth_date", "idn_sex",
                     "idn_province", "idn_city", "idn_county", "idn_code_status", "idn_now", "idn_kind"]
FUNCTIONS = VERDICT_FUNCTIONS + ["idn_upgrade", "idn_mask"]
AGE_ERROR = "idn_age: as_of must be a date as text, YYYY-MM-DD"
TWO_ARGUMENT_FUNCTIONS = ["idn_valid", "idn_reason"]

# Lines of every kind, as bytes: each reason, each kind of number, codes of
# the 2009 tables, in use since, abolished and unknown, and binary junk.
SAMPLES = [
    b"11010519491231002X", b"11010519491231002x", b"1101051949123100", b"110105194912310021",
    b"110105204912310029", b"512201198001010012", b"330112200001010029", b"419001199001010011",
    b"810000199001010013", b"810000199001010019", b"830000200001010018", b"911101199001010015", b"", b"7" * 64, b"7" * 65,
    b"\xff\xfe\x80 \t\"\\x", b"11010519491231002\x00", "１１０１０５１９４９１２３１００２Ｘ".encode(),
    b"99999919900101001X", b"140302198001016271", b"110105199013010016", b"110105199012320015",
    b"110105194902310018", b"110105194900000016",
]


def connect():
    connection = sqlite3.connect(":memory:")
    connection.enable_load_extension(True)
    connection.load_extension(EXTENSION)
    connection.enable_load_extension(False)
    return connection


def as_sql_value(line):
    """The line as TEXT when it is UTF-8 without NUL, else as a BLOB."""
    try:
        text = line.decode()
        return text if "\0" not in text else line
    except UnicodeDecodeError:
        return line


def calendar_day(digits):
    """'YYYY-MM-DD' of verify's birth_date digits, None when no calendar has it."""
    try:
        return datetime.date(int(digits[:4]), int(digits[4:6]), int(digits[6:])).isoformat()
    except (TypeError, ValueError):
        return None


def idtool(*arguments, input_bytes=b""):
    return subprocess.run([IDTOOL, *arguments], input=input_bytes, capture_output=True, check=False)


class Verdicts(unittest.TestCase):
    """Every function of the verdict gives idtool verify's field."""

    def test_fields_are_idtools(self):
        records = idtool("verify", "--format", "jsonl", input_bytes=b"".join(s + b"\n" for s in SAMPLES))
        records = [json.loads(line) for line in records.stdout.decode().splitlines()]
        self.assertEqual(len(records), len(SAMPLES))
        db = connect()
        for line, record in zip(SAMPLES, records):
            row = db.execute("SELECT " + ", ".join(f"{f}(?1)" for f in VERDICT_FUNCTIONS),
                             (as_sql_value(line),)).fetchone()
            got = dict(zip(VERDICT_FUNCTIONS, row))
            with self.subTest(line=line):
                self.assertEqual(got["idn_valid"], int(record["valid"]))
                self.assertEqual(got["idn_reason"], record["reason"])
                self.assertEqual(got["idn_expected_check"], record["expected_check"])
                self.assertEqual(got["idn_birth_date"], calendar_day(record["birth_date"]))
                self.assertEqual(got["idn_sex"], record["sex"])
                for field in ("province", "city", "county", "code_status"):
                    self.assertEqual(got["idn_" + field], record[field])
                now = got["idn_now"]
                self.assertEqual(now and json.loads(now), record["now"])
                self.assertEqual(got["idn_kind"] is None, not record["valid"])

    def test_a_birth_date_no_calendar_has_is_null_and_the_number_valid(self):
        db = connect()
        for number in ("110105194902310018", "110105194900000016", "110105190002290017"):
            with self.subTest(number=number):
                row = db.execute("SELECT idn_valid(?1), idn_birth_date(?1), idn_sex(?1), idn_county(?1)",
                                 (number,)).fetchone()
                self.assertEqual(row, (1, None, "男", ""))
        self.assertEqual(db.execute("SELECT idn_birth_date('110105200002290013')").fetchone()[0], "2000-02-29")

    def test_sex_is_the_librarys_word(self):
        db = connect()
        self.assertEqual(db.execute("SELECT idn_sex('11010519491231002X'), idn_sex('140302199001010018'),"
                                    " idn_sex('11010519491231002x')").fetchone(), ("女", "男", None))

    def test_kinds(self):
        db = connect()
        kinds = db.execute("SELECT idn_kind('11010519491231002X'), idn_kind('810000199001010019'),"
                           " idn_kind('911101199001010015'), idn_kind('11010519491231002x')").fetchone()
        self.assertEqual(kinds, ("resident", "hmt_permit", "foreigner_card", None))

    def test_a_municipality_has_an_empty_county(self):
        db = connect()
        row = db.execute("SELECT idn_province(?1), idn_city(?1), idn_county(?1)", ("11010519491231002X",))
        self.assertEqual(row.fetchone(), ("北京市", "朝阳区", ""))

    def test_now_nests_as_json(self):
        db = connect()
        nested = db.execute("SELECT json_object('now', idn_now('512201198001010012'))").fetchone()[0]
        self.assertEqual(json.loads(nested), {"now": [{"code": 500101, "name": "万州区"}]})
        self.assertEqual(db.execute("SELECT idn_now('11010519491231002X')").fetchone()[0], "[]")


class SqlConventions(unittest.TestCase):
    def test_null_gives_null(self):
        db = connect()
        row = db.execute("SELECT " + ", ".join(f"{f}(NULL)" for f in FUNCTIONS)).fetchone()
        self.assertEqual(row, (None,) * len(FUNCTIONS))

    def test_an_integer_is_read_as_its_decimal_text(self):
        db = connect()
        for number in (110105194912310021, 11010519491231002, -110105194912310021, 0, -(2 ** 63)):
            with self.subTest(number=number):
                as_integer = db.execute("SELECT " + ", ".join(f"{f}(?1)" for f in FUNCTIONS), (number,)).fetchone()
                as_text = db.execute("SELECT " + ", ".join(f"{f}(?1)" for f in FUNCTIONS), (str(number),)).fetchone()
                self.assertEqual(as_integer, as_text)
        self.assertEqual(db.execute("SELECT idn_upgrade(110105491231002)").fetchone()[0], "11010519491231002X")

    def test_a_wrong_argument_count_is_an_error(self):
        db = connect()
        for function in FUNCTIONS:
            # idn_valid and idn_reason also take a year limit.
            too_many = "'a', 2024, 'c'" if function in TWO_ARGUMENT_FUNCTIONS else "'a', 'b'"
            for arguments in ("", too_many):
                with self.subTest(function=function, arguments=arguments):
                    with self.assertRaisesRegex(sqlite3.OperationalError,
                                                f"wrong number of arguments to function {function}"):
                        db.execute(f"SELECT {function}({arguments})")
        with self.assertRaisesRegex(sqlite3.OperationalError, "too many arguments on idn_generate"):
            db.execute("SELECT * FROM idn_generate('110105', '19491001', NULL, NULL, 1, 1, 1)")

    def test_deterministic_functions_serve_indexes_the_rest_do_not(self):
        # A verdict of the clock's year may not be kept in an index or a
        # stored column; one of a year limit given may.
        db = connect()
        db.execute("CREATE TABLE people(id TEXT)")
        for function in ("idn_expected_check", "idn_upgrade", "idn_mask"):
            db.execute(f"CREATE INDEX by_{function} ON people({function}(id))")
            db.execute(f"ALTER TABLE people ADD COLUMN {function[4:]} AS ({function}(id))")
        for function in TWO_ARGUMENT_FUNCTIONS:
            db.execute(f"CREATE INDEX by_{function}_2024 ON people({function}(id, 2024))")
            db.execute(f"CREATE INDEX partial_{function}_9999 ON people(id) WHERE {function}(id, 9999)")
            db.execute(f"CREATE TABLE stored_{function}_9999(id TEXT, f AS ({function}(id, 9999)) STORED)")
        for function in VERDICT_FUNCTIONS:
            if function == "idn_expected_check":
                continue
            with self.subTest(function=function):
                with self.assertRaisesRegex(sqlite3.OperationalError, "non-deterministic functions prohibited"):
                    db.execute(f"CREATE INDEX by_{function} ON people({function}(id))")
                with self.assertRaisesRegex(sqlite3.OperationalError, "non-deterministic functions prohibited"):
                    db.execute(f"CREATE TABLE stored_{function}(id TEXT, f AS ({function}(id)) STORED)")

    def test_a_check_constraint_keeps_invalid_numbers_out(self):
        # The form the header recommends: the same verdict whatever the clock.
        db = connect()
        db.executescript("""
            CREATE TABLE people(id TEXT NOT NULL CHECK (idn_valid(id, 9999)));
            CREATE TABLE born_by_2019(id TEXT NOT NULL CHECK (idn_valid(id, 2019)));
            INSERT INTO people VALUES ('11010519491231002X'), ('110105209901010020');
            INSERT INTO born_by_2019 VALUES ('110105201901010024');""")
        with self.assertRaisesRegex(sqlite3.IntegrityError, "CHECK constraint failed"):
            db.execute("INSERT INTO people VALUES ('11010519491231002x')")
        with self.assertRaisesRegex(sqlite3.IntegrityError, "CHECK constraint failed"):
            db.execute("INSERT INTO born_by_2019 VALUES ('110105202001010023')")
        self.assertEqual(db.execute("SELECT count(*) FROM people").fetchone()[0], 2)
        self.assertEqual(db.execute("PRAGMA integrity_check").fetchone()[0], "ok")

    def test_two_argument_forms_take_the_year_limit_given(self):
        db = connect()
        born_2020 = "110105202001010023"
        rows = db.execute("SELECT idn_valid(?1, 2019), idn_reason(?1, 2019), idn_valid(?1, 2020), idn_reason(?1, 2020),"
                          " idn_valid(?1, 9999), idn_valid(?1, '2019'), idn_reason('11010519491231002x', 1)",
                          (born_2020,)).fetchone()
        self.assertEqual(rows, (0, "date", 1, None, 1, 0, "characters"))
        # NULL in either place is NULL, as for SQLite's own functions.
        self.assertEqual(db.execute("SELECT idn_valid(NULL, 2019), idn_reason(?1, NULL)", (born_2020,)).fetchone(),
                         (None, None))

    def test_a_year_limit_outside_1_to_9999_is_the_librarys_refusal(self):
        db = connect()
        # 0 is the clock's year in the C API, which the deterministic forms
        # may not read.
        for limit, shown in (("0", "0"), ("-1", "-1"), ("10000", "10000"), ("2.5", "2.5"), ("'x'", "x"),
                             ("x'00'", "?"), ("2147485648", "2147485648"), ("-9223372036854775808", None)):
            for function in TWO_ARGUMENT_FUNCTIONS:
                with self.subTest(function=function, limit=limit):
                    with self.assertRaises(sqlite3.OperationalError) as refusal:
                        db.execute(f"SELECT {function}('11010519491231002X', {limit})").fetchone()
                    expected = f"{function}: year_limit: must be a whole number from 1 to 9999, not "
                    self.assertTrue(str(refusal.exception).startswith(expected), str(refusal.exception))
                    if shown is not None:
                        self.assertEqual(str(refusal.exception), expected + shown)
                    # Also for a NULL number: a wrong limit is a fault of the query.
                    with self.assertRaises(sqlite3.OperationalError):
                        db.execute(f"SELECT {function}(NULL, {limit})").fetchone()


class Conversions(unittest.TestCase):
    def test_upgrade_is_idtools_and_null_for_the_rest(self):
        lines = ["110105491231002", "140302800101627", "512201800101001"]
        expected = idtool("upgrade", input_bytes="".join(l + "\n" for l in lines).encode()).stdout.decode().split()
        db = connect()
        self.assertEqual([db.execute("SELECT idn_upgrade(?)", (l,)).fetchone()[0] for l in lines], expected)
        for refused in ("11010549123100", "1101054912310021", "11010549123100x", "110105491331002",
                        "110105491232002", "", b"110105491231002"[:14] + b"\x00"):
            with self.subTest(refused=refused):
                self.assertIsNone(db.execute("SELECT idn_upgrade(?)", (refused,)).fetchone()[0])

    def test_mask(self):
        db = connect()
        for text, masked in (("11010519491231002X", "110105********002X"), ("1234567890", "**********"),
                             ("12345678901", "123456*8901"), ("", ""), ("北京市朝阳区某某街道一号", "北京市朝阳区**街道一号")):
            with self.subTest(text=text):
                self.assertEqual(db.execute("SELECT idn_mask(?)", (text,)).fetchone()[0], masked)


class Age(unittest.TestCase):
    """idn_age(x, as_of): completed years on a text date, NULL where the
    library gives no age, an error for a date that is none."""

    def age(self, db, number, on):
        return db.execute("SELECT idn_age(?, ?)", (number, on)).fetchone()[0]

    def test_completed_years_around_birthdays(self):
        db = connect()
        for number, on, years in (("11010519491231002X", "2024-12-30", 74), ("11010519491231002X", "2024-12-31", 75),
                                  ("11010519491231002X", "1949-12-31", 0), ("110105200002290013", "2001-02-28", 0),
                                  ("110105200002290013", "2001-03-01", 1), ("110105200002290013", "2004-02-29", 4),
                                  (110105194910010015, "2019-10-01", 70), ("110105205001010019", "2060-06-01", 10)):
            with self.subTest(number=number, on=on):
                self.assertEqual(self.age(db, number, on), years)

    def test_null_where_there_is_no_age(self):
        db = connect()
        for number, on in (("11010519491231002X", "1949-12-30"), ("11010519491231002x", "2024-01-01"),
                           ("110105194902310018", "2024-01-01"), ("110105194900000016", "2024-01-01"),
                           ("", "2024-01-01"), (b"\xff" * 18, "2024-01-01"), (None, "2024-01-01"),
                           ("11010519491231002X", None)):
            with self.subTest(number=number, on=on):
                self.assertIsNone(self.age(db, number, on))

    def test_a_date_that_is_none_is_an_error_even_for_a_null_number(self):
        db = connect()
        for on in ("2024-1-01", "20240101", "2024/01/01", " 2024-01-01", "2024-01-01 ", "2024-01-01 12:00:00",
                   "２０２４-01-01", "2024-01-0x", "-024-01-01", "", 20240101, 2024.5, b"2024-01-01"):
            for number in ("11010519491231002X", None):
                with self.subTest(on=on, number=number):
                    with self.assertRaises(sqlite3.OperationalError) as refusal:
                        self.age(db, number, on)
                    self.assertEqual(str(refusal.exception), AGE_ERROR)
        for on in ("2023-02-29", "2024-13-01", "2024-04-31", "0000-01-01", "2024-00-10"):
            for number in ("11010519491231002X", None):
                with self.subTest(on=on, number=number):
                    with self.assertRaises(sqlite3.OperationalError) as refusal:
                        self.age(db, number, on)
                    self.assertEqual(str(refusal.exception), f"idn_age: as_of {on} is no calendar date")
        for arguments in ("'11010519491231002X'", "'11010519491231002X', '2024-01-01', 9999"):
            with self.assertRaisesRegex(sqlite3.OperationalError, "wrong number of arguments to function idn_age"):
                db.execute(f"SELECT idn_age({arguments})")

    def test_deterministic_in_a_schema_and_over_a_table(self):
        db = connect()
        db.executescript("""
            CREATE TABLE people(id TEXT, age_2024 INTEGER AS (idn_age(id, '2024-06-30')) STORED);
            CREATE INDEX people_by_age ON people(idn_age(id, '2024-06-30'));
            INSERT INTO people(id) SELECT number FROM idn_generate('110105', '19800101', '19891231', NULL, 500, 1);""")
        ages = db.execute("SELECT min(age_2024), max(age_2024), sum(age_2024 = idn_age(id, date('2024-06-30')))"
                          " FROM people").fetchone()
        self.assertEqual(ages, (34, 44, 500))
        self.assertEqual(db.execute("SELECT count(*) FROM people WHERE idn_age(id, '2024-06-30') >= 40").fetchone()[0],
                         db.execute("SELECT count(*) FROM people WHERE idn_birth_date(id) <= '1984-06-30'").fetchone()[0])
        # Today's date from SQLite's own clock is a date of the right form.
        self.assertIsInstance(db.execute("SELECT idn_age('11010519491231002X', date('now', 'localtime'))").fetchone()[0],
                              int)


class Generate(unittest.TestCase):
    def numbers(self, db, *arguments):
        placeholders = ", ".join("?" * len(arguments))
        return [r[0] for r in db.execute(f"SELECT number FROM idn_generate({placeholders})", arguments)]

    def test_seeded_numbers_are_idtools(self):
        db = connect()
        cases = [
            (("110105", "19491001", None, None, 3, 7), ["--region", "110105", "--birth", "19491001", "--count", "3",
                                                       "--seed", "7"]),
            (("阳泉市/城区", "19800101", "19891231", "female", 50, 1),
             ["--region", "阳泉市/城区", "--born-between", "19800101", "19891231", "--sex", "female",
              "--count", "50", "--seed", "1"]),
            ((140302, 19800231, None, "male", 20, 0), ["--region", "140302", "--birth", "19800231", "--sex", "male",
                                                      "--count", "20", "--seed", "0"]),
        ]
        for arguments, command in cases:
            with self.subTest(arguments=arguments):
                self.assertEqual(self.numbers(db, *arguments), idtool("generate", *command).stdout.decode().split())

    def test_numbers_keep_to_their_options(self):
        db = connect()
        rows = db.execute("""
            SELECT count(*), count(DISTINCT number), sum(idn_valid(number)), sum(idn_sex(number) = '男'),
                   min(idn_birth_date(number)), max(idn_birth_date(number)), count(DISTINCT substr(number, 1, 6))
            FROM idn_generate('阳泉市/城区', '19800101', '19801231', 'male', 5000)""").fetchone()
        self.assertEqual(rows[:4], (5000, 5000, 5000, 5000))
        self.assertGreaterEqual(rows[4], "1980-01-01")
        self.assertLessEqual(rows[5], "1980-12-31")
        self.assertEqual(rows[6], 1)

    def test_defaults_and_rowids(self):
        db = connect()
        self.assertEqual(len(self.numbers(db, "110105", "19491001")), 1)
        # Without a seed, two calls draw their own numbers.
        draws = {tuple(self.numbers(db, "110105", "19491001", None, None, 5)) for _ in range(3)}
        self.assertGreater(len(draws), 1)
        rows = db.execute("SELECT rowid, region, birth_from, birth_to, sex, count, seed"
                          " FROM idn_generate(110105, '19491001', NULL, 'any', 2, 9)").fetchall()
        self.assertEqual(rows, [(1, 110105, "19491001", None, "any", 2, 9), (2, 110105, "19491001", None, "any", 2, 9)])
        # The named form, and a count far beyond what is read.
        named = db.execute("SELECT number FROM idn_generate WHERE region = '110105' AND birth_from = '19491001'"
                           " AND count = 3 AND seed = 7").fetchall()
        self.assertEqual([r[0] for r in named], self.numbers(db, "110105", "19491001", None, None, 3, 7))
        self.assertEqual(len(db.execute("SELECT number FROM idn_generate('110105', '19500101', '20001231', NULL,"
                                        " 9000000, 1) LIMIT 3").fetchall()), 3)

    def test_insert_select_with_arguments_from_another_table(self):
        db = connect()
        db.executescript("""
            CREATE TABLE wanted(region TEXT, birth TEXT, n INTEGER);
            INSERT INTO wanted VALUES ('110105', '19491001', 2), ('阳泉市/城区', '19800101', 3);
            CREATE TABLE people(id TEXT PRIMARY KEY, region TEXT);
            INSERT INTO people SELECT g.number, w.region FROM wanted w, idn_generate(w.region, w.birth, NULL, NULL, w.n, 1) g;
            INSERT INTO people SELECT number, NULL FROM idn_generate('110105', '19491001', NULL, NULL, 3, 2);""")
        self.assertEqual(db.execute("SELECT region, count(*), sum(idn_valid(id)) FROM people GROUP BY region").fetchall(),
                         [(None, 3, 3), ("110105", 2, 2), ("阳泉市/城区", 3, 3)])

    def test_every_refusal_is_the_librarys_message_naming_the_argument(self):
        db = connect()
        any_year = "the year may not be after the current one"
        count_range = "count: must be a whole number from 1 to 9223372036854775807, not "
        seed_range = "seed: must be a whole number from 0 to 18446744073709551615, not "
        sex_words = "sex: must be 男, 女, male, female or any, not "
        refusals = [
            ((), "region is required"),
            ((None, "19491001"), "region is required"),
            ((b"110105", "19491001"), "region must be text or an integer, not a BLOB"),
            ((110105.0, "19491001"), "region must be text or an integer, not a real number"),
            (("999999", "19491001"), "999999 is no code of the built-in 2009 tables"),
            (("140300", "19491001"),
             "140300 is a city-level or grouping record; numbers are made for county-level records"),
            (("nowhere", "19491001"), "nowhere names no county-level record of the built-in 2009 tables"),
            (("城区", "19491001"), "城区 names 5 records, give the code or city/county: 140202 山西省 大同市 城区, "
                                 "140302 山西省 阳泉市 城区, 140402 山西省 长治市 城区, 140502 山西省 晋城市 城区, 441502 广东省 汕尾市 城区"),
            (("a/b/c/d", "19491001"), "region wants a code, a name, or names joined by / (city/county or "
                                      "province/city/county)"),
            (("", "19491001"), "region wants a code, a name, or names joined by / (city/county or "
                               "province/city/county)"),
            (("x" * 300, "19491001"), "region is too long or not valid text"),
            (("110105",), "birth_from is required"),
            (("110105", None), "birth_from is required"),
            (("110105", None, "19491001"), "birth_from and birth_to are both needed for a range"),
            (("110105", b"\x00"), "birth_from must be text or an integer, not a BLOB"),
            (("110105", "1990"), "birth_from 1990: a birth date is 8 digits, YYYYMMDD"),
            (("110105", "19901301"), f"birth_from 19901301: {any_year}, the month above 12 or the day above 31"),
            (("110105", "29990101"), f"birth_from 29990101: {any_year}, the month above 12 or the day above 31"),
            (("110105", "19900230", "19900301"), "birth_from 19900230: each end is a real calendar date, YYYYMMDD"),
            (("110105", "19900101", "19900230"), "birth_to 19900230: each end is a real calendar date, YYYYMMDD"),
            (("110105", "19900101", "29990101"), f"birth_to 29990101: {any_year}"),
            (("110105", "19900301", "19900101"), "birth_from 19900301: the first date comes after the second"),
            (("110105", "19900101", 1.5), "birth_to must be text or an integer, not a real number"),
            (("110105", "19491001", None, "x"), sex_words + "x"),
            (("110105", "19491001", None, "male\0junk"), sex_words + "male?junk"),
            (("110105", "19491001", None, "male "), sex_words + "male "),
            (("110105", "19491001", None, ""), sex_words),
            (("110105", "19491001", None, 1), sex_words + "1"),
            (("110105", "19491001", None, b"male"), "sex must be text, not a BLOB"),
            (("110105", "19491001", None, None, 0), count_range + "0"),
            (("110105", "19491001", None, None, -1), count_range + "-1"),
            (("110105", "19491001", None, None, -(2 ** 63)), count_range + "-9223372036854775808"),
            (("110105", "19491001", None, None, "many"), count_range + "many"),
            (("110105", "19491001", None, None, 2.5), count_range + "2.5"),
            (("110105", "19491001", None, None, "9223372036854775808"), count_range + "9223372036854775808"),
            (("110105", "19491001", None, None, b"\x01"), "count must be an integer, not a BLOB"),
            (("110105", "19491001", None, None, 1000),
             "count 1000 is more than the 999 distinct numbers that this region, birth date and sex can give"),
            (("110105", "19491001", None, "male", 500),
             "count 500 is more than the 499 distinct numbers that this region, birth date and sex can give"),
            (("110105", "19491001", None, None, 1, "x"), seed_range + "x"),
            (("110105", "19491001", None, None, 1, 2.5), seed_range + "2.5"),
            (("110105", "19491001", None, None, 1, "18446744073709551616"), seed_range + "18446744073709551616"),
            (("110105", "19491001", None, None, 1, "-18446744073709551615"), seed_range + "-18446744073709551615"),
            (("110105", "19491001", None, None, 1, b"\x01"), "seed must be an integer, not a BLOB"),
        ]
        for arguments, message in refusals:
            with self.subTest(arguments=arguments):
                with self.assertRaises(sqlite3.OperationalError) as refusal:
                    self.numbers(db, *arguments)
                self.assertEqual(str(refusal.exception), "idn_generate: " + message)
        # Every refusal left the connection usable.
        self.assertEqual(len(self.numbers(db, "110105", "19491001", None, None, 2)), 2)

    def test_the_library_judges_the_options_in_its_one_order(self):
        # The region before the sex word, the sex word before the birth date.
        db = connect()
        for arguments, message in ((("nowhere", "19491001", None, "x"),
                                    "nowhere names no county-level record of the built-in 2009 tables"),
                                   (("110105", "1990", None, "x"), "sex: must be 男, 女, male, female or any, not x"),
                                   (("110105", "1990", None, None, 0),
                                    "count: must be a whole number from 1 to 9223372036854775807, not 0")):
            with self.subTest(arguments=arguments):
                with self.assertRaises(sqlite3.OperationalError) as refusal:
                    self.numbers(db, *arguments)
                self.assertEqual(str(refusal.exception), "idn_generate: " + message)

    def test_a_negative_seed_is_the_unsigned_seed_of_the_same_bits(self):
        db = connect()
        for signed in (-1, -2 ** 63, -123456789):
            unsigned = signed + 2 ** 64
            with self.subTest(seed=signed):
                expected = idtool("generate", "--region", "110105", "--birth", "19900101", "--count", "3",
                                  "--seed", str(unsigned)).stdout.decode().split()
                self.assertEqual(len(expected), 3)
                self.assertEqual(self.numbers(db, "110105", "19900101", None, None, 3, signed), expected)
                self.assertEqual(self.numbers(db, "110105", "19900101", None, None, 3, str(unsigned)), expected)
                self.assertEqual(self.numbers(db, "110105", "19900101", None, None, 3, str(signed)), expected)

    def test_null_options_are_not_given(self):
        db = connect()
        self.assertEqual(self.numbers(db, "110105", "19900101", None, None, None, 5),
                         self.numbers(db, "110105", "19900101", None, "any", 1, 5))
        # NULL seeds draw from the system.
        draws = {tuple(self.numbers(db, "110105", "19900101", None, None, 5, None)) for _ in range(3)}
        self.assertGreater(len(draws), 1)


class BadInput(unittest.TestCase):
    """Texts no number has: each gives a verdict or NULL, never a crash."""

    def test_blobs_long_texts_and_invalid_utf8(self):
        db = connect()
        db.text_factory = bytes
        megabyte = 1 << 20
        values = [b"\x00" * 18, b"11010519491231002\x00X", b"\x00" + b"1" * megabyte, "1" * megabyte,
                  "好" * megabyte, b"\xff" * megabyte, b"\xc0\x80" * 9, bytes(range(256)), b""]
        texts = ["CAST(x'ff' AS TEXT)", "CAST(x'313130313035313934393132333130303258ff' AS TEXT)",
                 "CAST(zeroblob(1000000) AS TEXT)", "randomblob(1000000)", "char(0) || '1101051949123100X'"]
        for sql in ["?"] * len(values) + texts:
            argument = values.pop(0) if sql == "?" else None
            with self.subTest(sql=sql, argument=argument[:20] if argument is not None else None):
                row = db.execute("SELECT " + ", ".join(f"{f}({sql.replace('?', '?1')})" for f in FUNCTIONS),
                                 () if argument is None else (argument,)).fetchone()
                self.assertEqual(row[0], 0)
                self.assertIn(row[1], (b"length", b"characters"))
                self.assertEqual(row[3:11], (None,) * 8)
                self.assertIsNone(row[11])

    def test_masks_of_long_and_broken_texts(self):
        db = connect()
        db.text_factory = bytes
        megabyte = 1 << 20
        self.assertEqual(db.execute("SELECT idn_mask(?)", ("好" * megabyte,)).fetchone()[0],
                         ("好" * 6 + "*" * (megabyte - 10) + "好" * 4).encode())
        masked = db.execute("SELECT idn_mask(randomblob(1000000))").fetchone()[0]
        self.assertLessEqual(len(masked), 1000000)
        self.assertGreaterEqual(masked.count(b"*"), len(masked) - 40)
        # A byte that starts no UTF-8 character counts as one character, and
        # is written U+FFFD where it is kept.
        self.assertEqual(db.execute("SELECT idn_mask(x'ff00ff00ff00ff00ff00ff00')").fetchone()[0],
                         "\ufffd\0\ufffd\0\ufffd\0**\ufffd\0\ufffd\0".encode())

    def test_the_mask_of_any_blob_is_valid_utf8_text(self):
        # Python's sqlite3 fails a whole query on a TEXT that is no UTF-8.
        db = connect()
        blobs = [bytes(range(256)), b"\xff" * 300, b"\xc0\x80" * 9, b"\xed\xa0\x80" * 5, b"\xf4\x90\x80\x80" * 3,
                 "北京".encode("gbk") + b"11010519491231002X", b"\xe4\xb8" * 200, b"\x80"]
        for blob in blobs:
            with self.subTest(blob=blob[:12]):
                masked, kind = db.execute("SELECT idn_mask(?1), typeof(idn_mask(?1))", (blob,)).fetchone()
                self.assertEqual(kind, "text")
                self.assertEqual(masked.count("*"), len(masked) - 10 if len(masked) > 10 else len(masked))
        rows = db.execute("SELECT idn_mask(randomblob(abs(random()) % 2000)) FROM idn_generate('110105', '19491001',"
                          " NULL, NULL, 300)").fetchall()
        self.assertEqual(len(rows), 300)

    def test_generate_with_long_and_broken_options(self):
        db = connect()
        for arguments in [("1" * (1 << 20), "19491001"), ("110105", "1" * (1 << 20)),
                          ("110105", "19900101", "2" * (1 << 20)), ("\udcff".encode("utf-8", "surrogatepass"), "1"),
                          ("110105", "19491001", None, "m" * (1 << 20)), ("110105", "19491001", None, None, "9" * 100),
                          ("110105", "19491001", None, None, 1, "9" * 100)]:
            with self.subTest(arguments=[a[:10] if isinstance(a, (str, bytes)) else a for a in arguments]):
                with self.assertRaisesRegex(sqlite3.OperationalError, "^idn_generate: "):
                    placeholders = ", ".join("?" * len(arguments))
                    db.execute(f"SELECT number FROM idn_generate({placeholders})", arguments).fetchall()
        for sql in ("CAST(x'ff' AS TEXT), '19491001'", "'110105', CAST(x'3139ff3931303031' AS TEXT)",
                    "CAST(x'3131303130ff' AS TEXT), '19491001'", "char(0), '19491001'",
                    "'110105', '1949100' || char(0)", "'110105', '19491001', CAST(x'ff' AS TEXT)",
                    "'110105', '19491001', NULL, CAST(x'6dff' AS TEXT)"):
            with self.subTest(sql=sql):
                # The message echoes the value, its invalid bytes as '?'.
                with self.assertRaisesRegex(sqlite3.OperationalError, "^idn_generate: [^\ufffd]*$"):
                    db.execute(f"SELECT number FROM idn_generate({sql})").fetchall()


class Summary(unittest.TestCase):
    """GROUP BY idn_reason over a table gives idtool verify --summary's counts."""

    def test_counts_per_reason_are_idtools(self):
        with tempfile.TemporaryDirectory() as folder:
            numbers = pathlib.Path(folder) / "numbers.txt"
            subprocess.run([sys.executable, REPOSITORY / "scripts" / "bench_numbers.py", "--count",
                            str(SUMMARY_LINES), numbers], check=True)
            summary = idtool("verify", "--summary", "--only-invalid", "--no-history", str(numbers)).stderr.decode()
            # "idtool: verify: 100000 lines, 70000 valid, 7500 length, ..."
            parts = summary.strip().split(": ")[-1].split(", ")
            expected = {name: int(count) for count, name in (part.split(" ") for part in parts)}
            db = connect()
            db.execute("CREATE TABLE numbers(id TEXT)")
            with numbers.open() as lines:
                db.executemany("INSERT INTO numbers VALUES (?)", ((line.rstrip("\n"),) for line in lines))
        counts = dict(db.execute("SELECT coalesce(idn_reason(id), 'valid'), count(*) FROM numbers GROUP BY 1"))
        counts["lines"] = sum(counts.values())
        for reason in ("length", "characters", "check", "date"):
            counts.setdefault(reason, 0)
        self.assertEqual(counts, expected)
        self.assertEqual(expected["lines"], SUMMARY_LINES)
        self.assertTrue(all(expected[reason] > 0 for reason in ("length", "characters", "check", "date")))


if __name__ == "__main__":
    unittest.main()
