"""verify_many and verify against idtool verify --format jsonl on the same
lines: 10^5 realistic numbers (70% valid, the rest spread over the four
refusals) and a set of awkward ones, compared field by field on every line,
from bytes and from str."""
import datetime
import math
import random

import numpy as np
import pandas as pd
import pytest

import idnumber

from conftest import idtool_records, write_numbers
from test_inputs import column_lists


def completed(first17):
    """first17 with the check character it calls for."""
    return first17 + idnumber.verify(first17 + "0").expected_check


NEXT_YEAR = datetime.date.today().year + 1

AWKWARD = [
    b"",
    b"11010519491231002x",
    b"\x00" * 18,
    b"11010519491231002\x00",
    b"\xff\xfe" + b"1" * 16,
    "１１０１０５１９４９１２３１００２Ｘ".encode(),
    "11010519491231002Ｘ".encode(),
    b"1" * 65,
    b"1" * 1_000_000,
    b"110105194912310 2X",
    completed("11010500000101001").encode(),  # year 0000: no datetime.date
    completed("11010519900231001").encode(),  # 31 February: no calendar date
    completed("11010519900000002").encode(),  # month and day 00
    completed("11010516000101003").encode(),  # before datetime64[ns]
    completed("11010516770922004").encode(),  # the first day datetime64[ns] holds
    completed(f"110105{NEXT_YEAR}0101005").encode(),  # the year after the current one
    completed("11010519901301006").encode(),  # month 13
    completed("11010519900132007").encode(),  # day 32
    completed("51220119800101001").encode(),  # abolished in 1992
    completed("33011220000101002").encode(),  # created 2017
    completed("33012419950101003").encode(),  # 临安县, abolished 1996
    completed("99010119800101004").encode(),  # no such province
    completed("81000019900101005").encode(),  # Hong Kong residents' permit
    completed("93310019900101006").encode(),  # foreigner's card
    completed("11000019900101007").encode(),  # a province-level code
    completed("14030219490101008").encode(),  # born before 1981
    completed("91184019900101001").encode(),  # foreigner's card, 美国
    completed("91199919900101002").encode(),  # foreigner's card of a code ISO 3166-1 lacks
    b"110105491231002",  # fifteen digits: upgraded
    b"1.10105E+17",
    b"110105194912310000",
    b"1" * 62 + "中文".encode(),  # 68 bytes, a character across the 64th
]


@pytest.fixture(scope="module")
def lines_and_records(tmp_path_factory, idtool):
    folder = tmp_path_factory.mktemp("agreement")
    path = write_numbers(folder / "numbers.txt", 100_000)
    lines = path.read_bytes().split(b"\n")[:-1]
    assert len(lines) == 100_000
    lines += AWKWARD
    path.write_bytes(b"\n".join(lines) + b"\n")
    records = idtool_records(idtool, path)
    assert len(records) == len(lines)
    return lines, records


def expected_columns(records):
    """idtool's records as verify_many's columns (birth_date aside)."""
    columns = {name: [] for name in idnumber.FIELDS if name != "birth_date"}
    for record in records:
        for name in columns:
            key = "birth_date" if name == "birth_date_text" else name
            value = record.get(key)
            if name == "history" and value is not None:
                value = [[h["name"], h["province"], h["prefecture"], h["from"], h["until"]] for h in value]
            elif name in ("successors", "now", "nationality") and value is not None:
                value = [list(item.values()) for item in value] if name != "nationality" else list(value.values())
            columns[name].append(value)
    return columns


def actual_columns(verdicts):
    """verify_many's DataFrame in the shape of expected_columns."""
    columns = {}
    for name in idnumber.FIELDS:
        if name == "birth_date":
            continue
        values = verdicts[name].astype(object).where(verdicts[name].notna(), None).tolist()
        if name == "history":
            values = [None if v is None else [[h.name, h.province, h.prefecture, h.from_, h.until] for h in v]
                      for v in values]
        elif name in ("successors", "now"):
            values = [None if v is None else [list(item) for item in v] for v in values]
        elif name == "nationality":
            values = [None if v is None else list(v) for v in values]
        columns[name] = values
    return columns


def assert_same_columns(actual, expected, lines):
    for name in expected:
        if actual[name] != expected[name]:
            row = next(i for i, (a, e) in enumerate(zip(actual[name], expected[name])) if a != e)
            pytest.fail(f"{name} differs on line {row + 1} ({lines[row][:40]!r}): {actual[name][row]!r}, "
                        f"idtool: {expected[name][row]!r}")


def expected_birth_date(text):
    """birth_date as verify gives it for idtool's birth_date text."""
    if text is None:
        return None
    try:
        return datetime.date(int(text[:4]), int(text[4:6]), int(text[6:]))
    except ValueError:
        return None


