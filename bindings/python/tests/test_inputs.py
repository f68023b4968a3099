"""What verify and verify_many take and give: the input types, missing
values, bad input and the errors it gets, texts with surrogates, the
result's types, verify_frame, year limits, batches from several threads at
once, and Ctrl-C during long calls."""
import dataclasses
import datetime
import pickle
import signal
import subprocess
import sys
import threading
import time

import numpy as np
import pandas as pd
import pytest

import idnumber

from conftest import write_numbers

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
    # A lone surrogate is U+FFFD (three bytes), but U+DC80-U+DCFF, the byte
    # that errors="surrogateescape" escaped.
    assert idnumber.verify("\ud800" * 6).reason == "characters"
    assert idnumber.verify("1101051949123100\ud800").message == "您输入的身份证号为19位，正确的应为18位"
    assert idnumber.verify("\udcff" * 5).message == "您输入的身份证号为5位，正确的应为18位"
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
    # A birth-date text of the batch, a long text's message and an upgraded
    # number are held by their cells alone.
    verdicts = idnumber.verify_many([VALID] * 10 + ["1" * 300, "110105491231002"], frame=False)
    kept = [verdicts[name][row] for name, row in (("birth_date_text", 0), ("message", 10), ("upgraded", 11))]
    del verdicts
    assert [sys.getrefcount(kept[k]) for k in range(3)] == [2, 2, 2]


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
    # The frame's own columns keep their types and values, also where two
    # share a name (then joined by concat) or a column is of a pandas type.
    df["flag"] = pd.array([True, None, False], dtype="boolean")
    twice = pd.DataFrame([[VALID, 1, 2], [SHORT, 3, 4]], columns=["number", "x", "x"])
    for frame in (df, twice):
        out = idnumber.verify_frame(frame, "number", fields=("valid", "reason"))
        assert list(out.columns) == [*frame.columns, "valid", "reason"]
        assert (out.dtypes.iloc[: frame.shape[1]] == frame.dtypes).all()
        assert out.iloc[:, : frame.shape[1]].equals(frame)
        assert out["reason"].tolist() == idnumber.verify_many(frame["number"])["reason"].tolist()


def column_lists(verdicts):
    """The columns as lists that compare cheaply: cells are shared objects."""
    return {name: (verdicts[name].to_numpy().view("int64") if name == "birth_date" else verdicts[name]).tolist()
            for name in verdicts.columns}


THREADS = r"""
import gc, sys, threading
import idnumber

# The GIL passes whenever Python code runs and another thread waits.
sys.setswitchinterval(1e-6)
lines = open(sys.argv[1], "rb").read().split(b"\n")[:-1]
texts = [line.decode() for line in lines]
FIELDS = [None, ("province", "valid"), ("history", "now"), ("city", "successors", "reason"), None, ("county",),
          ("history",), ("province", "birth_date_text", "code_status")]

def columns(frame):
    return {name: (frame[name].to_numpy().view("int64") if name == "birth_date" else frame[name]).tolist()
            for name in frame.columns}

# A fresh process: the region entries are made while eight batches, each of
# its own fields, run.
results = [None] * 8
start = threading.Barrier(8)

def work(slot):
    start.wait()
    values = lines if slot % 2 else texts
    results[slot] = [columns(idnumber.verify_many(values, fields=FIELDS[slot])) for _ in range(2)]

threads = [threading.Thread(target=work, args=(slot,)) for slot in range(8)]
for thread in threads:
    thread.start()
for thread in threads:
    thread.join()
for slot, result in enumerate(results):
    expected = columns(idnumber.verify_many(lines, fields=FIELDS[slot]))
    assert result == [expected] * 2, f"the batch of thread {slot} differs"
del results, expected
gc.collect()
# Every cell counted its reference: a code's history tuples are now held by
# its region entry alone, and by the verdict and the call below.
miscounted = set()
for line in lines[:20000]:
    verdict = idnumber.verify(line)
    for name in ("history", "successors", "now"):
        if getattr(verdict, name) and sys.getrefcount(getattr(verdict, name)) != 3:
            miscounted.add((line[:6], name, sys.getrefcount(getattr(verdict, name))))
assert not miscounted, sorted(miscounted)[:10]
print("ok")
"""


