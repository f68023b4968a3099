"""What find, redact, their batches and their streams take and give, beside
the C library's own answers through ctypes: a log of thousands of lines in
UTF-8 and in GBK, found and redacted whole and in pieces of every size, from
bytes and from str; the records and their types; the options and their
errors; surrogate escapes; columns of every type, over many chunks;
streams of file objects and of pieces; threads; Ctrl-C."""
import datetime
import io
import pickle
import random
import signal
import subprocess
import sys
import threading
import time

import numpy as np
import pandas as pd
import pytest

import idnumber

from conftest import corpus

ON = datetime.date(2024, 6, 30)
KEY = b"the tests' key of 32 bytes long!"
VALID = "11010519491231002X"
OTHER = "11010519800101018X"
WAYS = [dict(), dict(way="label"), dict(way="token", key=KEY, alphabet="base32", length=20),
        dict(way="pseudonym", key=KEY, keep={"region"}), dict(first=2, last=1)]


def c_options(arguments):
    """A Python call's options as the corpus's (the C API's words)."""
    words = {"way": "redaction", "first": "mask_first", "last": "mask_last", "alphabet": "token_alphabet",
             "length": "token_length", "as_of": "as_of_date"}
    options = {}
    for name, value in arguments.items():
        if name == "as_of":
            value = value.year * 10000 + value.month * 100 + value.day
        elif name == "key":
            value = {"hex": value.hex()}
        elif name == "keep":
            value = sorted(value)
        elif name == "encoding":
            value = {"utf-8": "utf8"}.get(value, value)
        options[words.get(name, name)] = value
    return options


@pytest.fixture(scope="module")
def scanning(library):
    return corpus.Scanning(library.lib)


@pytest.fixture(scope="module")
def log_text():
    """A log of 4,000 lines: numbers in every form among other digits, words
    and keywords, a few mistyped, and lines of Chinese and emoji."""
    draw = random.Random(12)
    numbers = idnumber.generate("110105", born_between=("19500101", "20001231"), count=800, seed=4)
    numbers += idnumber.generate("阳泉市/城区", born_between=("19600101", "19991231"), count=200, seed=5)
    lines = []
    for i in range(4000):
        number = draw.choice(numbers)
        form = draw.randrange(8)
        if form == 0:
            number = f"{number[:6]} {number[6:14]} {number[14:]}"
        elif form == 1:
            number = number.translate({ord(c): ord(c) + 0xFEE0 for c in "0123456789X"})
        elif form == 2:
            number = number[:-1] + ("0" if number[-1] != "0" else "1")  # the check fails
        elif form == 3:
            number = number.lower()
        words = draw.choice(["身份证号：", "id_no=", "客户 😀 ", "order=123456789012345678901 ", "备注 ", ""])
        lines.append(f"2024-06-{i % 28 + 1:02d} INFO {words}{number} 金额 {draw.randrange(10**6)} 元")
    return "\r\n".join(lines[:100]) + "\n" + "\n".join(lines[100:]) + "\n"


def pieces_of(value, draw, most):
    out, at = [], 0
    while at < len(value):
        size = draw.randint(1, most)
        out.append(value[at:at + size])
        at += size
    return out


# ---- Against the C library ------------------------------------------------------------

@pytest.mark.parametrize("encoding", ["utf-8", "gbk"])
def test_a_log_is_found_as_the_c_library_finds_it(scanning, log_text, encoding):
    data = log_text.encode(encoding, "replace")
    arguments = dict(as_of=ON, min_confidence="low")
    if encoding != "utf-8":
        arguments["encoding"] = encoding
    expected = scanning.find(data, c_options(arguments))["matches"]
    assert len(expected) > 3000
    found = idnumber.find(data, **arguments)
    assert [(m.start, m.end - m.start, m.number, str(m.confidence), m.line, m.column) for m in found] == \
        [(e["byte_offset"], e["byte_length"], e["number"], e["confidence"], e["line"], e["column"]) for e in expected]
    draw = random.Random(encoding)
    finder = idnumber.Finder(**arguments)
    streamed = [m for piece in pieces_of(data, draw, 5000) for m in finder.feed(piece)] + finder.close()
    assert streamed == found
    if encoding == "utf-8":
        # str offsets are the str's indices: the text of each match is the
        # number as written.
        in_str = idnumber.find(log_text, **arguments)
        assert [(m.start, m.end - m.start) for m in in_str] == [(e["char_offset"], e["char_length"]) for e in expected]
        assert all(corpus.bytes_of(log_text[m.start:m.end]) == data[e["byte_offset"]:e["byte_offset"] + e["byte_length"]]
                   for m, e in zip(in_str, expected))


