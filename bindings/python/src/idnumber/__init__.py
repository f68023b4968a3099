"""Resident identity numbers of the People's Republic of China: verify them one
at a time or by the column, make up well-formed ones, and look up what their
region codes name.

One number::

    >>> import idnumber
    >>> v = idnumber.verify("11010519491231002X")
    >>> v.valid, v.birth_date, v.sex, v.province, v.city, v.county
    (True, datetime.date(1949, 12, 31), '女', '北京市', '朝阳区', '')

A column (a list, any iterable, a NumPy array or a pandas Series)::

    >>> df = idnumber.verify_many(["11010519491231002X", "1101051949123100", None])
    >>> df["reason"].tolist()
    [None, 'length', None]

The verdicts are those of the project's C library and its ``idtool verify``,
field for field: the same checks (length, the ISO 7064 MOD 11-2 check
character, a birth date whose year is not after the current one, month at
most 12 and day at most 31), the same messages and hints, the region texts
of the built-in 2009 tables and what the history of region codes from 1981
to 2024 says of the code.

Ages: ``Verdict.age(on)``, and ``verify_many(..., age_on=date)``'s column
``age``.

Numbers in text, found and redacted (a text, a column, a stream)::

    >>> idnumber.redact("客户 11010519491231002X 已登记")
    '客户 110105********002X 已登记'
    >>> [m.number for m in idnumber.find("客户 11010519491231002x 已登记")]
    ['11010519491231002X']

Functions: verify, verify_many, verify_frame (for pandas and Dask's
map_partitions), generate, regions, history, upgrade, mask; find,
find_many, find_stream, redact, redact_many, redact_stream, redact_number.
Types: Verdict, HistoryRecord, Successor, PresentCode, Nationality, Region;
Match, Confidence, Summary, Finder, Redactor. Exception: IdNumberError (a
ValueError). Warning: BirthDateWarning.
"""
from __future__ import annotations

import dataclasses
import datetime
import sys
import warnings
from typing import Any, Iterable, NamedTuple, Union

import numpy as np

from . import _native

__all__ = [
    "BirthDateWarning",
    "Confidence",
    "FIELDS",
    "Finder",
    "HistoryRecord",
    "IdNumberError",
    "MATCH_FIELDS",
    "Match",
    "Nationality",
    "PresentCode",
    "Redactor",
    "Region",
    "Successor",
    "Summary",
    "Verdict",
    "__version__",
    "find",
    "find_many",
    "find_stream",
    "generate",
    "history",
    "mask",
    "redact",
    "redact_many",
    "redact_number",
    "redact_stream",
    "regions",
    "upgrade",
    "verify",
    "verify_frame",
    "verify_many",
]

__version__: str = _native.version()


class IdNumberError(ValueError):
    """A value the library refuses: a generate option, an upgrade, a year
    limit, an option of find or redact.

    ``str(error)`` is the library's message, naming the parameter as the
    function calls it. ``status`` is the C API's status name, a stable code
    for programs ("IDN_ERROR_COUNT_EXCEEDS_CANDIDATES"); ``option`` the
    parameter refused ("region", "birth", "born_between", "sex", "count",
    "seed", "as_of", "year_limit"; "encoding", "min_confidence", "way",
    "first", "last", "label", "key", "alphabet", "length", "keep"), or None
    when the refusal is of no option (upgrade).
    """

    def __init__(self, message: str, status: str, option: str | None = None) -> None:
        super().__init__(message)
        self.status = status
        self.option = option

    def __reduce__(self) -> tuple[Any, ...]:
        return type(self), (self.args[0], self.status, self.option)


class HistoryRecord(NamedTuple):
    """One name and place of a region code in the history of 1981-2024."""

    code: int
    name: str
    province: str
    #: the prefecture-level unit; "直辖" when directly under the province-level
    #: unit, "" for a province-level record
    prefecture: str
    #: "province", "prefecture" or "county"
    level: str
    #: the first year of the record (``from`` elsewhere: a keyword in Python)
    from_: int
    #: the year it ended, None while in use
    until: int | None


