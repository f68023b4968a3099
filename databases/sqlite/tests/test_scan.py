"""idn_find, idn_redact and idn_redact_number in SQLite, beyond the corpus
(test_conformance.py runs find.json and redact.json): SQL's types in and
out, texts longer than the pieces the extension redacts by, options that
change from row to row (each connection keeps one prepared scanner), every
refusal with its message, and where SQLite may use the functions.

Run with /usr/bin/python3:
    IDN_SQLITE_EXTENSION=build/release/databases/sqlite/idnumber.so \\
    IDTOOL=build/release/idtool /usr/bin/python3 -m unittest -v test_scan
"""
import sqlite3
import unittest

from test_extension import connect  # noqa: E402  (unittest discovery puts this folder on the path)

KEY = b"sixteen bytes ok, and more"
NUMBER = "11010519491231002X"
OTHER = "11010519800101018X"
AS_OF = "2024-06-30"


def one(db, query, *parameters):
    return db.execute(query, parameters).fetchone()[0]


class Types(unittest.TestCase):
    """What goes in comes out as the same kind of value."""

    def setUp(self):
        self.db = connect()

    def test_text_blob_and_number(self):
        text = f"客户 {NUMBER} 已登记"
        self.assertEqual(one(self.db, "SELECT idn_redact(?)", text), "客户 110105********002X 已登记")
        self.assertEqual(one(self.db, "SELECT idn_redact(?)", text.encode()), "客户 110105********002X 已登记".encode())
        # A number's decimal text, as every function of the extension reads it.
        self.assertEqual(one(self.db, "SELECT idn_redact(110105194910010015)"), "110105********0015")
        self.assertEqual(one(self.db, "SELECT typeof(idn_redact(110105194910010015))"), "text")
        self.assertEqual(one(self.db, "SELECT idn_redact_number(?)", NUMBER.encode()), b"110105********002X")

    def test_null_is_null_and_null_options_are_not_given(self):
        row = self.db.execute("SELECT idn_redact(NULL), idn_redact_number(NULL, 'token', ?),"
                              " (SELECT count(*) FROM idn_find(NULL)), idn_redact(?, NULL, NULL, 'mask_first', NULL)",
                              (KEY, NUMBER)).fetchone()
        self.assertEqual(row, (None, None, 0, "110105********002X"))

    def test_number_alone_or_null(self):
        row = self.db.execute("SELECT idn_redact_number(?1, 'label'), idn_redact_number(?1 || ' ', 'label'),"
                              " idn_redact_number('110105194912310021', 'label'),"
                              " idn_redact_number('110105194912310021', 'label', NULL, 'min_confidence', 'low')",
                              (NUMBER,)).fetchone()
        self.assertEqual(row, ("[身份证号]", None, None, "[身份证号]"))

    def test_gbk_blob(self):
        text = f"身份证：{NUMBER}".encode("gbk")
        self.assertEqual(one(self.db, "SELECT idn_redact(?, 'label', NULL, 'encoding', 'gbk')", text),
                         "身份证：[身份证号]".encode("gbk"))
        row = self.db.execute("SELECT start, length, keyword FROM idn_find(?, NULL, NULL, NULL, 'GBK')",
                              (text,)).fetchone()
        self.assertEqual(row, (9, 18, "身份证"))


class Finding(unittest.TestCase):
    def setUp(self):
        self.db = connect()

    def test_substr_of_start_and_length_is_the_match(self):
        text = f"𠀀 证件号码 {NUMBER}\n２ １１０１０５－１９８００１０１－０１８ｘ。"
        for value in (text, text.encode()):
            with self.subTest(type=type(value).__name__):
                rows = self.db.execute("SELECT substr(?1, start, length), number, line_number, column_number, form"
                                       " FROM idn_find(?1)", (value,)).fetchall()
                found = [row[0] if isinstance(row[0], str) else row[0].decode() for row in rows]
                self.assertEqual(found, [NUMBER, "１１０１０５－１９８００１０１－０１８ｘ"])
                self.assertEqual([row[1:] for row in rows], [
                    (NUMBER, 1, 8, "[]"), (OTHER, 2, 3, '["fullwidth","lowercase_x","separated"]')])

    def test_arguments_by_name_and_in_a_join(self):
        self.db.execute("CREATE TABLE notes(id INTEGER PRIMARY KEY, note TEXT, level TEXT)")
        self.db.executemany("INSERT INTO notes(note, level) VALUES (?, ?)", [
            (f"a {NUMBER} b 110105194912310021", "low"), (f"{NUMBER}", None), ("none here", "high"),
            (f"身份证 {OTHER} 110105194912310021", "high")])
        rows = self.db.execute("SELECT n.id, f.rowid, f.number, f.confidence, f.flaw FROM notes AS n,"
                               " idn_find(n.note, ?, n.level) AS f ORDER BY n.id, f.rowid", (AS_OF,)).fetchall()
        self.assertEqual(rows, [(1, 1, NUMBER, "medium", None), (1, 2, "110105194912310021", "low", "check"),
                                (2, 1, NUMBER, "medium", None), (4, 1, OTHER, "high", None)])
        named = self.db.execute("SELECT input, min_confidence, number FROM idn_find WHERE input = ?"
                                " AND min_confidence = 'low' AND as_of = ?",
                                (f"x 110105194912310021", AS_OF)).fetchall()
        self.assertEqual(named, [("x 110105194912310021", "low", "110105194912310021")])

    def test_as_of(self):
        text = one(self.db, "SELECT ?1 || idn_expected_check(?1)", "11010520240701001")
        self.assertEqual(one(self.db, "SELECT count(*) FROM idn_find(?, '2024-06-30')", text), 0)
        self.assertEqual(one(self.db, "SELECT count(*) FROM idn_find(?, '2024-07-01')", text), 1)
        self.assertEqual(one(self.db, "SELECT count(*) FROM idn_find(?, '2024-07-01 00:00:00')", text), 1)
        self.assertEqual(one(self.db, "SELECT count(*) FROM idn_find(?)", text), 1)  # today is later

    def test_a_low_match_has_no_verdict_fields(self):
        row = self.db.execute("SELECT confidence, flaw, kind, birth_date, sex, region_code, province, city, county"
                              " FROM idn_find('110105194912310021', NULL, 'low')").fetchone()
        self.assertEqual(row, ("low", "check", None, None, None, None, None, None, None))