def test_eight_threads_verifying_big_batches_at_once_agree(tmp_path):
    # Batches once counted the references of shared objects in one counter
    # per region code, which another thread's batch of other fields counted
    # and reset for its own columns when the GIL passed mid-batch:
    # miscounted references, and the interpreter crashed.
    # Two fresh processes: the old fault crashed three runs in four.
    numbers = write_numbers(tmp_path / "numbers.txt", 150_000, seed=21)
    for _ in range(2):
        done = subprocess.run([sys.executable, "-c", THREADS, str(numbers)], capture_output=True, text=True,
                              timeout=600, check=False)
        assert done.returncode == 0 and done.stdout.strip() == "ok", (done.returncode, done.stderr[-3000:])


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



def test_a_list_whose_length_changes_meanwhile_is_refused():
    # A list is read chunk by chunk, as it is when each chunk's turn comes;
    # another thread changes its length while a chunk is verified.
    values = [VALID] * 300_000
    stop = threading.Event()

    def resize():
        while not stop.is_set():
            values.append(SHORT)
            values.pop()

    thread = threading.Thread(target=resize)
    thread.start()
    outcomes = set()
    try:
        for _ in range(10):
            try:
                outcomes.add(len(idnumber.verify_many(values, fields=("reason",))))
            except RuntimeError as error:
                assert str(error) == "verify_many: the list changed length while it was verified"
                outcomes.add("refused")
    finally:
        stop.set()
        thread.join()
    assert outcomes <= {300_000, 300_001, "refused"} and "refused" in outcomes

INTERRUPTED = r"""
import sys, time
import numpy as np
import idnumber

work = sys.argv[1]
if work == "verify_many":
    # 10^8 rows without 10^8 items: one object, broadcast.
    values = np.broadcast_to(np.array(["11010519491231002X"], dtype=object), (100_000_000,))
    call = lambda: idnumber.verify_many(values, fields=("valid",), frame=False)
elif work == "iterable":
    values = np.broadcast_to(np.array(["11010519491231002X"], dtype=object), (60_000_000,))
    call = lambda: idnumber.verify_many(iter(values), fields=("valid",), frame=False)
else:
    call = lambda: idnumber.generate("110105", born_between=("18000101", "20201231"), count=10_000_000)
print("started", flush=True)
begun = time.perf_counter()
call()
print(f"finished after {time.perf_counter() - begun:.1f} s", flush=True)
"""


@pytest.mark.parametrize("work", ["verify_many", "iterable", "generate"])
def test_ctrl_c_stops_a_long_call_at_once(work):
    # Signals were handled only when a call returned: Ctrl-C took effect
    # after the whole batch (several seconds here).
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


def test_inputs_once_answered_with_raw_library_texts_get_python_errors():
    class LengthHintLiar:
        # Once "vector::reserve", from the reservation of a hint of 2^62.
        def __iter__(self):
            return iter([VALID, SHORT])

        def __length_hint__(self):
            return 2**62

    assert idnumber.verify_many(LengthHintLiar())["reason"].tolist() == [None, "length"]
    # Once "no field named 118": bytes taken as an iterable of ints.
    with pytest.raises(TypeError, match="fields takes a field name or an iterable of names"):
        idnumber.verify_many([VALID], fields=b"valid")
    with pytest.raises(TypeError, match="fields takes names"):
        idnumber.verify_many([VALID], fields=["valid", 3])
    with pytest.raises(TypeError, match="not a DataFrame"):
        idnumber.verify_many(pd.DataFrame({"number": [VALID]}))
    with pytest.raises(TypeError, match="verify_frame takes a pandas DataFrame, not list"):
        idnumber.verify_frame([VALID], "number")
    with pytest.raises(KeyError, match="the frame has no column 'id'"):
        idnumber.verify_frame(pd.DataFrame({"number": [VALID]}), "id")
    with pytest.raises(TypeError, match="prefix takes a str"):
        idnumber.verify_frame(pd.DataFrame({"number": [VALID]}), "number", prefix=1)
    with pytest.raises(TypeError, match="regions: query takes str or bytes, not NoneType"):
        idnumber.regions(None)
    with pytest.raises(TypeError, match="year_limit takes an int or None, not str"):
        idnumber.verify(VALID, year_limit="2020")