class Successor(NamedTuple):
    """A code that took over the area of an ended code, under the name it went on with."""

    code: int
    name: str
    #: "in_use" or "abolished"
    status: str


class PresentCode(NamedTuple):
    """A code in use in 2024 and its name."""

    code: int
    name: str


class Nationality(NamedTuple):
    """The country of a foreigner's permanent residence card (digits 4-6)."""

    #: the ISO 3166-1 numeric code, three digits ("840")
    code: str
    #: its Chinese name ("美国"), None for a code ISO 3166-1 lacks
    name: str | None


class Region(NamedTuple):
    """A record of the 2009 tables, as ``idtool regions`` lists it."""

    code: int
    name: str
    #: "county" (what generate takes), "city", "group" (a 市辖区 record) or "province"
    level: str
    province: str
    #: the city-level record the code belongs to, None for a province or city
    city: str | None


class BirthDateWarning(UserWarning):
    """generate was given a birth date that is no real calendar date (such as 19900231)."""


_missing_markers_told = False


def _tell_missing_markers() -> None:
    """Tells the batch pandas' NA and NaT once pandas is imported: no value
    can be one of them before, and importing pandas with idnumber would cost
    every user of verify() most of a second."""
    global _missing_markers_told
    pandas = sys.modules.get("pandas")
    if _missing_markers_told or pandas is None or not hasattr(pandas, "NaT"):
        return
    _native.set_missing((pandas.NA, pandas.NaT))
    _missing_markers_told = True


_FIELD_HELP = """
    valid
        True or False.
    reason
        None when valid; "length" (not 18 bytes of UTF-8), "characters" (a
        non-digit among the first 17, or a last character other than a digit
        or upper-case X), "check" (the wrong check character) or "date" (a
        birth year after the year limit, a month above 12 or a day above 31).
    message
        The dialog's message for the refusal (such as
        "您输入的身份证号为16位，正确的应为18位"), None when valid.
    expected_check
        The check character the first 17 characters call for when they are
        all digits ("0"-"9" or "X"), else None; set for refused numbers too.
    hint
        For a refused number, what probably happened when one repair would
        make it valid or explains it: "scientific" (1.10105E+17), "zeroed"
        (18 digits ending in 000 that fail the check), "lowercase_x",
        "fullwidth", "spaces" (spaces, tabs or hyphens), "fifteen_digits" (a
        15-digit number of the old format) or "cr_line_ends"; else None.
    upgraded
        With the hint "fifteen_digits", the number's 18-character form.

    The rest are None unless the number is valid:

    kind
        "resident", "hmt_permit" (Hong Kong, Macao and Taiwan residents'
        residence permit, codes 81-83) or "foreigner_card" (a foreigner's
        permanent residence card, first digit 9); information only.
    nationality
        For a foreigner_card, its country from digits 4-6: a Nationality
        (code "840", name "美国"; name None for a code ISO 3166-1 lacks);
        else None.
    birth_date
        A datetime.date, or None when the digits are no real calendar date:
        the rules only bound the month by 12 and the day by 31, so 19900231,
        19900000 and 00000101 pass. birth_date_text has the digits always.
    birth_date_text
        The eight digits YYYYMMDD, as idtool's birth_date.
    sex
        "男" (position 17 odd) or "女".
    province, city, county
        The dialog's three region fields from the 2009 tables: for a
        municipality its name, the district and "" ; for a province its name,
        the city and the county; "未知位置" / "错误地区码" where the tables
        lack the code.
    code_status
        "2009" (a county of the 2009 tables), "in_use" (in use in 2024 but not
        in the 2009 tables), "abolished" or "unknown" (no record has it).
    history
        The code's records in time order: a tuple of HistoryRecord.
    successors
        The codes that took over its area when its last record ended: a
        tuple of Successor; empty while the code is in use.
    now
        The codes in use in 2024 that the area went to: a tuple of
        PresentCode; empty while the code is in use or when the trail ends.
    in_use_at_birth
        Whether a record of the code was in use in the birth year (a year
        before 1981 is answered by the list of 1981); a hint, never a
        refusal, since many registered after their birth.
"""