@pytest.mark.parametrize("way", WAYS, ids=lambda way: way.get("way", "mask") + ("-kept" if "first" in way else ""))
def test_a_log_is_redacted_as_the_c_library_redacts_it(scanning, log_text, way):
    arguments = dict(as_of=ON, **way)
    data = log_text.encode()
    expected = corpus.bytes_of(scanning.redact(data, c_options(arguments))["output"])
    redacted, counts = idnumber.redact(data, summary=True, **arguments)
    assert redacted == expected and counts.matches > 2000
    assert idnumber.redact(log_text, **arguments).encode() == expected
    draw = random.Random(str(way))
    for value in (data, log_text):
        redactor = idnumber.Redactor(**arguments)
        out = [redactor.feed(piece) for piece in pieces_of(value, draw, 3000)] + [redactor.close()]
        assert type(value)().join(out) == (expected if isinstance(value, bytes) else expected.decode())
        assert redactor.summary == counts
    lines = log_text.split("\n")
    many, total = idnumber.redact_many(lines, summary=True, **arguments)
    assert "\n".join(many).encode() == expected
    assert (total.matches, total.plain, total.separated) == (counts.matches, counts.plain, counts.separated)


def test_a_gbk_log_is_redacted_in_gbk(scanning, log_text):
    data = log_text.encode("gbk", "replace")
    arguments = dict(as_of=ON, way="label", encoding="gbk")
    expected = corpus.bytes_of(scanning.redact(data, c_options(arguments))["output"])
    assert idnumber.redact(data, **arguments) == expected
    assert "[身份证号]".encode("gbk") in expected
    with pytest.raises(ValueError, match="encoding 'gbk' reads bytes"):
        idnumber.redact(log_text, **arguments)


def test_a_text_longer_than_a_piece_of_the_library_is_redacted_whole(scanning):
    # Redaction is given 64 KB at a time (its room is 5 times a piece), a
    # number cut between them found once.
    text = ("x" * 65530 + " " + VALID + " ") * 40
    expected = corpus.bytes_of(scanning.redact(text.encode(), c_options(dict(as_of=ON)))["output"])
    for value in (text, text.encode(), [text]):
        out = idnumber.redact_many(value, as_of=ON)[0] if isinstance(value, list) else idnumber.redact(value, as_of=ON)
        assert (out.encode() if isinstance(out, str) else out) == expected


# ---- Records ---------------------------------------------------------------------------

def test_a_match_is_an_immutable_record_of_every_field():
    match, = idnumber.find("身份证 １１０１０５１９４９１２３１００２ｘ", as_of=ON)
    assert (match.start, match.end, match.number, match.form) == (4, 22, VALID, ("fullwidth", "lowercase_x"))
    assert (match.confidence, match.keyword, match.kind, match.sex) == ("high", "身份证", "resident", "女")
    assert (match.birth_date, match.region_code, match.province, match.city) == (
        datetime.date(1949, 12, 31), 110105, "北京市", "朝阳区")
    with pytest.raises(AttributeError):
        match.start = 0
    assert pickle.loads(pickle.dumps(match)) == match and hash(pickle.loads(pickle.dumps(match))) == hash(match)
    low, = idnumber.find("110105194912310021", min_confidence="low", as_of=ON)
    assert (low.confidence, low.flaw, low.kind, low.sex, low.birth_date, low.region_code, low.county) == (
        "low", "check", None, None, None, None, None)
    assert idnumber.MATCH_FIELDS == tuple(idnumber.find_many([VALID]).columns)


