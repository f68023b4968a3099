"""What verify and verify_many take and give: the input types, missing
values, bad input, the result's types, verify_frame, and batches verified
from several threads at once."""
import dataclasses
import datetime
import pickle
import sys
import threading

import numpy as np
import pandas as pd
import pytest

import idnumber

VALID = "11010519491231002X"
SHORT = "1101051949123100"


def test_verdict_is_immutable_and_explained():
    verdict = idnumber.verify(VALID)
    with pytest.raises(dataclasses.FrozenInstanceError):
        verdict.valid = False
    assert verdict == idnumber.verify(VALID.encode())
    assert hash(verdict) == hash(idnumber.verify(VALID))
    assert pickle.loads(pickle.dumps(verdict)) == verdict
    assert dataclasses.replace(verdict, valid=False).valid is False
    assert (verdict.birth_date, verdict.birth_date_text) == (datetime.date(1949, 12, 31), "19491231")
    for name in idnumber.FIELDS:
        assert name in idnumber.verify.__doc__ or name in idnumber.Verdict.__doc__
    assert "expected_check" in idnumber.Verdict.__doc__ and "19900231" in idnumber.Verdict.__doc__


@pytest.mark.parametrize("value", [110105194912310021, 1.5, None, bytearray(b"1"), ["1"], memoryview(b"1")])
def test_verify_takes_only_str_and_bytes(value):
    with pytest.raises(TypeError, match="str or bytes"):
        idnumber.verify(value)


def test_bad_texts_are_refusals_not_errors():
    assert idnumber.verify("11010519491231002\x00").reason == "characters"
    assert idnumber.verify("\x00" * 18).reason == "characters"
    assert idnumber.verify(b"\xff" * 18).reason == "characters"
    assert idnumber.verify(b"\xc3" * 5).message == "您输入的身份证号为5位，正确的应为18位"
    # Lone surrogates count as their three bytes each.
    assert idnumber.verify("\ud800" * 6).reason == "characters"
    assert idnumber.verify("\udcff" * 5).message == "您输入的身份证号为15位，正确的应为18位"
    huge = idnumber.verify("1" * 1_000_000)
    assert (huge.reason, huge.message) == ("length", "您输入的身份证号为1000000位，正确的应为18位")
    # Full-width digits are three bytes each.
    assert idnumber.verify("１１０１０５１９４９１２３１００２Ｘ").message == "您输入的身份证号为54位，正确的应为18位"


def test_a_batch_of_every_input_type_gives_the_same_columns():
    values = [VALID, SHORT, "11010519491231002x"]
    expected = idnumber.verify_many(values)
    for same in (tuple(values), iter(values), (v for v in values), np.array(values), np.array(values, dtype=object),
                 np.array([v.encode() for v in values]), [v.encode() for v in values],
                 pd.Series(values), pd.Series(values, dtype="string"), pd.Series(values, dtype="category"),
                 np.array([v for v in values for _ in (0, 1)])[::2], np.array(values, dtype=">U18")):
        pd.testing.assert_frame_equal(idnumber.verify_many(same), expected)


def test_importing_idnumber_leaves_pandas_alone_until_a_batch_needs_it():
    # pandas takes most of a second to import; verify() needs none of it.
    # Once the caller has imported it, its NA and NaT are missing values in
    # a dict of columns too.
    script = ("import sys, idnumber; assert 'pandas' not in sys.modules; idnumber.verify('1'); "
              "assert 'pandas' not in sys.modules; import pandas; "
              "c = idnumber.verify_many(['11010519491231002X', pandas.NA, pandas.NaT], frame=False); "
              "assert c['valid'].mask.tolist() == [False, True, True], c['valid']")
    import subprocess
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, check=False)
    assert done.returncode == 0, done.stderr