@dataclasses.dataclass(frozen=True, slots=True)
class Verdict:
    valid: bool
    reason: str | None
    message: str | None
    expected_check: str | None
    hint: str | None
    upgraded: str | None
    kind: str | None
    nationality: Nationality | None
    birth_date: datetime.date | None
    birth_date_text: str | None
    sex: str | None
    province: str | None
    city: str | None
    county: str | None
    code_status: str | None
    history: tuple[HistoryRecord, ...] | None
    successors: tuple[Successor, ...] | None
    now: tuple[PresentCode, ...] | None
    in_use_at_birth: bool | None

    def age(self, on: datetime.date | np.datetime64 | None = None) -> int | None:
        """The holder's age in completed years on the date ``on``: the years
        since the birth date, one less before the birthday in the last year
        (a birthday of 29 February comes on 1 March in other years).

        ``on`` is a datetime.date (a datetime or pandas Timestamp counts by
        its date) or a numpy.datetime64; None (the default) is today on the
        local clock. None is returned for a refused number, a birth date no
        calendar has (19900231), a date before the birth, and a missing date
        (NaT).

        >>> verdict = idnumber.verify("11010519491231002X")
        >>> verdict.age(datetime.date(2024, 12, 30)), verdict.age(datetime.date(2024, 12, 31))
        (74, 75)
        >>> print(verdict.age(datetime.date(1949, 12, 30)))
        None
        """
        date = _age_date(on, "age")
        if date is None:
            return None
        return _native.age_on(self.reason, self.birth_date_text, date.year, date.month, date.day)


Verdict.__doc__ = ("The verdict on one number, as ``idtool verify`` gives it; immutable.\n\n"
                   "    Its fields:\n" + _FIELD_HELP +
                   "\n    Its method ``age(on=None)`` gives the holder's age on a date.\n")

#: The verdict's fields in order: verify's attributes, verify_many's columns.
FIELDS: tuple[str, ...] = tuple(field.name for field in dataclasses.fields(Verdict))

_native.set_types(Verdict, FIELDS, HistoryRecord, Successor, PresentCode, Nationality, Region, IdNumberError)


def _is_integer(value: Any) -> bool:
    return isinstance(value, (int, np.integer)) and not isinstance(value, (bool, np.bool_))


def _optional_integer(value: Any, caller: str, name: str) -> int | None:
    """An int parameter that may be None, as a Python int."""
    if value is None:
        return None
    if not _is_integer(value):
        raise TypeError(f"{caller}: {name} takes an int or None, not {type(value).__name__}")
    return int(value)


def verify(text: str | bytes, *, year_limit: int | None = None) -> Verdict:
    """Verifies one identity number and returns its Verdict.

    ``text`` is a str (taken as its UTF-8 bytes, so the length in a message
    counts bytes, as idtool does) or bytes (taken as they are: invalid UTF-8
    or NUL bytes are characters no number has, so the number is refused,
    never an error). A str's lone surrogates U+DC80-U+DCFF stand for the
    bytes that errors="surrogateescape" escaped, and go in as those bytes;
    any other lone surrogate goes in as U+FFFD. Anything else raises
    TypeError.

    ``year_limit`` is the latest birth year a number may have: None (or 0)
    for the current year on the local clock, else 1 to 9999 (IdNumberError,
    status "IDN_ERROR_YEAR_LIMIT", otherwise).

    >>> idnumber.verify("11010519491231002X").city
    '朝阳区'
    >>> idnumber.verify("11010519491231002x").hint
    'lowercase_x'

    The Verdict's fields:
    """
    if year_limit is None:
        return _native.verify_one(text, None)
    return _native.verify_one(text, _optional_integer(year_limit, "verify", "year_limit"))


verify.__doc__ += _FIELD_HELP


def _pandas(required: bool = False) -> Any:
    try:
        import pandas  # type: ignore[import]
    except ImportError:
        if required:
            raise ImportError("idnumber: this needs pandas (Debian: python3-pandas)") from None
        return None
    return pandas