def test_confidence_is_ordered_and_equal_to_its_word():
    low, medium, high = idnumber.Confidence.LOW, idnumber.Confidence.MEDIUM, idnumber.Confidence.HIGH
    assert low < medium < high and high >= "medium" and "low" < medium and not high < "low"
    assert sorted([high, low, medium]) == [low, medium, high]
    assert (high == "high", {"high": 1}[high], str(high), f"{medium:>7}") == (True, 1, "high", " medium")
    with pytest.raises(TypeError):
        low < 2  # noqa: B015
    found = idnumber.find(f"{VALID} 身份证 {OTHER} 110105194912310021", min_confidence="low", as_of=ON)
    assert [m.confidence for m in found if m.confidence >= "medium"] == ["medium", "high"]


def test_summaries_add_up_and_say_no_number():
    texts = [f"a {VALID}", f"b １１０１０５１９４９１２３１００２Ｘ {OTHER}", "none"]
    parts = [idnumber.redact(text, summary=True, as_of=ON)[1] for text in texts]
    whole = idnumber.redact("\n".join(texts), summary=True, as_of=ON)[1]
    assert sum(parts) == sum(parts, idnumber.Summary()) == parts[0] + parts[1] + parts[2]
    assert (whole.matches, whole.medium, whole.plain, whole.fullwidth) == (3, 3, 2, 1)
    assert whole.scanned_bytes == len("\n".join(texts).encode())
    assert pickle.loads(pickle.dumps(whole)) == whole
    assert VALID not in repr(whole) and "110105" not in repr(whole)
    with pytest.raises(TypeError):
        whole + 1


# ---- Texts ------------------------------------------------------------------------------

@pytest.mark.parametrize("value", [12, None, 1.5, [VALID]])
def test_find_and_redact_take_only_texts(value):
    for call in (idnumber.find, idnumber.redact, idnumber.redact_number):
        with pytest.raises(TypeError, match="str or bytes"):
            call(value)


def test_redact_gives_the_type_it_is_given_and_the_text_itself_when_nothing_is_replaced():
    text, data = "no number here", b"no number \xff here"
    assert idnumber.redact(text) is text and idnumber.redact(data) is data
    for value in (bytearray(f"a {VALID}".encode()), memoryview(f"a {VALID}".encode())):
        assert idnumber.redact(value, as_of=ON) == b"a 110105********002X"
        assert [m.start for m in idnumber.find(value, as_of=ON)] == [2]
    assert idnumber.redact(bytearray(b"none")) == b"none" and type(idnumber.redact(bytearray(b"none"))) is bytes


def test_a_str_is_indexed_as_python_indexes_it():
    # Surrogate escapes and other lone surrogates count one character each
    # in find, as str indices do; redact gives the escaped bytes back.
    escaped = b"\xe4\xb8 \xff\xfe ".decode("utf-8", "surrogateescape") + f"身份证 {VALID} \ud800 😀 {OTHER}"
    found = idnumber.find(escaped, as_of=ON)
    assert [escaped[m.start:m.end] for m in found] == [VALID, OTHER]
    assert [m.column for m in found] == [m.start + 1 for m in found]
    assert found[0].keyword == "身份证"
    redacted = idnumber.redact(escaped, as_of=ON, way="label")
    assert redacted.encode("utf-8", "surrogateescape") == b"\xe4\xb8 \xff\xfe \xe8\xba\xab\xe4\xbb\xbd\xe8\xaf\x81 " \
        + "[身份证号] \ufffd 😀 [身份证号]".encode()


# ---- Options -----------------------------------------------------------------------------