def test_missing_values_give_rows_of_nulls():
    values = [VALID, None, float("nan"), np.nan, pd.NA, pd.NaT, np.float64("nan")]
    verdicts = idnumber.verify_many(values)
    assert verdicts["valid"].tolist() == [True] + [pd.NA] * 6
    assert verdicts["birth_date"].isna().tolist() == [False] + [True] * 6
    assert verdicts["in_use_at_birth"].tolist() == [True] + [pd.NA] * 6
    for name in idnumber.FIELDS:
        if name not in ("valid", "birth_date", "in_use_at_birth"):
            assert verdicts[name].tolist()[1:] == [None] * 6, name
    series = pd.Series([None, VALID, None], dtype="string", index=[10, 20, 30])
    assert idnumber.verify_many(series)["valid"].to_dict() == {10: pd.NA, 20: True, 30: pd.NA}


def test_refused_rows_have_nulls_after_expected_check():
    verdicts = idnumber.verify_many(["11010519491231002x"])
    row = verdicts.iloc[0]
    assert (row["valid"], row["reason"], row["expected_check"]) == (False, "characters", "X")
    assert row["in_use_at_birth"] is pd.NA and row["birth_date"] is pd.NaT
    assert row[["birth_date_text", "sex", "province", "kind", "code_status", "history", "now"]].isna().all()


def test_items_of_other_types_are_refused_by_position():
    with pytest.raises(TypeError, match=r"item 2 is int, not str or bytes \(an identity number is a text"):
        idnumber.verify_many([VALID, SHORT, 110105194912310021])
    with pytest.raises(TypeError, match="item 0 is list"):
        idnumber.verify_many([[VALID]])
    with pytest.raises(TypeError, match="an array of int64 holds no texts"):
        idnumber.verify_many(np.array([110105194912310021]))
    with pytest.raises(TypeError, match="an array of float64 holds no texts"):
        idnumber.verify_many(pd.Series([1.0, float("nan")]))
    with pytest.raises(TypeError, match="not one text"):
        idnumber.verify_many(VALID)
    with pytest.raises(TypeError, match="iterable of str or bytes, not int"):
        idnumber.verify_many(5)
    with pytest.raises(ValueError, match="one-dimensional array, not 2-dimensional"):
        idnumber.verify_many(np.array([[VALID]]))


def test_an_error_raised_by_the_iterable_comes_through():
    def numbers():
        yield VALID
        raise LookupError("the source failed")

    with pytest.raises(LookupError, match="the source failed"):
        idnumber.verify_many(numbers())


def test_an_empty_batch_has_the_columns_and_their_types():
    verdicts = idnumber.verify_many([])
    assert list(verdicts.columns) == list(idnumber.FIELDS) and len(verdicts) == 0
    assert str(verdicts["valid"].dtype) == "boolean" and str(verdicts["birth_date"].dtype) == "datetime64[ns]"


def test_without_pandas_the_columns_are_numpy_arrays():
    columns = idnumber.verify_many([VALID, None, "11010516000101003X"], frame=False)
    assert list(columns) == list(idnumber.FIELDS)
    assert isinstance(columns["valid"], np.ma.MaskedArray)
    assert columns["valid"].mask.tolist() == [False, True, False]
    assert columns["birth_date"].dtype == np.dtype("datetime64[D]")
    assert columns["birth_date"][0] == np.datetime64("1949-12-31")
    assert columns["reason"].dtype == object and columns["sex"].tolist() == ["女", None, None]


def test_dates_before_1677_are_nat_in_a_frame_but_kept_as_text():
    first17 = "11010516000101003"
    number = first17 + idnumber.verify(first17 + "0").expected_check
    verdicts = idnumber.verify_many([number])
    assert verdicts["valid"][0] and verdicts["birth_date"][0] is pd.NaT
    assert verdicts["birth_date_text"][0] == "16000101"
    assert idnumber.verify_many([number], frame=False)["birth_date"][0] == np.datetime64("1600-01-01")
    assert idnumber.verify(number).birth_date == datetime.date(1600, 1, 1)


def test_texts_and_tuples_are_shared_between_rows():
    verdicts = idnumber.verify_many([VALID] * 3)
    for name in ("province", "city", "birth_date_text", "history", "now"):
        first, second, _ = verdicts[name]
        assert first is second