def _series_values(series: Any) -> Any:
    """The values of a pandas Series as NumPy gives them: object or str
    arrays as they are, other pandas types (string, categorical) as objects
    with pandas' missing markers in place."""
    if isinstance(series.dtype, np.dtype):
        return series.to_numpy()
    return series.to_numpy(dtype=object)


#: The column a batch has besides the verdict's fields: the age on age_on.
_AGE = "age"


def _fields(fields: Iterable[str] | str | None, caller: str) -> tuple[str, ...]:
    """The columns asked for, checked: verdict fields and "age"; every field for None."""
    if fields is None:
        return FIELDS
    if isinstance(fields, str):
        fields = (fields,)
    elif isinstance(fields, (bytes, bytearray)) or not hasattr(fields, "__iter__"):
        raise TypeError(f"{caller}: fields takes a field name or an iterable of names (str), "
                        f"not {type(fields).__name__}")
    chosen = tuple(fields)
    for name in chosen:
        if not isinstance(name, str):
            raise TypeError(f"{caller}: fields takes names (str), not {type(name).__name__}")
        if name not in FIELDS and name != _AGE:
            raise ValueError(f"{caller}: no field named {name!r}; the fields are {', '.join(FIELDS)}, and "
                             f"{_AGE} (the age on age_on)")
    if len(set(chosen)) != len(chosen):
        raise ValueError(f"{caller}: a field named twice in {chosen}")
    return chosen


_EPOCH_ORDINAL = datetime.date(1970, 1, 1).toordinal()

#: What age_on takes: one date for every row, or a date (None: none) for each.
_AgeDates = Union[datetime.date, np.datetime64, Iterable[Union[datetime.date, np.datetime64, None]]]


def _age_date(on: Any, caller: str) -> datetime.date | None:
    """The date of an age: ``on`` as a datetime.date, today for None, None
    for a missing date (NaT)."""
    if on is None:
        return _native.today()
    if isinstance(on, datetime.date):
        # pandas' NaT is a datetime, and equal to nothing.
        return on if on == on else None
    if isinstance(on, np.datetime64):
        if np.isnat(on):
            return None
        date = on.astype("datetime64[D]").item()
        if not isinstance(date, datetime.date):
            raise ValueError(f"{caller}: {on} is not a date from 0001-01-01 to 9999-12-31")
        return date
    raise TypeError(f"{caller}: on takes a datetime.date, a numpy.datetime64 or None, not {type(on).__name__}")


def _day(date: datetime.date | None) -> np.datetime64:
    return np.datetime64("NaT", "D") if date is None else np.datetime64(date.toordinal() - _EPOCH_ORDINAL, "D")


def _age_days(age_on: Any, index: Any, caller: str) -> np.ndarray:
    """age_on as the extension takes it: days since 1970-01-01 as int64, NaT
    for none; one date for every row (an array of no dimension), or one a
    row (from a sequence, an iterable, an array or a Series of dates; the
    extension checks their count)."""
    if age_on is None or isinstance(age_on, (datetime.date, np.datetime64)):
        return np.array(_day(_age_date(age_on, f"{caller}: age_on"))).view("int64")
    if isinstance(age_on, (str, bytes)):
        raise TypeError(f"{caller}: age_on takes a datetime.date or a column of them, not {type(age_on).__name__} "
                        "(datetime.date.fromisoformat reads a text)")
    pandas = sys.modules.get("pandas")
    if pandas is not None and isinstance(age_on, pandas.Series):
        if index is not None and not age_on.index.equals(index):
            raise ValueError(f"{caller}: age_on is a Series on another index than the numbers'")
        if isinstance(age_on.dtype, pandas.DatetimeTZDtype):
            age_on = age_on.dt.tz_localize(None)  # each date in its own time zone
        age_on = age_on.to_numpy()
    elif pandas is not None and isinstance(age_on, (pandas.Index, pandas.api.extensions.ExtensionArray)):
        age_on = np.asarray(age_on.tz_localize(None) if getattr(age_on, "tz", None) is not None else age_on)
    if not hasattr(age_on, "__iter__"):
        raise TypeError(f"{caller}: age_on takes a date or a column of dates, not {type(age_on).__name__}")
    if not isinstance(age_on, np.ndarray) or age_on.dtype == object:
        not_available = getattr(pandas, "NA", None)
        days = []
        for i, value in enumerate(age_on):
            if value is None or value is not_available or (isinstance(value, float) and value != value):
                days.append(_day(None))
            elif isinstance(value, (datetime.date, np.datetime64)):
                days.append(_day(_age_date(value, f"{caller}: age_on")))
            else:
                raise TypeError(f"{caller}: age_on's item {i} is {type(value).__name__}, not a date")
        return np.array(days, dtype="datetime64[D]").view("int64")
    if age_on.dtype.kind != "M" or age_on.ndim != 1:
        raise TypeError(f"{caller}: age_on takes dates, not a {age_on.ndim}-dimensional array of {age_on.dtype}")
    return age_on.astype("datetime64[D]").view("int64")