@pytest.mark.parametrize("arguments, message", [
    (dict(min_confidence=2), "min_confidence takes a str"),
    (dict(fifteen_digits=1), "fifteen_digits takes True or False"),
    (dict(as_of="2024-06-30"), "as_of takes a datetime.date"),
    (dict(encoding=936), "encoding takes a str"),
    (dict(way=0), "way takes a str"),
    (dict(first="6"), "first takes an int"),
    (dict(last=True), "last takes an int"),
    (dict(way="label", label=b"[ID]"), "label takes a str"),
    (dict(way="token", key="a passphrase of words"), "key takes bytes"),
    (dict(way="token", key=12345678901234567890), "key takes bytes"),
    (dict(way="token", key=KEY, alphabet=32), "alphabet takes a str"),
    (dict(way="pseudonym", key=KEY, keep=7), "keep takes names"),
    (dict(way="pseudonym", key=KEY, keep=[1]), "keep takes names"),
    (dict(way="token", key=KEY, first=3), "first is an option of way='mask', not of way='token'"),
    (dict(key=KEY), "key is an option of way='token' and way='pseudonym', not of way='mask'"),
    (dict(way="label", keep={"sex"}), "keep is an option of way='pseudonym'"),
])
def test_options_of_the_wrong_type_or_way_are_type_errors(arguments, message):
    with pytest.raises(TypeError, match=message):
        idnumber.redact("x", **arguments)


@pytest.mark.parametrize("arguments, status, option, message", [
    (dict(encoding="latin-1"), "IDN_ERROR_BAD_ENCODING", "encoding",
     "encoding: must be \"utf-8\", \"gbk\" or \"auto\", not 'latin-1'"),
    (dict(min_confidence="sure"), "IDN_ERROR_BAD_CONFIDENCE", "min_confidence", None),
    (dict(way="hash"), "IDN_ERROR_BAD_REDACTION", "way", None),
    (dict(way="token", key=KEY, alphabet="base64"), "IDN_ERROR_TOKEN_FORMAT", "alphabet", None),
    (dict(way="pseudonym", key=KEY, keep={"name"}), "IDN_ERROR_BAD_ARGUMENT", "keep", None),
    (dict(way="token"), "IDN_ERROR_NO_KEY", "key", "key is required by the token and pseudonym ways of redaction"),
    (dict(way="token", key=b""), "IDN_ERROR_KEY_TOO_SHORT", "key", "key: must be at least 16 bytes, not 0"),
    (dict(way="pseudonym", key=bytearray(b"fifteen bytes!!")), "IDN_ERROR_KEY_TOO_SHORT", "key",
     "key: must be at least 16 bytes, not 15"),
    (dict(first=-1), "IDN_ERROR_MASK_RANGE", "first", "first: must be 0 to 17, not -1"),
    (dict(first=10**30), "IDN_ERROR_MASK_RANGE", "first", "first: must be 0 to 17, not " + str(10**30)),
    (dict(last=-10**30), "IDN_ERROR_MASK_RANGE", "last", "last: must be 0 to 11 with first 6 (at least one "
                                                          "character masked), not " + str(-10**30)),
    (dict(way="label", label="x" * 65), "IDN_ERROR_LABEL_TEXT", "label", "label: must be at most 64 bytes, not 65"),
    (dict(way="label", label="\ud800"), "IDN_ERROR_LABEL_TEXT", "label", "label: must be UTF-8 text"),
    (dict(way="token", key=KEY, length=7), "IDN_ERROR_TOKEN_FORMAT", "length",
     "length: must be 8 to 64 with hex, not 7"),
])
def test_refused_options_are_the_librarys_refusals_in_python_names(arguments, status, option, message):
    for call in (lambda: idnumber.redact(b"x", **arguments), lambda: idnumber.Redactor(**arguments),
                 lambda: idnumber.redact_many([b"x"], **arguments)):
        with pytest.raises(idnumber.IdNumberError) as raised:
            call()
        assert (raised.value.status, raised.value.option) == (status, option)
        if message is not None:
            assert str(raised.value) == message
    assert KEY.decode() not in str(raised.value)