def test_year_limits_are_the_librarys(library):
    born_2020 = "110105202001010023"
    assert idnumber.verify(born_2020, year_limit=2020).valid
    assert idnumber.verify(born_2020, year_limit=2019).reason == "date"
    assert idnumber.verify_many([born_2020], year_limit=2019)["reason"].tolist() == ["date"]
    assert idnumber.verify(born_2020, year_limit=0) == idnumber.verify(born_2020)
    for limit in (-1, 10000, 2**70):
        with pytest.raises(idnumber.IdNumberError) as raised:
            idnumber.verify(born_2020, year_limit=limit)
        assert (raised.value.status, raised.value.option, str(raised.value)) == (
            "IDN_ERROR_YEAR_LIMIT", "year_limit", library.option_message(-41, str(limit).encode()))
        with pytest.raises(idnumber.IdNumberError):
            idnumber.verify_many([born_2020], year_limit=limit)


ESCAPED = [b"\xd5\xc5\xc8\xfd,11010519491231002X", b"\xff" * 18, b"11010519491231002\xff",
           b"\xb1\xb1\xbe\xa9" + b"1" * 70, b"\x80" * 200]


def test_surrogateescape_strings_are_their_bytes():
    # PEP 383: a str read with errors="surrogateescape" verifies as the bytes it came from.
    escaped = [data.decode("utf-8", "surrogateescape") for data in ESCAPED]
    for data, text in zip(ESCAPED, escaped):
        assert idnumber.verify(text) == idnumber.verify(data)
    pd.testing.assert_frame_equal(idnumber.verify_many(escaped), idnumber.verify_many(ESCAPED))
    pd.testing.assert_frame_equal(idnumber.verify_many(np.array(escaped)), idnumber.verify_many(ESCAPED))
    assert idnumber.mask("\udcff1234567890123") == "\ufffd12345****0123"
    assert idnumber.upgrade("110105491231002") == idnumber.upgrade(b"110105491231002")
    # Non-ASCII strings are verified without a UTF-8 copy kept in them.
    long_text = "中" * 1_000_000
    assert idnumber.verify(long_text).message == "您输入的身份证号为3000000位，正确的应为18位"
    assert idnumber.verify_many([long_text, "１" * 18])["message"].tolist() == [
        "您输入的身份证号为3000000位，正确的应为18位", "您输入的身份证号为54位，正确的应为18位"]


# ---- ages ----------------------------------------------------------------------------------

LEAP = "110105200002290013"  # born 29 February 2000


def test_a_verdicts_age_takes_any_date_python_has():
    verdict = idnumber.verify(VALID)
    on = datetime.date(2024, 12, 30)
    assert verdict.age(on) == 74
    assert verdict.age(datetime.datetime(2024, 12, 31, 0, 0)) == 75  # by its date
    assert verdict.age(pd.Timestamp("2024-12-31 23:59", tz="Asia/Shanghai")) == 75
    assert verdict.age(np.datetime64("2024-12-31T06:00")) == 75
    today = datetime.date.today()
    assert verdict.age() in (verdict.age(today), verdict.age(today + datetime.timedelta(days=1)))
    for none in (pd.NaT, np.datetime64("NaT")):
        assert verdict.age(none) is None
    assert idnumber.verify(LEAP).age(datetime.date(2001, 2, 28)) == 0
    assert idnumber.verify(SHORT).age(on) is None
    with pytest.raises(TypeError, match="on takes a datetime.date, a numpy.datetime64 or None, not str"):
        verdict.age("2024-12-30")
    with pytest.raises(ValueError, match="not a date from 0001-01-01 to 9999-12-31"):
        verdict.age(np.datetime64("10000-01-01"))
    # A Verdict made by hand is read as its fields say.
    assert dataclasses.replace(verdict, birth_date_text="20000229").age(datetime.date(2001, 3, 1)) == 1
    with pytest.raises(ValueError, match="eight digits"):
        dataclasses.replace(verdict, birth_date_text=None).age(on)
    with pytest.raises(ValueError, match="no verdict has the reason 'late'"):
        dataclasses.replace(verdict, valid=False, reason="late").age(on)