def verify_many(values: Iterable[str | bytes | None] | Any, *, fields: Iterable[str] | str | None = None,
                frame: bool | None = None, year_limit: int | None = None,
                age_on: _AgeDates | None = None) -> Any:
    """Verifies a column of identity numbers and returns the verdicts as columns.

    ``values`` is a list, a tuple, any iterable, a one-dimensional NumPy array
    of str, bytes or objects, or a pandas Series (of object, string or
    categorical type). Each item is a str or bytes, taken as verify() takes
    it; None, NaN and pandas' NA and NaT give a row of nulls. Any other item
    (an int, say: a column read as numbers has lost its X and leading zeros)
    raises TypeError naming its position, and so does an array of numbers.
    A list is taken as it was when the call began.

    Returns a pandas DataFrame (index: the Series' index, else 0..n-1) when
    pandas is installed, else a dict of NumPy arrays; ``frame=False`` asks
    for the dict, ``frame=True`` insists on the DataFrame. The columns are
    Verdict's fields, in FIELDS order, or those named in ``fields`` in their
    order (``fields=("valid", "reason")`` costs a fraction of all of them):

    ==================  ===========================  ==============================
    column              DataFrame                    dict
    ==================  ===========================  ==============================
    valid               boolean (nullable)           numpy.ma bool, masked if null
    birth_date          datetime64[ns], NaT if none  datetime64[D], NaT if none
    in_use_at_birth     boolean (nullable)           numpy.ma bool, masked if null
    age                 Int32 (nullable)             numpy.ma int32, masked if none
    others              object: str, tuple or None   object: str, tuple or None
    ==================  ===========================  ==============================

    birth_date is NaT where verify gives None, and in a DataFrame also for
    dates before 1677-09-22, which datetime64[ns] cannot hold; the digits
    are in birth_date_text always. Texts, tuples and messages are shared
    objects, one per distinct value. ``year_limit`` is verify's.

    ``age_on`` adds the column ``age``, each holder's age as Verdict.age
    gives it (null where that is None): on one date for every row (a
    datetime.date or numpy.datetime64), or on each row's own (a list, an
    array or a Series of dates, one a row, None or NaT for none; a Series
    on the index of a Series of numbers). The column comes where ``fields``
    names "age", else last; ``fields`` naming "age" without ``age_on`` gives
    the ages today.

    The texts are read with the GIL held and verified in C++ with it
    released, a chunk at a time; Ctrl-C stops a long batch at once. Batches
    may run in several threads at once.

    >>> idnumber.verify_many(["11010519491231002X", None])["valid"].tolist()
    [True, <NA>]
    >>> idnumber.verify_many(["11010519491231002X", "110105200002290013"], fields="valid",
    ...                      age_on=datetime.date(2024, 2, 28))
       valid  age
    0   True   74
    1   True   23
    """
    if isinstance(values, (str, bytes)):
        raise TypeError("verify_many takes a collection of numbers, not one text; verify() takes one number")
    names = _fields(fields, "verify_many")
    if age_on is not None and _AGE not in names:
        names += (_AGE,)
    limit = _optional_integer(year_limit, "verify_many", "year_limit")
    pandas = _pandas(required=bool(frame)) if frame is not False else None
    given = sys.modules.get("pandas")
    ages = None
    if _AGE in names:
        ages = _age_days(age_on, values.index if given is not None and isinstance(values, given.Series) else None,
                         "verify_many")
    index = None
    if pandas is not None and isinstance(values, pandas.DataFrame):
        raise TypeError("verify_many takes a column (a Series), not a DataFrame: pass df[column], or use "
                        "verify_frame(df, column)")
    if pandas is not None and isinstance(values, pandas.Series):
        index = values.index
        values = _series_values(values)
    elif type(values).__module__.startswith("pandas"):
        if type(values).__name__ == "DataFrame":
            raise TypeError("verify_many takes a column (a Series), not a DataFrame: pass df[column]")
        if hasattr(values, "dtype") and hasattr(values, "to_numpy"):
            values = _series_values(values)
    _tell_missing_markers()
    columns = _native.verify_batch(values, nanoseconds=pandas is not None,
                                   fields=None if names is FIELDS else names, year_limit=limit, age_on=ages)
    valid = columns["valid"]
    missing = columns["missing"]
    if pandas is None:
        columns["valid"] = np.ma.MaskedArray(valid, mask=missing)
        if "birth_date" in columns:
            columns["birth_date"] = columns["birth_date"].view("datetime64[D]")
        if "in_use_at_birth" in columns:
            columns["in_use_at_birth"] = np.ma.MaskedArray(columns["in_use_at_birth"], mask=~valid)
        if _AGE in columns:
            columns[_AGE] = np.ma.MaskedArray(columns[_AGE], mask=columns[_AGE] < 0)
        return {name: columns[name] for name in names}
    columns["valid"] = pandas.arrays.BooleanArray(valid, missing)
    if "birth_date" in columns:
        columns["birth_date"] = columns["birth_date"].view("datetime64[ns]")
    if "in_use_at_birth" in columns:
        columns["in_use_at_birth"] = pandas.arrays.BooleanArray(columns["in_use_at_birth"], ~valid)
    if _AGE in columns:
        columns[_AGE] = pandas.arrays.IntegerArray(columns[_AGE], columns[_AGE] < 0)
    if index is None:
        index = pandas.RangeIndex(len(valid))
    return pandas.DataFrame({name: columns[name] for name in names}, index=index, copy=False)