def test_dates_and_encodings_by_their_python_names():
    text = "110105202407010023 110105202406300029"
    assert [m.number for m in idnumber.find(text, as_of=ON)] == ["110105202406300029"]
    assert idnumber.find(text, as_of=datetime.datetime(2024, 7, 1, 23, 59))[0].number == "110105202407010023"
    assert len(idnumber.find(text, as_of=pd.Timestamp("2024-07-01"))) == 2
    with pytest.raises(ValueError, match="NaT"):
        idnumber.find(text, as_of=pd.NaT)
    gbk = f"号码：{VALID}".encode("gbk")
    for name in ("gbk", "GBK", "cp936", "auto", "AUTO"):
        assert [m.start for m in idnumber.find(gbk, encoding=name, as_of=ON)] == [6], name
    for name in ("utf-8", "UTF8", "utf_8"):
        assert [m.start for m in idnumber.find(f"号码：{VALID}", encoding=name, as_of=ON)] == [3], name
    assert idnumber.find(VALID, fifteen_digits=np.True_, as_of=ON)[0].number == VALID


def test_redact_number_takes_one_number_alone():
    assert idnumber.redact_number(VALID) == "110105********002X"
    assert idnumber.redact_number(VALID.encode(), way="label") == "[身份证号]".encode()
    # As sure as a valid number is: a field has no keyword before it.
    assert idnumber.redact_number(VALID, min_confidence="high") == "110105********002X"
    assert idnumber.redact_number("110105194912310021", min_confidence="low", as_of=ON) == "110105********0021"
    for not_one in (" " + VALID, VALID + VALID, "", "110105194912310021", "x"):
        assert idnumber.redact_number(not_one) is None
    redactor = idnumber.Redactor(way="token", key=KEY)
    assert redactor.feed("a ") == ""
    assert redactor.redact_number(VALID) == idnumber.redact(VALID, way="token", key=KEY)
    assert redactor.close() == "a " and redactor.summary.matches == 0


def test_a_redactor_holds_its_key_out_of_sight():
    redactor = idnumber.Redactor(way="token", key=KEY)
    assert repr(redactor) == "Redactor(way='token')"
    assert not any(KEY in pickle.dumps(value) for value in vars(redactor).values() if _picklable(value))
    with pytest.raises(TypeError, match="cannot be pickled"):
        pickle.dumps(redactor)


def _picklable(value):
    try:
        pickle.dumps(value)
        return True
    except (TypeError, pickle.PicklingError):
        return False


# ---- Columns -----------------------------------------------------------------------------

NOTES = [f"甲 {VALID}", None, "无", f"乙 {OTHER} 丙 １１０１０５１９４９１２３１００２Ｘ", b"bytes " + VALID.encode()]


def test_a_column_of_any_type_gives_the_same_matches():
    texts = [n for n in NOTES if isinstance(n, str)]
    expected = idnumber.find_many(texts, as_of=ON)
    for make in (tuple, iter, np.array, lambda t: np.array(t, dtype=object), pd.Series,
                 lambda t: pd.Series(t, dtype="string"), lambda t: pd.Series(t, dtype="category")):
        pd.testing.assert_frame_equal(idnumber.find_many(make(texts), as_of=ON), expected)
        redacted = idnumber.redact_many(make(texts), as_of=ON)
        assert list(redacted) == ["甲 110105********002X", "无", "乙 110105********018X 丙 １１０１０５＊＊＊＊＊＊＊＊００２Ｘ"]