def test_chosen_fields_are_the_same_columns_in_the_order_asked():
    values = [VALID, SHORT, None, "51220119800101001X", "11010519491231002x"] * 3
    whole = column_lists(idnumber.verify_many(values))
    for fields in (("reason", "valid"), ("in_use_at_birth",), ("birth_date_text", "now", "sex"), ("city",),
                   "message", idnumber.FIELDS[::-1]):
        chosen = idnumber.verify_many(values, fields=fields)
        names = [fields] if isinstance(fields, str) else list(fields)
        assert list(chosen.columns) == names
        assert column_lists(chosen) == {name: whole[name] for name in names}
        assert list(idnumber.verify_many(values, fields=fields, frame=False)) == names
    assert list(idnumber.verify_frame(pd.DataFrame({"n": values}), "n", fields=["valid"]).columns) == ["n", "valid"]
    with pytest.raises(ValueError, match="no field named 'validity'; the fields are valid, reason"):
        idnumber.verify_many(values, fields=["validity"])
    with pytest.raises(ValueError, match="named twice"):
        idnumber.verify_many(values, fields=["valid", "valid"])


@pytest.mark.parametrize("fields", [None, ("province",), ("birth_date_text",), ("valid",), ("history", "message")])
def test_batches_count_the_references_they_hold(fields):
    shared = idnumber.verify(VALID)
    objects = [shared.province, shared.history, shared.now, shared.sex, shared.code_status]
    before = [sys.getrefcount(o) for o in objects]
    nones = sys.getrefcount(None)
    for _ in range(3):
        verdicts = idnumber.verify_many([VALID, SHORT, None] * 1000, fields=fields)
        del verdicts
    assert [sys.getrefcount(o) for o in objects] == before
    assert abs(sys.getrefcount(None) - nones) < 100
    # A birth-date text of the batch is held by its cells alone.
    text = idnumber.verify_many([VALID] * 10)["birth_date_text"][0]
    assert sys.getrefcount(text) == 2


def test_verify_frame_appends_the_verdicts_on_the_frame_index():
    df = pd.DataFrame({"number": [VALID, SHORT, None], "n": [1, 2, 3]}, index=[5, 5, 7])
    out = idnumber.verify_frame(df, "number")
    assert list(out.columns) == ["number", "n", *idnumber.FIELDS]
    assert out.index.tolist() == [5, 5, 7]
    assert out["reason"].tolist() == [None, "length", None] and out["n"].tolist() == [1, 2, 3]
    prefixed = idnumber.verify_frame(df, "number", prefix="id_")
    assert "id_valid" in prefixed.columns
    with pytest.raises(ValueError, match="already has columns named"):
        idnumber.verify_frame(out, "number")


def column_lists(verdicts):
    """The columns as lists that compare cheaply: cells are shared objects."""
    return {name: (verdicts[name].to_numpy().view("int64") if name == "birth_date" else verdicts[name]).tolist()
            for name in verdicts.columns}


def test_batches_from_threads_at_once_agree():
    values = [VALID, SHORT, "11010519491231002x", None] * 5_000
    expected = column_lists(idnumber.verify_many(values))
    results = [None] * 4

    def work(slot):
        results[slot] = [column_lists(idnumber.verify_many(values)) for _ in range(5)]

    threads = [threading.Thread(target=work, args=(slot,)) for slot in range(4)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    for result in results:
        assert result == [expected] * 5


def test_a_list_changed_while_it_is_verified_leaves_the_batch_as_it_was():
    # Each item its own object, and each replaced by a new one: only the
    # batch's references keep the old ones alive.
    values = [VALID[:9] + VALID[9:] for _ in range(200_000)]
    stop = threading.Event()

    def mutate():
        while not stop.is_set():
            for i in range(0, len(values), 1000):
                values[i] = SHORT[:8] + SHORT[8:]

    thread = threading.Thread(target=mutate)
    thread.start()
    try:
        for _ in range(5):
            verdicts = idnumber.verify_many(values)
            assert len(verdicts) == 200_000
            assert set(verdicts["reason"].dropna()) <= {"length"}
    finally:
        stop.set()
        thread.join()