def _frame_column(df: Any, column: Any, pandas: Any, what: str) -> Any:
    """The Series of a frame's column, refusing a missing or doubled name."""
    try:
        values = df[column]
    except KeyError:
        raise KeyError(f"verify_frame: the frame has no column {column!r}") from None
    if isinstance(values, pandas.DataFrame):
        raise ValueError(f"verify_frame: the frame has {values.shape[1]} columns named {column!r}; "
                         f"give the one {what} a name of its own")
    return values


def verify_frame(df: Any, column: Any, *, fields: Iterable[str] | str | None = None, prefix: str = "",
                 year_limit: int | None = None, age_on: _AgeDates | str | None = None) -> Any:
    """Returns the pandas DataFrame ``df`` with the verdicts on ``df[column]``
    appended as columns (Verdict's fields, or those named in ``fields``,
    each named ``prefix + field``), row for row, on df's index. Shaped for
    Dask::

        ddf.map_partitions(idnumber.verify_frame, "number")
        ddf.map_partitions(idnumber.verify_frame, "number", fields=("valid", "reason"))
        ddf.map_partitions(idnumber.verify_frame, "number", fields="valid", age_on="admitted")

    A verdict column whose name df already has raises ValueError: give a
    prefix. The column's values are taken as verify_many takes them, and
    ``age_on`` as verify_many's, or the name of df's column of dates (each
    row's age on its own date).

    >>> import pandas as pd
    >>> df = pd.DataFrame({"number": ["11010519491231002X"], "admitted": [pd.Timestamp("2024-12-30")]})
    >>> idnumber.verify_frame(df, "number", fields="valid", age_on="admitted")
                   number   admitted  valid  age
    0  11010519491231002X 2024-12-30   True   74
    """
    pandas = _pandas(required=True)
    if not isinstance(df, pandas.DataFrame):
        raise TypeError(f"verify_frame takes a pandas DataFrame, not {type(df).__name__}")
    if not isinstance(prefix, str):
        raise TypeError(f"verify_frame: prefix takes a str, not {type(prefix).__name__}")
    names = _fields(fields, "verify_frame")
    values = _frame_column(df, column, pandas, "to verify")
    dates = _frame_column(df, age_on, pandas, "of dates") if isinstance(age_on, str) else age_on
    verdicts = verify_many(values, fields=names, frame=True, year_limit=year_limit, age_on=dates)
    if prefix:
        verdicts.columns = [prefix + name for name in verdicts.columns]
    clash = [name for name in verdicts.columns if name in df.columns]
    if clash:
        raise ValueError(f"verify_frame: the frame already has columns named {clash}; pass a prefix")
    if not df.columns.is_unique or isinstance(df.columns, pandas.MultiIndex):
        return pandas.concat([df, verdicts], axis=1, copy=False)
    # One frame of both frames' arrays, not copied: concat would copy every
    # object column into one block (most of the call's time).
    columns = {name: df[name]._values for name in df.columns}
    columns.update((name, verdicts[name]._values) for name in verdicts.columns)
    return pandas.DataFrame(columns, index=df.index, copy=False)