def test_find_many_is_find_of_each_row_on_the_rows_index():
    series = pd.Series(NOTES, index=["a", "b", "c", "d", "a"])
    frame = idnumber.find_many(series, as_of=ON)
    assert list(frame.index) == ["a", "d", "d", "a"]
    rows = [(label, m) for label, note in series.items() if note is not None for m in idnumber.find(note, as_of=ON)]
    def plain(value):
        return value.date() if isinstance(value, pd.Timestamp) else value

    assert [tuple(map(plain, row)) for row in frame.itertuples(index=False)] == [
        tuple(getattr(m, name) for name in idnumber.MATCH_FIELDS) for _, m in rows]
    assert frame.dtypes.astype(str).to_dict() == {
        "start": "int64", "end": "int64", "number": "object", "confidence": "category", "form": "object",
        "flaw": "object", "keyword": "object", "line": "int64", "column": "int64", "kind": "object",
        "sex": "object", "birth_date": "datetime64[ns]", "region_code": "Int32", "province": "object",
        "city": "object", "county": "object"}
    assert list(frame[frame.confidence >= "medium"].index) == ["a", "d", "d", "a"]
    low = idnumber.find_many(["110105194912310021"], min_confidence="low", as_of=ON)
    assert low["region_code"].isna().all() and low["birth_date"].isna().all() and low["confidence"][0] == "low"
    columns = idnumber.find_many(NOTES, frame=False, as_of=ON)
    assert list(columns) == ["row", *idnumber.MATCH_FIELDS]
    assert columns["row"].tolist() == [0, 3, 3, 4] and columns["confidence"][0] is idnumber.Confidence.MEDIUM
    assert columns["birth_date"].dtype == "datetime64[D]" and columns["region_code"].tolist() == [110105] * 4
    empty = idnumber.find_many([], as_of=ON)
    assert len(empty) == 0 and list(empty.columns) == list(idnumber.MATCH_FIELDS)


def test_redact_many_keeps_the_column_and_its_missing_values():
    series = pd.Series([f"甲 {VALID}", None, np.nan, pd.NA, "无"], index=[5, 6, 7, 8, 9], name="notes")
    out, counts = idnumber.redact_many(series, summary=True, way="label")
    assert (list(out.index), out.name, out.dtype) == ([5, 6, 7, 8, 9], "notes", object)
    assert out[5] == "甲 [身份证号]" and out[6] is None and out[7] is np.nan and out[8] is pd.NA
    assert out[9] is series[9] and counts.matches == 1
    typed = idnumber.redact_many(series.astype("string"), way="label")
    assert typed.dtype == "string" and typed[5] == "甲 [身份证号]" and typed[6] is pd.NA
    assert idnumber.redact_many(NOTES, as_of=ON)[4] == b"bytes 110105********002X"


@pytest.mark.parametrize("values, error, message", [
    (VALID, TypeError, "not one text; find"),
    (pd.DataFrame({"a": [VALID]}), TypeError, "not a DataFrame"),
    ([VALID, 110105194912310021], TypeError, "item 1 is int"),
    (np.array([1, 2]), TypeError, "holds no texts"),
    (np.array([[VALID]]), ValueError, "one-dimensional"),
    (12, TypeError, "iterable"),
])
def test_a_column_that_is_no_column_of_texts_is_refused(values, error, message):
    with pytest.raises(error, match=message):
        idnumber.find_many(values)
    with pytest.raises(error, match=message.replace("find", "redact")):
        idnumber.redact_many(values)


def test_str_rows_with_an_encoding_of_bytes_are_refused():
    with pytest.raises(ValueError, match=r"item 1 is a str: encoding 'gbk' reads bytes"):
        idnumber.redact_many([b"x", "y"], encoding="gbk")
    with pytest.raises(ValueError, match="item 0 is a str"):
        idnumber.find_many(["y"], encoding="auto")


def test_a_column_of_many_chunks_is_each_row_alone():
    # 16,384 rows or 8 MB a chunk; rows of every length, and one of 9 MB.
    draw = random.Random(7)
    rows = [draw.choice(["", "无", f"{VALID}", f"x {OTHER} y" * draw.randint(1, 30), "号" * draw.randint(0, 500)])
            for _ in range(40_000)]
    rows[20_000] = ("填充 " * 600_000) + VALID
    out, counts = idnumber.redact_many(rows, summary=True, way="label")
    singles = [idnumber.redact(row, way="label", summary=True) for row in rows]
    assert out == [text for text, _ in singles]
    assert counts == sum(summary for _, summary in singles)
    frame = idnumber.find_many(rows, as_of=ON)
    assert len(frame) == counts.matches and frame.index[-1] == max(i for i, r in enumerate(rows) if VALID in r or
                                                                    OTHER in r)