class LongTexts(unittest.TestCase):
    """Texts are redacted by pieces of 64 KiB: numbers across their ends are
    replaced once, and every other byte stays."""

    def test_numbers_across_piece_ends(self):
        db = connect()
        parts, expected = [], []
        for at in (65536 - 9, 2 * 65536 - 1, 3 * 65536 - 17, 300000):
            filler = "序" * ((at - sum(len(p.encode()) for p in parts)) // 3) + " "
            parts += [filler, NUMBER, " "]
            expected += [filler, "110105********002X", " "]
        text, masked = "".join(parts) + "end", "".join(expected) + "end"
        self.assertGreater(len(text.encode()), 4 * 65536)
        self.assertEqual(one(db, "SELECT idn_redact(?)", text), masked)
        self.assertEqual(one(db, "SELECT idn_redact(?)", text.encode()), masked.encode())
        self.assertEqual(one(db, "SELECT count(*) FROM idn_find(?)", text), 4)


class OptionsPerRow(unittest.TestCase):
    """A column whose options change from row to row gets, for each row, what
    a connection of its own would give; the same options again reuse the
    prepared scanner."""

    def test_changing_options_give_each_rows_own(self):
        db = connect()
        db.execute("CREATE TABLE t(note TEXT, way TEXT, k BLOB, first INTEGER)")
        rows = [(f"{NUMBER} and {OTHER}", "token", KEY, None), (f"{NUMBER}", "token", KEY + b"!", None),
                (f"{NUMBER}", "mask", None, 3), (f"{NUMBER}", "mask", None, 3), (f"{NUMBER}", "label", None, None),
                (f"{NUMBER}", "token", KEY, None)] * 3
        db.executemany("INSERT INTO t VALUES (?, ?, ?, ?)", rows)
        got = [row[0] for row in db.execute(
            "SELECT idn_redact(note, way, CASE WHEN way = 'token' THEN k END, 'mask_first', first, 'as_of', ?)"
            " FROM t WHERE way <> 'mask' OR first IS NOT NULL", (AS_OF,))]
        alone = []
        for note, way, k, first in rows:
            fresh = connect()
            arguments = [note, way, k if way == "token" else None, "mask_first", first, "as_of", AS_OF]
            alone.append(one(fresh, f"SELECT idn_redact({', '.join('?' * len(arguments))})", *arguments))
        self.assertEqual(got, alone)
        self.assertNotEqual(alone[0].split()[0], alone[1])  # another key, another token


class Refusals(unittest.TestCase):
    """Every wrong option is an SQL error naming it; none echoes a key."""

    def setUp(self):
        self.db = connect()

    def error(self, query, *parameters):
        with self.assertRaises(sqlite3.OperationalError) as raised:
            self.db.execute(query, parameters).fetchall()
        return str(raised.exception)

    def test_messages(self):
        cases = [
            ("SELECT idn_redact('x', 'tokens')", "idn_redact: redaction: must be mask, label, token or pseudonym, not tokens"),
            ("SELECT idn_redact('x', 'token')", "idn_redact: key is required by the token and pseudonym ways of redaction"),
            ("SELECT idn_redact('x', 'pseudonym', 'secret secret')", "idn_redact: key: must be at least 16 bytes, not 13"),
            ("SELECT idn_redact('x', 'token', 1234567890123456789)", "idn_redact: key: must be a BLOB or a TEXT, not a number"),
            ("SELECT idn_redact('x', 'mask', NULL, 'mask_first', 10, 'mask_last', 8)",
             "idn_redact: mask_last: must be 0 to 7 with mask_first 10 (at least one character masked), not 8"),
            ("SELECT idn_redact('x', 'mask', NULL, 'mask_first', 2.5)", "idn_redact: mask_first: must be an integer, not 2.5"),
            ("SELECT idn_redact('x', 'mask', 'mask_first', 3)", "idn_redact: the options after x, redaction and key come"
             " in pairs of a name and a value (the key of mask and label is NULL)"),
            ("SELECT idn_redact('x', 'mask', NULL, 'mask_first', 1, 'MASK_FIRST', 2)", "idn_redact: mask_first is given twice"),
            ("SELECT idn_redact('x', NULL, NULL, 'colour', 'red')",
             "idn_redact: argument 4: 'colour' is no option's name (as_of, min_confidence, fifteen_digits, encoding,"
             " mask_first, mask_last, label, token_alphabet, token_length, keep)"),
            ("SELECT idn_redact('x', 'token', ?, 'key', ?)",
             "idn_redact: argument 4: 'key' is no option's name (as_of, min_confidence, fifteen_digits, encoding,"
             " mask_first, mask_last, label, token_alphabet, token_length, keep)"),
            ("SELECT idn_redact('x', 'label', NULL, 'label', 'a label that is longer than sixty-four bytes, which no label may be')",
             "idn_redact: label: must be at most 64 bytes, not 67"),
            ("SELECT idn_redact('x', 'token', ?, 'token_alphabet', 'base64')",
             "idn_redact: token_alphabet: must be hex or base32, not base64"),
            ("SELECT idn_redact('x', 'pseudonym', ?, 'keep', 'region, year')",
             "idn_redact: keep: must be a list of region, birth_year and sex, not region, year"),
            ("SELECT idn_redact('x', 'mask', NULL, 'as_of', '2024/06/30')", "idn_redact: as_of must be a date, YYYY-MM-DD"),
            ("SELECT idn_redact('x', 'mask', NULL, 'as_of', '2023-02-29')", "idn_redact: as_of 2023-02-29 is no calendar date"),
            ("SELECT idn_redact('x', 'mask', NULL, 'min_confidence', 'none')",
             "idn_redact: min_confidence: must be low, medium or high, not none"),
            ("SELECT idn_redact('x', 'mask', NULL, 'fifteen_digits', 2)", "idn_redact: fifteen_digits: must be 0 or 1, not 2"),
            ("SELECT idn_redact('x', 'mask', NULL, 'encoding', 'gbk')",
             "idn_redact: encoding gbk reads a BLOB's bytes; a TEXT is UTF-8: CAST it AS BLOB"),
            ("SELECT idn_redact_number('x', 'label', NULL, 'label', '[\u20ac]', 'encoding', 'auto')",
             "idn_redact_number: label: must be writable in GBK for text read as GBK, not \"[\u20ac]\""),
            ("SELECT * FROM idn_find('x', NULL, NULL, NULL, 'latin1')",
             "idn_find: encoding: must be utf8, gbk or auto, not latin1"),
            ("SELECT * FROM idn_find('x', 'today')", "idn_find: as_of must be a date, YYYY-MM-DD"),
            ("SELECT idn_redact('x', X'6d61736b')", "idn_redact: redaction: must be mask, label, token or pseudonym,"
             " not a BLOB"),
            ("SELECT idn_redact('x', 'pseudonym', ?, 'keep', X'736578')",
             "idn_redact: keep: must be a list of region, birth_year and sex, not a BLOB"),
        ]
        for query, message in cases:
            with self.subTest(query):
                parameters = (KEY,) * query.count("?")
                self.assertEqual(self.error(query, *parameters), message)

    def test_a_value_is_echoed_safely(self):
        message = self.error("SELECT idn_redact('x', ?)", "tok\nen\x00" + "e" * 100)
        self.assertEqual(message, "idn_redact: redaction: must be mask, label, token or pseudonym, not tok?en?"
                         + "e" * 57 + "...")

    def test_a_refused_row_fails_the_statement(self):
        self.db.execute("CREATE TABLE t(note TEXT, k BLOB)")
        self.db.executemany("INSERT INTO t VALUES (?, ?)", [(NUMBER, KEY), (NUMBER, b"short")])
        self.assertEqual(self.error("SELECT idn_redact(note, 'token', k) FROM t"),
                         "idn_redact: key: must be at least 16 bytes, not 5")


class Schemas(unittest.TestCase):
    """They read the clock unless as_of is given, so SQLite keeps them out of
    generated columns and indexes; being innocuous, views may use them where
    the schema is not trusted."""

    def test_not_deterministic_but_innocuous(self):
        db = connect()
        with self.assertRaises(sqlite3.OperationalError):
            db.execute("CREATE TABLE t(note TEXT, masked TEXT AS (idn_redact(note, 'mask', 'as_of', '2024-06-30')))")
        db.execute("CREATE TABLE notes(note TEXT)")
        db.execute("INSERT INTO notes VALUES (?)", (f"id {NUMBER}",))
        db.execute("CREATE VIEW masked AS SELECT idn_redact(note) AS note, (SELECT count(*) FROM idn_find(note)) AS n"
                   " FROM notes")
        db.execute("PRAGMA trusted_schema = OFF")
        self.assertEqual(db.execute("SELECT * FROM masked").fetchall(), [("id 110105********002X", 1)])


if __name__ == "__main__":
    unittest.main()