def _text(value: Any, caller: str, name: str) -> str | bytes:
    if isinstance(value, (str, bytes)):
        return value
    raise TypeError(f"{caller}: {name} takes str or bytes, not {type(value).__name__}")


def _date_text(value: Any, name: str) -> str | bytes:
    """A birth-date option as generate takes it: "YYYYMMDD" (str or bytes)
    or a datetime.date."""
    if isinstance(value, datetime.date):
        return f"{value.year:04d}{value.month:02d}{value.day:02d}"
    if isinstance(value, (str, bytes)):
        return value
    raise TypeError(f"generate: {name} takes a str YYYYMMDD or a datetime.date, not {type(value).__name__}")


def generate(
    region: str | int | None,
    *,
    birth: str | datetime.date | None = None,
    born_between: tuple[str | datetime.date, str | datetime.date] | None = None,
    sex: str | None = None,
    count: int | None = 1,
    seed: int | None = None,
    as_of: int | None = None,
    year_limit: int | None = None,
) -> list[str]:
    """Makes ``count`` distinct well-formed numbers, as ``idtool generate``.

    region
        A county-level record of the 2009 tables: a code (110105 or
        "110105"), a name ("朝阳区"), or "city/county" or
        "province/city/county" where a name names several records.
    birth
        One birth date, "YYYYMMDD" or a datetime.date, taken as the dialog
        takes it: 8 digits, the year not after the year limit, month at most
        12, day at most 31. A date that is no real calendar date (19900231)
        is kept as given, with a BirthDateWarning.
    born_between
        (first, last): birth dates drawn uniformly over the real calendar
        dates from first to last, both included. Give birth or born_between.
    sex
        "男" or "male" (odd sequence number), "女" or "female" (even), "any"
        (ASCII words in any case), or None for any.
    count
        How many numbers, 1 to 2**63 - 1 (None: 1); more than the options can
        give is refused.
    seed
        0 to 2**64 - 1: the same seed and options give the same numbers as
        ``idtool generate --seed`` on every platform; None takes a seed from
        the system.
    as_of
        A year 1981-2024: region is then a six-digit code in use that year in
        the history of region codes (a county since abolished, say).
    year_limit
        The latest birth year: None (or 0) for the current year, else 1-9999.

    A refused option raises IdNumberError (a ValueError) with the library's
    message, naming the parameter as above, and its ``status`` and
    ``option``; a value of the wrong type raises TypeError. Ctrl-C stops a
    long generation.

    >>> idnumber.generate("110105", birth="19491001", count=2, seed=7)
    ['11010519491001805X', '110105194910016900']
    """
    if _is_integer(region):
        region = str(int(region))
    elif region is not None:
        region = _text(region, "generate", "region")
    birth_text = _date_text(birth, "birth") if birth is not None else None
    first = last = None
    if born_between is not None:
        if isinstance(born_between, (str, bytes)) or not hasattr(born_between, "__len__") or len(born_between) != 2:
            raise TypeError("generate: born_between takes a pair (first, last) of dates, str YYYYMMDD or "
                            f"datetime.date; not {type(born_between).__name__}")
        first, last = (_date_text(end, "born_between") for end in born_between)
    if sex is not None:
        sex = _text(sex, "generate", "sex")
    numbers, warning = _native.generate(
        region, birth_text, first, last, sex, _optional_integer(count, "generate", "count"),
        _optional_integer(seed, "generate", "seed"), _optional_integer(as_of, "generate", "as_of"),
        _optional_integer(year_limit, "generate", "year_limit"))
    if warning:
        warnings.warn(warning, BirthDateWarning, stacklevel=2)
    return numbers