def test_a_batch_holds_no_reference_it_does_not_give():
    rows = [f"{VALID} {i}" for i in range(1000)] + ["无"] * 1000

    def counts():
        return [sys.getrefcount(row) for row in rows]

    before = counts()
    out = idnumber.redact_many(rows)
    frame = idnumber.find_many(rows)
    # The changed rows are new texts; the others, the rows themselves.
    assert counts() == before[:1000] + [count + 1000 for count in before[1000:]]
    assert all(a is b for a, b in zip(out[1000:], rows[1000:]))
    del out, frame
    assert counts() == before


# ---- Streams ------------------------------------------------------------------------------

def test_a_stream_keeps_the_type_of_its_first_piece():
    for stream in (idnumber.Finder(), idnumber.Redactor()):
        stream.feed("a")
        with pytest.raises(TypeError, match="a stream of str takes str pieces, not bytes"):
            stream.feed(b"b")
        with pytest.raises(TypeError, match="a piece is str or bytes, not int"):
            stream.feed(1)
        stream.close()
        with pytest.raises(ValueError, match="closed"):
            stream.feed("c")
        with pytest.raises(ValueError, match="closed"):
            stream.close()
    assert idnumber.Redactor().close() == "" and idnumber.Redactor(encoding="gbk").close() == b""
    assert idnumber.Finder(encoding="auto").close() == []
    with pytest.raises(ValueError, match="encoding 'auto' reads bytes"):
        idnumber.Redactor(encoding="auto").feed("x")
    redactor = idnumber.Redactor(way="label")
    assert b"".join([redactor.feed(bytearray(b"a " + VALID.encode())), redactor.close()]) == "a [身份证号]".encode()


def test_a_str_stream_never_cuts_a_character():
    # The scanner writes bytes as far as they are decided; a str stream's
    # come back whole characters, whatever the pieces.
    text = "".join(f"号码 １１０１０５１９４９１２３１００２Ｘ 😀 {i}\n" for i in range(300))
    expected = idnumber.redact(text, way="pseudonym", key=KEY)
    draw = random.Random(3)
    for most in (1, 2, 5, 64, 5000):
        redactor = idnumber.Redactor(way="pseudonym", key=KEY)
        out = [redactor.feed(piece) for piece in pieces_of(text, draw, most)] + [redactor.close()]
        assert "".join(out) == expected, most
        assert all("\ufffd" not in part for part in out)


def test_streams_of_files_and_of_pieces(tmp_path, log_text):
    path = tmp_path / "app.log"
    path.write_bytes(log_text.encode())
    expected = idnumber.redact(log_text.encode(), as_of=ON)
    out = io.BytesIO()
    with open(path, "rb") as source:
        counts = idnumber.redact_stream(source, out, as_of=ON)
    assert out.getvalue() == expected and counts == idnumber.redact(log_text.encode(), as_of=ON, summary=True)[1]
    text_out = io.StringIO()
    with open(path, encoding="utf-8", newline="") as source:
        idnumber.redact_stream(source, text_out, as_of=ON)
    assert text_out.getvalue().encode() == expected
    lines = log_text.encode().splitlines(keepends=True)
    chunks = io.BytesIO()
    idnumber.redact_stream(iter(lines), chunks, as_of=ON)
    assert chunks.getvalue() == expected
    with open(path, "rb") as source:
        assert list(idnumber.find_stream(source, as_of=ON)) == idnumber.find(log_text.encode(), as_of=ON)
    assert list(idnumber.find_stream([], as_of=ON)) == []


def test_a_stream_refuses_its_options_and_its_source_before_writing():
    written = io.BytesIO()
    with pytest.raises(idnumber.IdNumberError):
        idnumber.redact_stream(io.BytesIO(b"x"), written, way="token", key=b"short")
    with pytest.raises(TypeError, match="not one text"):
        idnumber.redact_stream(VALID, written)
    with pytest.raises(TypeError, match="write"):
        idnumber.redact_stream(io.BytesIO(b"x"), object())
    with pytest.raises(TypeError, match="iterable of pieces"):
        list(idnumber.find_stream(3))
    assert written.getvalue() == b""


# ---- Threads and signals ---------------------------------------------------------------------

