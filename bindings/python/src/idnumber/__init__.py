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

The verdicts are those of the project's ``idtool verify``, field for field:
the same checks (length, the ISO 7064 MOD 11-2 check character, a birth date
whose year is not after the current one, month at most 12 and day at most
31), the same messages, the region texts of the built-in 2009 tables and what
the history of region codes from 1981 to 2024 says of the code.

Functions: verify, verify_many, verify_frame (for pandas and Dask's
map_partitions), generate, regions, history, upgrade, mask. Types: Verdict,
HistoryRecord, Successor, PresentCode, Region. Warning: BirthDateWarning.
"""
from __future__ import annotations

import dataclasses
import datetime
import sys
import warnings
from typing import Any, Iterable, NamedTuple

import numpy as np

from . import _native

__all__ = [
    "BirthDateWarning",
    "HistoryRecord",
    "PresentCode",
    "Region",
    "Successor",
    "Verdict",
    "FIELDS",
    "__version__",
    "generate",
    "history",
    "mask",
    "regions",
    "upgrade",
    "verify",
    "verify_frame",
    "verify_many",
]

__version__: str = _native.version()


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
    #: the first year of the record
    from_year: int
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
        birth year after the current one, a month above 12 or a day above 31).
    message
        The dialog's message for the refusal (such as
        "您输入的身份证号为16位，正确的应为18位"), None when valid.
    expected_check
        The check character the first 17 characters call for when they are
        all digits ("0"-"9" or "X"), else None; set for refused numbers too.

    The rest are None unless the number is valid:

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
    kind
        "resident", "hmt_permit" (Hong Kong, Macao and Taiwan residents'
        residence permit, codes 81-83) or "foreigner_card" (a foreigner's
        permanent residence card, first digit 9); information only.
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
    birth_date: datetime.date | None
    birth_date_text: str | None
    sex: str | None
    province: str | None
    city: str | None
    county: str | None
    kind: str | None
    code_status: str | None
    history: tuple[HistoryRecord, ...] | None
    successors: tuple[Successor, ...] | None
    now: tuple[PresentCode, ...] | None
    in_use_at_birth: bool | None


Verdict.__doc__ = ("The verdict on one number, as ``idtool verify`` gives it; immutable.\n\n"
                   "    Its fields:\n" + _FIELD_HELP)

#: The verdict's fields in order: verify's attributes, verify_many's columns.
FIELDS: tuple[str, ...] = tuple(field.name for field in dataclasses.fields(Verdict))

_native.set_types(Verdict, FIELDS, HistoryRecord, Successor, PresentCode, Region)


def verify(text: str | bytes) -> Verdict:
    """Verifies one identity number and returns its Verdict.

    ``text`` is a str (taken as its UTF-8 bytes, so the length in a message
    counts bytes, as idtool does) or bytes (taken as they are: invalid UTF-8
    or NUL bytes are characters no number has, so the number is refused,
    never an error). Anything else raises TypeError.

    >>> idnumber.verify("11010519491231002X").city
    '朝阳区'
    >>> idnumber.verify("11010519491231002x").reason
    'characters'

    The Verdict's fields:
    """
    return _native.verify_one(text)


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


def _fields(fields: Iterable[str] | None, caller: str) -> tuple[str, ...]:
    """The verdict fields asked for, checked; all of them for None."""
    if fields is None:
        return FIELDS
    if isinstance(fields, str):
        fields = (fields,)
    chosen = tuple(fields)
    unknown = [name for name in chosen if name not in FIELDS]
    if unknown:
        raise ValueError(f"{caller}: no field named {unknown[0]!r}; the fields are {', '.join(FIELDS)}")
    if len(set(chosen)) != len(chosen):
        raise ValueError(f"{caller}: a field named twice in {chosen}")
    return chosen


def verify_many(values: Iterable[str | bytes | None] | Any, *, fields: Iterable[str] | None = None,
                frame: bool | None = None) -> Any:
    """Verifies a column of identity numbers and returns the verdicts as columns.

    ``values`` is a list, a tuple, any iterable, a one-dimensional NumPy array
    of str, bytes or objects, or a pandas Series (of object, string or
    categorical type). Each item is a str or bytes, taken as verify() takes
    it; None, NaN and pandas' NA and NaT give a row of nulls. Any other item
    (an int, say: a column read as numbers has lost its X and leading zeros)
    raises TypeError naming its position, and so does an array of numbers.

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
    others              object: str, tuple or None   object: str, tuple or None
    ==================  ===========================  ==============================

    birth_date is NaT where verify gives None, and in a DataFrame also for
    dates before 1677-09-22, which datetime64[ns] cannot hold; the digits
    are in birth_date_text always. Texts, history tuples and messages are
    shared objects, one per distinct value.

    The texts are read with the GIL held and verified in C++ with it
    released: about ten million numbers a second on one core of the build
    machine, DataFrame included (see the README).

    >>> idnumber.verify_many(["11010519491231002X", None])["valid"].tolist()
    [True, <NA>]
    """
    if isinstance(values, (str, bytes)):
        raise TypeError("verify_many: takes a collection of numbers, not one text; verify() takes one number")
    names = _fields(fields, "verify_many")
    pandas = _pandas(required=bool(frame)) if frame is not False else None
    index = None
    if pandas is not None and isinstance(values, pandas.Series):
        index = values.index
        values = _series_values(values)
    elif pandas is None and type(values).__module__.startswith("pandas"):
        if hasattr(values, "dtype") and hasattr(values, "to_numpy"):
            values = _series_values(values)
    _tell_missing_markers()
    columns = _native.verify_batch(values, nanoseconds=pandas is not None,
                                   fields=None if names is FIELDS else names)
    valid = columns["valid"]
    missing = columns["missing"]
    in_use = columns["in_use_at_birth"]
    if pandas is None:
        columns["valid"] = np.ma.MaskedArray(valid, mask=missing)
        columns["birth_date"] = columns["birth_date"].view("datetime64[D]")
        columns["in_use_at_birth"] = np.ma.MaskedArray(in_use, mask=~valid)
        return {name: columns[name] for name in names}
    columns["valid"] = pandas.arrays.BooleanArray(valid, missing)
    columns["birth_date"] = columns["birth_date"].view("datetime64[ns]")
    columns["in_use_at_birth"] = pandas.arrays.BooleanArray(in_use, ~valid)
    if index is None:
        index = pandas.RangeIndex(len(valid))
    return pandas.DataFrame({name: columns[name] for name in names}, index=index, copy=False)


def verify_frame(df: Any, column: str, *, fields: Iterable[str] | None = None, prefix: str = "") -> Any:
    """Returns the pandas DataFrame ``df`` with the verdicts on ``df[column]``
    appended as columns (Verdict's fields, or those named in ``fields``,
    each named ``prefix + field``), row for row, on df's index. Shaped for
    Dask::

        ddf.map_partitions(idnumber.verify_frame, "number")
        ddf.map_partitions(idnumber.verify_frame, "number", fields=("valid", "reason"))

    A verdict column whose name df already has raises ValueError: give a
    prefix. The column's values are taken as verify_many takes them.
    """
    pandas = _pandas(required=True)
    verdicts = verify_many(df[column], fields=_fields(fields, "verify_frame"), frame=True)
    if prefix:
        verdicts.columns = [prefix + name for name in verdicts.columns]
    clash = [name for name in verdicts.columns if name in df.columns]
    if clash:
        raise ValueError(f"verify_frame: the frame already has columns named {clash}; pass a prefix")
    return pandas.concat([df, verdicts], axis=1, copy=False)


def _utf8(value: Any, name: str) -> bytes:
    if isinstance(value, str):
        return value.encode("utf-8", "surrogatepass")
    if isinstance(value, bytes):
        return value
    raise TypeError(f"{name}: takes str or bytes, not {type(value).__name__}")


def _date_text(value: Any, name: str) -> bytes:
    """A birth-date option as generate takes it ("YYYYMMDD" or a
    datetime.date), in UTF-8 for the library."""
    if isinstance(value, datetime.date):
        return f"{value.year:04d}{value.month:02d}{value.day:02d}".encode()
    if isinstance(value, str):
        return value.encode("utf-8", "surrogatepass")
    raise TypeError(f"generate: {name} takes a str YYYYMMDD or a datetime.date, not {type(value).__name__}")


_SEXES = {None: _native.SEX_ANY, "any": _native.SEX_ANY, "male": _native.SEX_MALE, "female": _native.SEX_FEMALE}
_COUNT_LIMIT = 2**63 - 1
_SEED_LIMIT = 2**64 - 1


def _whole_number(value: Any, name: str) -> int:
    if isinstance(value, bool) or not isinstance(value, (int, np.integer)):
        raise TypeError(f"generate: {name} takes an int, not {type(value).__name__}")
    return int(value)


def generate(
    region: str | int,
    *,
    birth: str | datetime.date | None = None,
    born_between: tuple[str | datetime.date, str | datetime.date] | None = None,
    sex: str | None = None,
    count: int = 1,
    seed: int | None = None,
    as_of: int | None = None,
) -> list[str]:
    """Makes ``count`` distinct well-formed numbers, as ``idtool generate``.

    region
        A county-level record of the 2009 tables: a code (110105 or
        "110105"), a name ("朝阳区"), or "city/county" or
        "province/city/county" where a name names several records.
    birth
        One birth date, "YYYYMMDD" or a datetime.date, taken as the dialog
        takes it: 8 digits, the year not after the current one, month at most
        12, day at most 31. A date that is no real calendar date (19900231)
        is kept as given, with a BirthDateWarning.
    born_between
        (first, last): birth dates drawn uniformly over the real calendar
        dates from first to last, both included. Give birth or born_between.
    sex
        "male" (odd sequence number), "female" (even), or None / "any".
    count
        How many numbers, at least 1; more than the options can give is refused.
    seed
        0 to 2**64 - 1: the same seed and options give the same numbers as
        ``idtool generate --seed`` on every platform; None takes a seed from
        the system.
    as_of
        A year 1981-2024: region is then a six-digit code in use that year in
        the history of region codes (a county since abolished, say).

    Every bad option raises ValueError with idtool's message, which names the
    option as idtool does (``--born-between`` for born_between); a value of
    the wrong type raises TypeError.

    >>> idnumber.generate("110105", birth="19491001", count=2, seed=7)  # doctest: +SKIP
    """
    if isinstance(region, (int, np.integer)) and not isinstance(region, bool):
        region = str(int(region))
    region_bytes = _utf8(region, "generate: region")
    if sex not in _SEXES:
        raise ValueError(f"--sex: {sex} not in {{male,female,any}}")
    count = _whole_number(count, "count")
    if not 1 <= count <= _COUNT_LIMIT:
        raise ValueError(f"--count: must be a whole number from 1 to {_COUNT_LIMIT}, not {count}")
    if seed is not None:
        seed = _whole_number(seed, "seed")
        if not 0 <= seed <= _SEED_LIMIT:
            raise ValueError(f"--seed: must be a whole number from 0 to {_SEED_LIMIT}, not {seed}")
    as_of_year = 0
    if as_of is not None:
        as_of_year = _whole_number(as_of, "as_of")
        if as_of_year == 0 or not -(2**31) < as_of_year < 2**31:
            raise ValueError(f"--as-of: must be a whole number from 1981 to 2024, not {as_of_year}")
    birth_text = _date_text(birth, "birth") if birth is not None else None
    first = last = None
    if born_between is not None:
        if isinstance(born_between, (str, bytes)) or len(born_between) != 2:
            raise TypeError("generate: born_between takes a pair (first, last)")
        first, last = (_date_text(end, "born_between") for end in born_between)
    numbers, warning = _native.generate(region_bytes, birth_text, first, last, _SEXES[sex], count, seed, as_of_year)
    if warning:
        warnings.warn(warning.removeprefix("warning: "), BirthDateWarning, stacklevel=2)
    return numbers


def regions(query: str | int = "") -> list[Region]:
    """The records of the 2009 tables, in table order, whose code starts with
    ``query`` or whose name holds it ("" lists them all), as ``idtool
    regions`` lists them.

    >>> [r.name for r in idnumber.regions("1403")][:3]
    ['阳泉市', '市辖区', '城区']
    """
    if isinstance(query, (int, np.integer)) and not isinstance(query, bool):
        query = str(int(query))
    if not isinstance(query, str):
        raise TypeError(f"regions: takes a str, not {type(query).__name__}")
    return _native.regions(query)


def history(code: str | int) -> tuple[HistoryRecord, ...]:
    """A region code's records in the history of 1981-2024, in time order, as
    ``idtool regions --history CODE`` gives them; an empty tuple for a code
    no record has. ``code`` is six digits, as an int or a str.

    >>> idnumber.history(330124)[0]
    HistoryRecord(code=330124, name='临安县', province='浙江省', prefecture='杭州市', level='county', from_year=1981, until=1996)
    """
    if isinstance(code, str):
        if len(code) != 6 or not code.isascii() or not code.isdigit():
            raise ValueError(f"history: a region code is six digits, not {code!r}")
        code = int(code)
    elif isinstance(code, bool) or not isinstance(code, (int, np.integer)):
        raise TypeError(f"history: takes a six-digit code as int or str, not {type(code).__name__}")
    if not 0 <= code <= 999999:
        raise ValueError(f"history: a region code is six digits, not {code}")
    return _native.history(int(code))


def upgrade(number: str | bytes) -> str:
    """The 18-character form of a 15-digit number (two-digit year meaning
    19YY, no check character), as ``idtool upgrade``. Raises ValueError with
    idtool's message for anything but 15 digits with a month up to 12 and a
    day up to 31 (for an empty text, "0 bytes, not 15 digits").

    >>> idnumber.upgrade("110105491231002")
    '11010519491231002X'
    """
    text = _utf8(number, "upgrade")
    status, upgraded = _native.upgrade(text)
    if status == _native.OK:
        return upgraded
    if status == _native.MONTH_ABOVE_12:
        raise ValueError(f"month above 12: {int(text[8:10])}")
    if status == _native.DAY_ABOVE_31:
        raise ValueError(f"day above 31: {int(text[10:12])}")
    if len(text) == 15:
        raise ValueError("not 15 digits")
    raise ValueError(f"{len(text)} bytes, not 15 digits")


def mask(number: str | bytes) -> str | bytes:
    """The number for reports: its first 6 and last 4 characters kept, each
    one between them written "*"; a text of 10 characters or fewer is masked
    whole. Returns the type it is given.

    >>> idnumber.mask("11010519491231002X")
    '110105********002X'
    """
    masked = _native.mask(_utf8(number, "mask"))
    if not isinstance(number, str):
        return masked
    try:
        return masked.decode("utf-8", "surrogatepass")
    except UnicodeDecodeError:  # a lone surrogate's bytes, split by the mask
        return masked.decode("utf-8", "surrogateescape")