def regions(query: str | bytes | int = "") -> list[Region]:
    """The records of the 2009 tables, in table order, whose code starts with
    ``query`` or whose name holds it ("" lists them all), as ``idtool
    regions`` lists them.

    >>> [r.name for r in idnumber.regions("1403")][:3]
    ['阳泉市', '市辖区', '城区']
    """
    if _is_integer(query):
        query = str(int(query))
    return _native.regions(_text(query, "regions", "query"))


def history(code: str | int) -> tuple[HistoryRecord, ...]:
    """A region code's records in the history of 1981-2024, in time order, as
    ``idtool regions --history CODE`` gives them; an empty tuple for a code
    no record has. ``code`` is six digits, as an int or a str; anything else
    is a ValueError (or TypeError for another type).

    >>> idnumber.history(330124)[0]
    HistoryRecord(code=330124, name='临安县', province='浙江省', prefecture='杭州市', level='county', from_=1981, until=1996)
    """
    if isinstance(code, str):
        if len(code) != 6 or not code.isascii() or not code.isdigit():
            raise ValueError(f"history: a region code is six digits, not {code!r}")
        code = int(code)
    elif not _is_integer(code):
        raise TypeError(f"history: takes a six-digit code as int or str, not {type(code).__name__}")
    if not 0 <= code <= 999999:
        raise ValueError(f"history: a region code is six digits, not {code}")
    return _native.history(int(code))


def upgrade(number: str | bytes) -> str:
    """The 18-character form of a 15-digit number (two-digit year meaning
    19YY): "19" before the year, the check character after. Anything but
    15 digits with a month up to 12 and a day up to 31 raises IdNumberError,
    whose status is "IDN_ERROR_NOT_FIFTEEN_DIGITS", "IDN_ERROR_MONTH_ABOVE_12"
    or "IDN_ERROR_DAY_ABOVE_31".

    >>> idnumber.upgrade("110105491231002")
    '11010519491231002X'
    """
    return _native.upgrade(_text(number, "upgrade", "number"))


def mask(number: str | bytes) -> str | bytes:
    """The number for reports: its first 6 and last 4 characters kept, each
    one between them written "*"; a text of 10 characters or fewer is masked
    whole. A byte that is no UTF-8 counts as a character and is written
    U+FFFD where it is kept. Returns the type it is given (bytes: UTF-8).

    >>> idnumber.mask("11010519491231002X")
    '110105********002X'
    """
    masked = _native.mask(_text(number, "mask", "number"))
    return masked.decode("utf-8") if isinstance(number, str) else masked


# Finding and redacting numbers in text: in a module of its own, which uses
# the helpers above.
from ._scan import (MATCH_FIELDS, Confidence, Finder, Match, Redactor, Summary, find, find_many,  # noqa: E402
                    find_stream, redact, redact_many, redact_number, redact_stream)