def test_threads_redacting_and_finding_at_once_agree(log_text):
    rows = log_text.split("\n") * 2
    expected_rows = idnumber.redact_many(rows, way="token", key=KEY)
    expected_frame = idnumber.find_many(rows, min_confidence="low")
    failures = []

    def work(k):
        try:
            for _ in range(2):
                if k % 2:
                    assert idnumber.redact_many(rows, way="token", key=KEY) == expected_rows
                else:
                    pd.testing.assert_frame_equal(idnumber.find_many(rows, min_confidence="low"), expected_frame)
        except BaseException as error:  # noqa: BLE001  (reported below)
            failures.append(error)

    threads = [threading.Thread(target=work, args=(k,)) for k in range(6)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert not failures, failures


def test_one_stream_read_by_two_threads_at_once_is_refused():
    # The GIL is released while a piece is read: a second thread's piece
    # would share the scanner's context. Big pieces, so that the calls meet.
    piece = b"1234567890 " * 3_000_000
    for _ in range(5):
        redactor = idnumber.Redactor()
        barrier = threading.Barrier(2)
        refused = []

        def feed():
            barrier.wait()
            try:
                redactor.feed(piece)
            except RuntimeError as error:
                refused.append(str(error))

        threads = [threading.Thread(target=feed) for _ in range(2)]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
        if refused:
            assert refused == ["this stream is being read by another thread"]
            return
    pytest.fail("two threads' pieces never met")


class Interrupted(Exception):
    pass


def test_a_stream_interrupted_within_a_piece_refuses_to_go_on():
    # The piece's first megabytes were given to the library, their output
    # never returned: going on would leave a hole in the stream. (A signal
    # that comes just after the call is no interruption of it: the next,
    # longer piece is tried.)
    def interrupt(signum, frame):
        raise Interrupted()

    previous = signal.signal(signal.SIGALRM, interrupt)
    try:
        for size in (10_000_000, 40_000_000, 160_000_000):
            redactor = idnumber.Redactor()
            piece = b"1234567890 " * (size // 11)
            signal.setitimer(signal.ITIMER_REAL, 0.005)
            try:
                redactor.feed(piece)
            except Interrupted:
                pass
            finally:
                signal.setitimer(signal.ITIMER_REAL, 0)
            try:
                redactor.feed(b"more")
            except RuntimeError as error:
                assert "interrupted in an earlier piece" in str(error)
                with pytest.raises(RuntimeError, match="interrupted in an earlier piece"):
                    redactor.close()
                return
    finally:
        signal.signal(signal.SIGALRM, previous)
    pytest.skip("every piece was read before the timer's signal")


INTERRUPTED = r"""
import sys, time
import numpy as np
import idnumber

work = sys.argv[1]
# Rows without a number, so that the results take no memory of their own.
rows = np.broadcast_to(np.array(["备注：无 order=12345678901234567890123"], dtype=object), (20_000_000,))
if work == "redact_many":
    call = lambda: idnumber.redact_many(rows)
elif work == "find_many":
    call = lambda: idnumber.find_many(rows, frame=False)
else:
    data = b"id_no=11010519491231002X ok " * 6_000_000
    call = lambda: idnumber.redact(data)
print("started", flush=True)
begun = time.perf_counter()
call()
print(f"finished after {time.perf_counter() - begun:.1f} s", flush=True)
"""


@pytest.mark.parametrize("work", ["redact_many", "find_many", "redact"])
def test_ctrl_c_stops_a_long_scan_at_once(work):
    child = subprocess.Popen([sys.executable, "-c", INTERRUPTED, work], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True)
    try:
        assert child.stdout.readline() == "started\n"
        time.sleep(0.5)
        sent = time.monotonic()
        child.send_signal(signal.SIGINT)
        out, err = child.communicate(timeout=120)
        waited = time.monotonic() - sent
    finally:
        child.kill()
        child.wait()
    assert "KeyboardInterrupt" in err and "finished" not in out, (out, err[-2000:])
    assert waited < 1.0, f"exited {waited:.2f} s after SIGINT ({out.strip()})"