def test_a_batchs_ages_on_one_date_or_each_rows_own():
    values = [VALID, SHORT, None, LEAP]
    on = datetime.date(2004, 2, 29)
    frame = idnumber.verify_many(values, fields=("valid",), age_on=on)
    assert list(frame.columns) == ["valid", "age"] and str(frame["age"].dtype) == "Int32"
    assert frame["age"].tolist() == [54, pd.NA, pd.NA, 4]
    assert list(idnumber.verify_many(values, age_on=on).columns) == [*idnumber.FIELDS, "age"]
    assert list(idnumber.verify_many(values, fields=("age", "valid"), age_on=on).columns) == ["age", "valid"]
    assert "age" not in idnumber.FIELDS and "age" not in idnumber.verify_many(values).columns
    # One date a row: None, NaN, NA and NaT are none.
    dates = [datetime.date(1950, 1, 1), on, on, datetime.date(2000, 2, 28)]
    for each in (dates, tuple(dates), iter(dates), np.array(dates, dtype="datetime64[D]"), pd.Series(dates),
                 pd.to_datetime(pd.Series(dates))):
        assert idnumber.verify_many(values, fields="age", age_on=each)["age"].tolist() == [0, pd.NA, pd.NA, pd.NA]
    for none in (None, float("nan"), pd.NA, pd.NaT, np.datetime64("NaT")):
        assert idnumber.verify_many([VALID, VALID], fields="age", age_on=[none, on])["age"].tolist() == [pd.NA, 54]
    # A date's own day where it was taken, not UTC's.
    evening = pd.Series(pd.to_datetime(["2024-12-31 23:00"]).tz_localize("Asia/Shanghai"))
    assert idnumber.verify_many([VALID], fields="age", age_on=evening)["age"].tolist() == [75]
    # No age_on: the ages today.
    assert idnumber.verify_many([VALID], fields="age")["age"][0] == idnumber.verify(VALID).age()
    columns = idnumber.verify_many(values, fields="age", age_on=on, frame=False)
    assert columns["age"].dtype == np.int32 and columns["age"].tolist() == [54, None, None, 4]


def test_a_batchs_dates_of_ages_are_refused_when_they_cannot_be_dates_of_its_rows():
    on = datetime.date(2024, 1, 1)
    with pytest.raises(ValueError, match="the numbers are 2 and age_on's dates 1: give one date, or one for each"):
        idnumber.verify_many([VALID, SHORT], age_on=[on])
    with pytest.raises(ValueError, match="the numbers are 3 and age_on's dates 2"):
        idnumber.verify_many(iter([VALID] * 3), age_on=[on, on])
    with pytest.raises(ValueError, match="a date outside 0001-01-01 to 9999-12-31, at row 1"):
        idnumber.verify_many([VALID, VALID], age_on=np.array(["2020-01-01", "10000-01-01"], dtype="datetime64[D]"))
    with pytest.raises(ValueError, match="age_on is a Series on another index than the numbers'"):
        idnumber.verify_many(pd.Series([VALID], index=[7]), age_on=pd.Series([on], index=[8]))
    with pytest.raises(TypeError, match="fromisoformat"):
        idnumber.verify_many([VALID], age_on="2024-01-01")
    with pytest.raises(TypeError, match="age_on's item 1 is str, not a date"):
        idnumber.verify_many([VALID, VALID], age_on=[on, "2024-01-01"])
    with pytest.raises(TypeError, match="not a 1-dimensional array of int64"):
        idnumber.verify_many([VALID], age_on=np.array([20240101]))
    with pytest.raises(TypeError, match="a date or a column of dates, not int"):
        idnumber.verify_many([VALID], age_on=20240101)


def test_a_frames_ages_on_a_column_of_its_own():
    df = pd.DataFrame({"number": [VALID, LEAP, VALID],
                       "seen": pd.to_datetime(["2024-12-30", "2004-02-29", None])}, index=[4, 4, 9])
    out = idnumber.verify_frame(df, "number", fields="valid", age_on="seen", prefix="id_")
    assert list(out.columns) == ["number", "seen", "id_valid", "id_age"]
    assert out["id_age"].tolist() == [74, 4, pd.NA] and out.index.tolist() == [4, 4, 9]
    assert idnumber.verify_frame(df, "number", fields="valid", age_on=datetime.date(2024, 12, 31))[
        "age"].tolist() == [75, 24, 75]
    with pytest.raises(KeyError, match="the frame has no column 'visit'"):
        idnumber.verify_frame(df, "number", age_on="visit")