def test_every_field_of_every_line_agrees_from_bytes(lines_and_records):
    lines, records = lines_and_records
    verdicts = idnumber.verify_many(lines)
    assert list(verdicts.columns) == list(idnumber.FIELDS)
    assert_same_columns(actual_columns(verdicts), expected_columns(records), lines)
    # birth_date: the date, NaT for no calendar date or one before 1677-09-22.
    for stamp, record in zip(verdicts["birth_date"], records):
        date = expected_birth_date(record["birth_date"])
        if date is None or date < datetime.date(1677, 9, 22):
            assert stamp is pd.NaT, record
        else:
            assert stamp.date() == date, record


def test_every_field_agrees_from_str_and_from_arrays(lines_and_records):
    lines, records = lines_and_records
    texts, kept, kept_records = [], [], []
    for line, record in zip(lines, records):
        try:
            texts.append(line.decode("utf-8"))
        except UnicodeDecodeError:
            continue
        kept.append(line)
        kept_records.append(record)
    assert len(texts) > 100_000
    # Lone surrogates of surrogateescape stand for the bytes they escaped: every line comes back.
    escaped = [line.decode("utf-8", "surrogateescape") for line in lines]
    assert_same_columns(actual_columns(idnumber.verify_many(escaped)), expected_columns(records), lines)
    by_list = idnumber.verify_many(texts)
    assert_same_columns(actual_columns(by_list), expected_columns(kept_records), kept)
    for values in (np.array(texts, dtype=object), pd.Series(texts, dtype="string")):
        assert column_lists(idnumber.verify_many(values)) == column_lists(by_list)
    # Fixed-width arrays drop trailing NULs, as NumPy reads their elements.
    short = [t for t in texts if len(t) < 100 and not t.endswith("\x00")]
    short_records = [r for t, r in zip(texts, kept_records) if len(t) < 100 and not t.endswith("\x00")]
    by_array = idnumber.verify_many(np.array(short))
    assert_same_columns(actual_columns(by_array), expected_columns(short_records), short)
    by_bytes = idnumber.verify_many(np.array([t.encode() for t in short]))
    assert column_lists(by_bytes) == column_lists(by_array)


def test_verify_agrees_with_idtool_one_number_at_a_time(lines_and_records):
    lines, records = lines_and_records
    picked = list(range(0, 100_000, 97)) + list(range(100_000, len(lines)))
    for i in picked:
        verdict = idnumber.verify(lines[i])
        record = records[i]
        for name in ("valid", "reason", "message", "expected_check", "hint", "upgraded", "kind", "sex", "province",
                     "city", "county", "code_status", "in_use_at_birth"):
            assert getattr(verdict, name) == record[name], (lines[i][:40], name)
        assert verdict.birth_date_text == record["birth_date"]
        assert verdict.birth_date == expected_birth_date(record["birth_date"])
        if record["valid"]:
            assert [list(h[1:3]) + [h.prefecture, h.from_, h.until] for h in verdict.history] == [
                [h["name"], h["province"], h["prefecture"], h["from"], h["until"]] for h in record["history"]]
            assert [s._asdict() for s in verdict.successors] == record["successors"]
            assert [n._asdict() for n in verdict.now] == record["now"]
            assert (verdict.nationality and verdict.nationality._asdict()) == record["nationality"]
        else:
            assert verdict.history is verdict.successors is verdict.now is verdict.kind is verdict.nationality is None


def test_kind_names_the_permit_and_the_card():
    assert idnumber.verify(completed("11010519491231002")).kind == "resident"
    assert idnumber.verify(completed("81000019900101005")).kind == "hmt_permit"
    assert idnumber.verify(completed("93310019900101006")).kind == "foreigner_card"
    assert idnumber.verify("1101051949123100").kind is None


def test_counts_per_reason_hold_over_batches_of_any_size(lines_and_records):
    lines, records = lines_and_records
    expected = {}
    for record in records:
        expected[record["reason"]] = expected.get(record["reason"], 0) + 1
    counted = {}
    for start in range(0, len(lines), 7919):
        for reason in idnumber.verify_many(lines[start:start + 7919])["reason"]:
            counted[reason] = counted.get(reason, 0) + 1
    assert counted == expected
    assert not any(isinstance(k, float) and math.isnan(k) for k in counted)


def test_in_use_at_birth_is_the_librarys_for_every_birth_year_in_any_order(library):
    # Each code's answers are kept with the birth years they hold for: a
    # code whose answer changes four times (511422) keeps fewer spans than
    # it has, and years before, within and after the history, in a shuffled
    # order, miss and replace the kept ones again and again.
    codes = [511422, 429001, 330124, 512201, 330112, 110105, 140302, 999999]
    years = [0, 1, 1900, *range(1975, 2030), 5000, 9999]
    random.Random(5).shuffle(years)
    numbers = [completed(f"{code:06d}{year:04d}0101001") for _ in range(3) for year in years for code in codes]
    expected = [library.in_use_at_birth(int(number[:6]), int(number[6:10])) for number in numbers]
    assert idnumber.verify_many(numbers, fields="in_use_at_birth", year_limit=9999)[
        "in_use_at_birth"].tolist() == expected
    assert [idnumber.verify(number, year_limit=9999).in_use_at_birth for number in numbers[::7]] == expected[::7]
