"""Finding identity numbers in text, and redacting them: one text (find,
redact, redact_number), a column (find_many, redact_many) and a stream of
pieces of any size (Finder, Redactor, find_stream, redact_stream). The
scanner is the project's C library's, the same in every face; this file
checks the arguments and names them in Python's words.

Offsets are the text's own: str indices for a str, byte offsets for bytes.
"""
from __future__ import annotations

import codecs
import dataclasses
import datetime
import enum
import sys
from typing import Any, Iterable, Iterator, Union

import numpy as np

from . import IdNumberError, _native, _pandas, _series_values, _tell_missing_markers

__all__ = ["Confidence", "Finder", "Match", "Redactor", "Summary", "find", "find_many", "find_stream", "redact",
           "redact_many", "redact_number", "redact_stream"]


class Confidence(str, enum.Enum):
    """How sure a match is, in order ``LOW < MEDIUM < HIGH``; each member is
    its word ("low", "medium", "high") and equal to it, and compares by rank
    with a member or a word.

    LOW: shaped like a number, with a calendar birth date not after the as-of
    date, whose check character or region fails (a mistyped number). MEDIUM:
    a valid number. HIGH: a valid number after a keyword (身份证号, "ID no",
    sfzh, ...) ending at most 300 characters before it.

    >>> idnumber.Confidence.HIGH > "medium", idnumber.Confidence.LOW == "low"
    (True, True)
    """

    LOW = "low"
    MEDIUM = "medium"
    HIGH = "high"

    def __str__(self) -> str:
        return self.value

    def __format__(self, format_spec: str) -> str:
        return format(self.value, format_spec)

    def _rank_of(self, other: Any) -> int | None:
        if isinstance(other, str) and other in _CONFIDENCES:
            return _CONFIDENCES[other]
        return None

    def __lt__(self, other: Any) -> bool:
        rank = self._rank_of(other)
        return NotImplemented if rank is None else _CONFIDENCES[self.value] < rank

    def __le__(self, other: Any) -> bool:
        rank = self._rank_of(other)
        return NotImplemented if rank is None else _CONFIDENCES[self.value] <= rank

    def __gt__(self, other: Any) -> bool:
        rank = self._rank_of(other)
        return NotImplemented if rank is None else _CONFIDENCES[self.value] > rank

    def __ge__(self, other: Any) -> bool:
        rank = self._rank_of(other)
        return NotImplemented if rank is None else _CONFIDENCES[self.value] >= rank

    __hash__ = str.__hash__


# The C API's values of the words.
_CONFIDENCES = {"low": 1, "medium": 2, "high": 3}
_ENCODINGS = {"utf-8": 0, "gbk": 1, "auto": 2}
_WAYS = {"mask": 0, "label": 1, "token": 2, "pseudonym": 3}
_ALPHABETS = {"hex": 0, "base32": 1}
_KEEP = {"region": 1, "birth_year": 2, "sex": 4}


@dataclasses.dataclass(frozen=True, slots=True)
class Match:
    """One identity number found in a text; immutable.

    start, end
        Where it is: ``text[start:end]`` is the number as written, in the
        text's own units (str indices of a str, byte offsets of bytes), from
        the start of the text or stream.
    number
        The number as 18 ASCII characters, X in upper case: a full-width,
        lower-case or separated one normalised, a 15-digit one upgraded; a
        low one as written.
    confidence
        Confidence.LOW, MEDIUM or HIGH (equal to "low", "medium", "high").
    form
        How it is written: a tuple of "fullwidth", "lowercase_x",
        "separated" (in the groups 6-8-4, one space or hyphen between) and
        "fifteen_digits"; empty for 18 ASCII characters together.
    flaw
        For a low match, why it is no valid number: "check" or "region";
        else None.
    keyword
        The last keyword ending within 300 characters before it (ASCII ones
        in lower case: "身份证号", "id no", "sfzh"), whatever its
        confidence; None for none.
    line, column
        1-based: its line (line feeds before it, plus one) and its column in
        characters from the line's start.

    The rest are None for a low match:

    kind
        "resident", "hmt_permit" or "foreigner_card", as Verdict.kind.
    sex
        "男" or "女", as Verdict.sex.
    birth_date
        A datetime.date (a found number's date is always a calendar date).
    region_code
        Its first six digits as an int (110105).
    province, city, county
        The region fields of the 2009 tables, as Verdict's.
    """

    start: int
    end: int
    number: str
    confidence: Confidence
    form: tuple[str, ...]
    flaw: str | None
    keyword: str | None
    line: int
    column: int
    kind: str | None
    sex: str | None
    birth_date: datetime.date | None
    region_code: int | None
    province: str | None
    city: str | None
    county: str | None


#: Match's fields in order: its attributes, find_many's columns.
MATCH_FIELDS: tuple[str, ...] = tuple(field.name for field in dataclasses.fields(Match))


@dataclasses.dataclass(frozen=True, slots=True)
class Summary:
    """What a redaction replaced (or a Finder found): counts, never numbers.

    ``matches`` is every match at or above min_confidence; ``low``,
    ``medium`` and ``high`` divide them by confidence; ``plain`` counts those
    of 18 ASCII characters together, and ``fullwidth``, ``lowercase_x``,
    ``separated`` and ``fifteen_digits`` those with each flag of their form
    (one number may have several). ``scanned_bytes`` is the bytes read (a
    str's in UTF-8). Summaries add up: ``sum(summaries, idnumber.Summary())``
    or ``a + b``.
    """

    matches: int = 0
    low: int = 0
    medium: int = 0
    high: int = 0
    plain: int = 0
    fullwidth: int = 0
    lowercase_x: int = 0
    separated: int = 0
    fifteen_digits: int = 0
    scanned_bytes: int = 0

    def __add__(self, other: Any) -> Summary:
        if not isinstance(other, Summary):
            return NotImplemented
        return Summary(*(getattr(self, f.name) + getattr(other, f.name) for f in dataclasses.fields(Summary)))

    def __radd__(self, other: Any) -> Summary:
        # sum() starts from 0.
        if isinstance(other, int) and not isinstance(other, bool) and other == 0:
            return self
        return NotImplemented


_native.set_scan_types(Match, MATCH_FIELDS, Summary, (Confidence.LOW, Confidence.MEDIUM, Confidence.HIGH))


# ---- Options -----------------------------------------------------------------------

def _word(value: Any, words: dict[str, int], caller: str, name: str, status: str) -> int:
    """The C API's value of a word option; IdNumberError for a word it lacks."""
    if not isinstance(value, str):
        raise TypeError(f"{caller}: {name} takes a str ({', '.join(map(repr, words))}), not {type(value).__name__}")
    if value not in words:
        choices = ", ".join(f'"{word}"' for word in list(words)[:-1]) + f' or "{list(words)[-1]}"'
        raise IdNumberError(f"{name}: must be {choices}, not {value!r}", status, name)
    return words[value]


def _encoding(value: Any, caller: str) -> int | None:
    """An encoding by any of Python's names for UTF-8 and GBK (utf8, cp936), or "auto"."""
    if value is None:
        return None
    if isinstance(value, str):
        if value.lower() == "auto":
            return _ENCODINGS["auto"]
        try:
            name = codecs.lookup(value).name
        except LookupError:
            name = value
        if name in _ENCODINGS:
            return _ENCODINGS[name]
    return _word(value, _ENCODINGS, caller, "encoding", "IDN_ERROR_BAD_ENCODING")


def _integer(value: Any, caller: str, name: str) -> int | None:
    if value is None:
        return None
    if not isinstance(value, (int, np.integer)) or isinstance(value, (bool, np.bool_)):
        raise TypeError(f"{caller}: {name} takes an int, not {type(value).__name__}")
    return int(value)


def _flag(value: Any, caller: str, name: str) -> int:
    if not isinstance(value, (bool, np.bool_)):
        raise TypeError(f"{caller}: {name} takes True or False, not {type(value).__name__}")
    return int(bool(value))


def _as_of(value: Any, caller: str) -> int | None:
    """A date as YYYYMMDD (a datetime or pandas Timestamp by its own date)."""
    if value is None:
        return None
    if not isinstance(value, datetime.date):
        raise TypeError(f"{caller}: as_of takes a datetime.date, not {type(value).__name__} "
                        "(datetime.date.fromisoformat reads a text)")
    if value != value:  # pandas' NaT is a datetime, and equal to nothing
        raise ValueError(f"{caller}: as_of is NaT, no date")
    return value.year * 10000 + value.month * 100 + value.day


def _keep(value: Any, caller: str) -> int | None:
    if value is None:
        return None
    if isinstance(value, str):
        value = (value,)
    if isinstance(value, (bytes, bytearray)) or not hasattr(value, "__iter__"):
        raise TypeError(f"{caller}: keep takes names of what a pseudonym keeps (a set of \"region\", "
                        f"\"birth_year\", \"sex\"), not {type(value).__name__}")
    flags = 0
    for name in value:
        if not isinstance(name, str):
            raise TypeError(f"{caller}: keep takes names (str), not {type(name).__name__}")
        if name not in _KEEP:
            raise IdNumberError(f'keep: takes "region", "birth_year" and "sex", not {name!r}', "IDN_ERROR_BAD_ARGUMENT",
                                "keep")
        flags |= _KEEP[name]
    return flags


def _key(value: Any, caller: str) -> bytes | None:
    if value is None:
        return None
    if isinstance(value, str):
        raise TypeError(f"{caller}: key takes bytes (os.urandom(32), a key file's contents), not str: a secret "
                        "is its bytes; encode a text yourself if that is what you mean")
    try:
        return bytes(memoryview(value))
    except TypeError:
        raise TypeError(f"{caller}: key takes bytes, not {type(value).__name__}") from None


def _label(value: Any, caller: str) -> bytes | None:
    if value is None:
        return None
    if not isinstance(value, str):
        raise TypeError(f"{caller}: label takes a str, not {type(value).__name__}")
    # A lone surrogate is no UTF-8: the library refuses it.
    return value.encode("utf-8", "surrogatepass")


# Which ways take each option of redaction.
_WAY_OPTIONS = {"first": ("mask",), "last": ("mask",), "label": ("label",), "key": ("token", "pseudonym"),
                "alphabet": ("token",), "length": ("token",), "keep": ("pseudonym",)}


class _Options:
    """The options of a scan, checked, as the extension takes them: a tuple
    of twelve values (None: not given), in the C API's order; and whether
    the texts read may be str (only in UTF-8)."""

    def __init__(self, caller: str, *, min_confidence: Any, fifteen_digits: Any, as_of: Any, encoding: Any,
                 way: Any = None, redacting: bool = False, **redaction: Any) -> None:
        self.caller = caller
        self.encoding = encoding
        encoding_value = _encoding(encoding, caller)
        self.takes_str = encoding_value in (None, _ENCODINGS["utf-8"])
        confidence = _CONFIDENCES["medium"] if min_confidence is None else _word(
            min_confidence, _CONFIDENCES, caller, "min_confidence", "IDN_ERROR_BAD_CONFIDENCE")
        values: list[Any] = [encoding_value, 0 if fifteen_digits is None else _flag(
            fifteen_digits, caller, "fifteen_digits"), confidence, _as_of(as_of, caller)]
        if not redacting:
            self.values = tuple(values + [None] * 8)
            return
        way_name = "mask" if way is None else way
        way_value = _word(way_name, _WAYS, caller, "way", "IDN_ERROR_BAD_REDACTION")
        alphabet = redaction["alphabet"]
        values += [way_value, _integer(redaction["first"], caller, "first"),
                   _integer(redaction["last"], caller, "last"), _label(redaction["label"], caller),
                   _key(redaction["key"], caller),
                   None if alphabet is None else _word(alphabet, _ALPHABETS, caller, "alphabet",
                                                       "IDN_ERROR_TOKEN_FORMAT"),
                   _integer(redaction["length"], caller, "length"), _keep(redaction["keep"], caller)]
        # Each value is judged first; then an option the way does not take is
        # a mistake to say (keep without way="pseudonym" keeps nothing).
        for name, value in redaction.items():
            if value is not None and way_name not in _WAY_OPTIONS[name]:
                ways = " and ".join(f"way={w!r}" for w in _WAY_OPTIONS[name])
                raise TypeError(f"{caller}: {name} is an option of {ways}, not of way={way_name!r}")
        self.values = tuple(values)

    def check_text(self, text: Any) -> None:
        """A str is text already: read as UTF-8, never as GBK."""
        if isinstance(text, str) and not self.takes_str:
            raise ValueError(f"{self.caller}: encoding {self.encoding!r} reads bytes; a str is text already "
                             "(pass bytes, or leave encoding out)")

    def str_refusal(self) -> str | None:
        return None if self.takes_str else f"encoding {self.encoding!r} reads bytes, and a str is text already"


def _find_options(caller: str, min_confidence: Any, fifteen_digits: Any, as_of: Any, encoding: Any) -> _Options:
    return _Options(caller, min_confidence=min_confidence, fifteen_digits=fifteen_digits, as_of=as_of,
                    encoding=encoding)


_FIND_HELP = """
    min_confidence
        "medium" (the default): valid numbers; "high": only those after a
        keyword; "low": mistyped ones too (a check character or region that
        fails), which plain digits such as order numbers may also be. A
        Confidence member does too.
    fifteen_digits
        True to find 15-digit numbers of the old format as well (together or
        6-6-3); False by default, since many 15-digit runs are no such number.
    as_of
        A datetime.date: no birth date after it; None (the default) is today
        on the local clock. Give one for answers that do not change with the
        date.
    encoding
        How bytes are read: "utf-8" (None, the default), "gbk" (code page
        936), or "auto" (each line as UTF-8 when it is, else as GBK). A str
        is read as itself; an encoding other than UTF-8 with a str is a
        ValueError.
"""


def find(text: str | bytes, *, min_confidence: str | None = "medium", fifteen_digits: bool = False,
         as_of: datetime.date | None = None, encoding: str | None = None) -> list[Match]:
    """Every identity number in ``text`` (a str, or bytes or any bytes-like
    object), as a list of Match in the order of the text.

    A match is 17 digits and a check character (ASCII or full-width, the
    last X or x), together or in the printed groups 6-8-4, with no digit or
    letter just before or after it, and a valid number: its check character
    holds, its birth date is a calendar date not after ``as_of``, its region
    code is known. Offsets are str indices for a str (every character
    counts one, a lone surrogate too) and byte offsets for bytes.

    >>> [(m.start, m.end, m.number, m.confidence.value) for m in idnumber.find("客户 11010519491231002x 已登记")]
    [(3, 21, '11010519491231002X', 'medium')]
    >>> m = idnumber.find("身份证号：110105 19491231 002X", as_of=datetime.date(2024, 6, 30))[0]
    >>> m.confidence, m.form, m.keyword, m.birth_date, m.city
    (<Confidence.HIGH: 'high'>, ('separated',), '身份证号', datetime.date(1949, 12, 31), '朝阳区')

    Options (keywords only):
    """
    options = _find_options("find", min_confidence, fifteen_digits, as_of, encoding)
    options.check_text(text)
    return _native.Scanner(options.values).find_piece(text, True)


find.__doc__ += _FIND_HELP

_REDACT_HELP = """
    way
        How each number is replaced (docs/redaction.md says what each one
        protects):

        "mask" (the default) keeps ``first`` and ``last`` characters (6 and
        4 by default, at most 17 together) and writes "*" for each other one
        ("＊" for a full-width one); separators stay. It keeps the region and
        the last digits: given the region and a birth year, about 10^4
        numbers are left for each mask.

        "label" writes ``label`` for the whole number (default
        "[身份证号]"; at most 64 bytes; in GBK text its GBK form). It leaves
        only where a number was.

        "token" writes the first ``length`` characters (default 16; 8 to 64
        in "hex", 8 to 52 in "base32": ``alphabet``) of HMAC-SHA-256 under
        ``key`` of the 18-character number: the same number, in any form,
        gives the same token, for joins. A plain hash would not do: there
        are about 10^10 plausible numbers, few enough to hash them all.

        "pseudonym" writes a valid number made from the number by a
        permutation under ``key``: the same number always gives the same
        pseudonym and two numbers never one; it has the number's kind, form
        and birth century, keeps what ``keep`` names of "region",
        "birth_year" and "sex" (all three by default), and so leaks exactly
        that.
    key
        The secret of "token" and "pseudonym": bytes, at least 16 of them
        (os.urandom(32), or a key file's contents). A str is refused: a
        secret's bytes should be given as bytes, not left to an encoding,
        and a passphrase one can type is one an attacker can guess.
    first, last, label, alphabet, length, keep
        As above; each is an option of its way only, and given with another
        way raises TypeError.
"""


def _redaction_options(caller: str, way: Any, first: Any, last: Any, label: Any, key: Any, alphabet: Any,
                       length: Any, keep: Any, min_confidence: Any, fifteen_digits: Any, as_of: Any,
                       encoding: Any) -> _Options:
    return _Options(caller, min_confidence=min_confidence, fifteen_digits=fifteen_digits, as_of=as_of,
                    encoding=encoding, way=way, redacting=True, first=first, last=last, label=label, key=key,
                    alphabet=alphabet, length=length, keep=keep)


_Text = Union[str, bytes]


def redact(text: str | bytes, *, way: str = "mask", first: int | None = None, last: int | None = None,
           label: str | None = None, key: bytes | None = None, alphabet: str | None = None,
           length: int | None = None, keep: Iterable[str] | str | None = None,
           min_confidence: str | None = "medium", fifteen_digits: bool = False, as_of: datetime.date | None = None,
           encoding: str | None = None, summary: bool = False) -> Any:
    """The text with every number found at or above ``min_confidence``
    replaced, and every other character (every other byte of bytes, invalid
    ones, NUL and CR too) as it was: a str for a str, bytes for bytes (or
    any bytes-like object). With ``summary=True``, a pair (text, Summary).

    The numbers are those find() finds with the same options. A str's
    surrogate escapes (U+DC80-U+DCFF, from errors="surrogateescape") are
    read as the bytes they stand for and given back; any other lone
    surrogate comes back as U+FFFD.

    >>> idnumber.redact("客户 11010519491231002X 已登记")
    '客户 110105********002X 已登记'
    >>> idnumber.redact("客户 11010519491231002X", way="label", summary=True)
    ('客户 [身份证号]', Summary(matches=1, low=0, medium=1, high=0, plain=1, fullwidth=0, lowercase_x=0, separated=0, fifteen_digits=0, scanned_bytes=25))
    >>> idnumber.redact("11010519491231002X", way="token", key=b"a key of 16 bytes or more")
    '1e07cbf128f554df'

    A refused option raises IdNumberError (a ValueError) with the library's
    message, ``status`` and ``option`` ("key: must be at least 16 bytes, not
    5"); a value of the wrong type raises TypeError.

    Options (keywords only):
    """
    options = _redaction_options("redact", way, first, last, label, key, alphabet, length, keep, min_confidence,
                                 fifteen_digits, as_of, encoding)
    options.check_text(text)
    scanner = _native.Scanner(options.values)
    redacted = scanner.redact_piece(text, True)
    counts = scanner.summary()
    if counts.matches == 0 and isinstance(text, (str, bytes)):
        result: _Text = text
    elif isinstance(text, str):
        result = redacted.decode("utf-8", "surrogateescape")
    else:
        result = redacted
    return (result, counts) if summary else result


redact.__doc__ += _REDACT_HELP + _FIND_HELP


def redact_number(number: str | bytes, *, way: str = "mask", first: int | None = None, last: int | None = None,
                  label: str | None = None, key: bytes | None = None, alphabet: str | None = None,
                  length: int | None = None, keep: Iterable[str] | str | None = None,
                  min_confidence: str | None = "medium", fifteen_digits: bool = False,
                  as_of: datetime.date | None = None, encoding: str | None = None) -> Any:
    """One number held alone (a field of its own, not text), redacted as
    redact() would redact it in a text that is only this number; None when
    the value is not one number at or above ``min_confidence`` (surrounding
    spaces included: strip them first). "high" is taken as "medium" here: a
    field has no words around it. Options as redact()'s; Redactor's method
    of the same name reuses prepared options.

    >>> idnumber.redact_number("11010519491231002X", way="token", key=b"a key of 16 bytes or more")
    '1e07cbf128f554df'
    >>> print(idnumber.redact_number("110105194912310021"))
    None
    """
    options = _redaction_options("redact_number", way, first, last, label, key, alphabet, length, keep,
                                 min_confidence, fifteen_digits, as_of, encoding)
    options.check_text(number)
    return _native.Scanner(options.values).redact_number(number)


# ---- Columns -----------------------------------------------------------------------------

def _rows(values: Any, caller: str) -> tuple[Any, Any, Any]:
    """(rows, index, series): what the extension's batch takes (a list, a
    tuple or an object array), the Series' index (else None), and the
    Series itself."""
    if isinstance(values, (str, bytes)):
        raise TypeError(f"{caller} takes a collection of texts, not one text; "
                        f"{caller.removesuffix('_many')}() takes one")
    pandas = sys.modules.get("pandas")
    if pandas is not None and isinstance(values, pandas.DataFrame):
        raise TypeError(f"{caller} takes a column (a Series), not a DataFrame: pass df[column]")
    _tell_missing_markers()
    if pandas is not None and isinstance(values, pandas.Series):
        rows = _series_values(values)
        return (rows if rows.dtype == object else rows.astype(object)), values.index, values
    if isinstance(values, np.ndarray):
        if values.ndim != 1:
            raise ValueError(f"{caller} takes a one-dimensional array, not {values.ndim}-dimensional")
        if values.dtype.kind not in "USO":
            raise TypeError(f"{caller}: an array of {values.dtype} holds no texts")
        return (values if values.dtype == object else values.astype(object)), None, None
    if isinstance(values, (list, tuple)):
        return values, None, None
    if not hasattr(values, "__iter__"):
        raise TypeError(f"{caller} takes an iterable of str or bytes, not {type(values).__name__}")
    return list(values), None, None


def find_many(values: Iterable[str | bytes | None] | Any, *, frame: bool | None = None,
              min_confidence: str | None = "medium", fifteen_digits: bool = False,
              as_of: datetime.date | None = None, encoding: str | None = None) -> Any:
    """Every number in each text of a column, one row per match: a pandas
    DataFrame on the index of the row it is in (a Series' own label, else
    the row's position), in the order of the rows and of each text.

    ``values`` is a list, a tuple, any iterable, a NumPy array or a pandas
    Series of str and bytes (each as find() takes it; a column may hold
    both); None, NaN, pd.NA and pd.NaT hold no number. Any other item raises
    TypeError naming its position. The options are find()'s.

    The columns are Match's fields: start, end, line, column (int64),
    confidence (an ordered Categorical: ``df[df.confidence >= "medium"]``),
    birth_date (datetime64[ns], NaT for a low match and before 1677-09-22),
    region_code (nullable Int32), the rest objects (str, tuple or None).
    ``frame=False`` (or no pandas) gives a dict of NumPy arrays instead, with
    "row" (the row's position) first, confidence as Confidence members,
    birth_date as datetime64[D] and region_code as a masked int32 array.

    The texts are read a chunk at a time with the GIL held and scanned with
    it released, by one scanner prepared once; Ctrl-C stops a long batch.

    >>> idnumber.find_many(["无", "甲 11010519491231002X，乙 11010519800101018X"])[["start", "number", "city"]]
       start              number city
    1      2  11010519491231002X  朝阳区
    1     23  11010519800101018X  朝阳区

    Options (keywords only):
    """
    options = _find_options("find_many", min_confidence, fifteen_digits, as_of, encoding)
    pandas = _pandas(required=bool(frame)) if frame is not False else None
    rows, index, _ = _rows(values, "find_many")
    columns = _native.find_batch(rows, options.values, nanoseconds=pandas is not None,
                                 str_refusal=options.str_refusal())
    positions = columns.pop("row")
    codes = columns["region_code"]
    if pandas is None:
        members = np.array([Confidence.LOW, Confidence.MEDIUM, Confidence.HIGH], dtype=object)
        columns["confidence"] = members[columns["confidence"]]
        columns["birth_date"] = columns["birth_date"].view("datetime64[D]")
        columns["region_code"] = np.ma.MaskedArray(codes, mask=codes < 0)
        return {"row": positions, **{name: columns[name] for name in MATCH_FIELDS}}
    columns["confidence"] = pandas.Categorical.from_codes(columns["confidence"], dtype=_confidence_dtype(pandas))
    columns["birth_date"] = columns["birth_date"].view("datetime64[ns]")
    columns["region_code"] = pandas.arrays.IntegerArray(codes, codes < 0)
    at = index.take(positions) if index is not None else pandas.Index(positions)
    return pandas.DataFrame({name: columns[name] for name in MATCH_FIELDS}, index=at, copy=False)


find_many.__doc__ += _FIND_HELP


def _confidence_dtype(pandas: Any) -> Any:
    return pandas.CategoricalDtype([c.value for c in Confidence], ordered=True)


def redact_many(values: Iterable[str | bytes | None] | Any, *, way: str = "mask", first: int | None = None,
                last: int | None = None, label: str | None = None, key: bytes | None = None,
                alphabet: str | None = None, length: int | None = None, keep: Iterable[str] | str | None = None,
                min_confidence: str | None = "medium", fifteen_digits: bool = False,
                as_of: datetime.date | None = None, encoding: str | None = None, summary: bool = False) -> Any:
    """Each text of a column redacted as redact() redacts it: a pandas Series
    on the same index (and name, and ``string`` type where it had it) for a
    Series, else a list. Missing values (None, NaN, pd.NA, pd.NaT) stay as
    they are, and so does every text with nothing to replace (the same
    object). With ``summary=True``, a pair (result, Summary of all rows).

    ``values`` is taken as find_many() takes it. The rows are read a chunk at
    a time with the GIL held and redacted with it released, by one scanner
    prepared once and begun again for each row (the key is made ready for
    HMAC once); Ctrl-C stops a long batch.

    >>> import pandas as pd
    >>> notes = pd.Series(["无", "身份证号 11010519491231002X", None], index=[7, 8, 9])
    >>> idnumber.redact_many(notes, way="label")
    7              无
    8    身份证号 [身份证号]
    9           None
    dtype: object

    Options (keywords only): as redact()'s.
    """
    options = _redaction_options("redact_many", way, first, last, label, key, alphabet, length, keep,
                                 min_confidence, fifteen_digits, as_of, encoding)
    rows, index, series = _rows(values, "redact_many")
    results, counts = _native.redact_batch(rows, options.values, str_refusal=options.str_refusal())
    if series is not None:
        pandas = sys.modules["pandas"]
        dtype = series.dtype if isinstance(series.dtype, pandas.StringDtype) else object
        results = pandas.Series(results, index=index, name=series.name, dtype=dtype)
    return (results, counts) if summary else results


# ---- Streams --------------------------------------------------------------------------------

class Finder:
    """Finds numbers in a stream given in pieces of any size: ``feed(piece)``
    returns the matches it completes, ``close()`` the rest; a number cut
    between pieces is found once, with offsets from the stream's start. The
    pieces are all str or all bytes (bytes-like), as the first is. Options
    as find()'s; ``summary`` counts what was found so far. One thread at a
    time.

    >>> finder = idnumber.Finder()
    >>> finder.feed("客户 1101051949"), finder.feed("1231002X 已登记\\n")
    ([], [])
    >>> [(m.start, m.number) for m in finder.close()]
    [(3, '11010519491231002X')]
    """

    def __init__(self, *, min_confidence: str | None = "medium", fifteen_digits: bool = False,
                 as_of: datetime.date | None = None, encoding: str | None = None) -> None:
        options = _find_options("Finder", min_confidence, fifteen_digits, as_of, encoding)
        self._scanner = _native.Scanner(options.values)
        self._stream = _StreamType("Finder", options)

    def feed(self, piece: str | bytes) -> list[Match]:
        self._stream.take(piece)
        return self._scanner.find_piece(piece, False)

    def close(self) -> list[Match]:
        self._stream.close()
        return self._scanner.find_piece(self._stream.empty(), True)

    @property
    def summary(self) -> Summary:
        return self._scanner.summary()


class _StreamType:
    """The type a stream's pieces keep (str, or bytes-like), and its end."""

    def __init__(self, caller: str, options: _Options) -> None:
        self.caller = caller
        self.options = options
        self.text: bool | None = None
        self.closed = False

    def take(self, piece: Any) -> None:
        if self.closed:
            raise ValueError(f"{self.caller}: the stream is closed")
        text = isinstance(piece, str)
        if not text and not isinstance(piece, (bytes, bytearray, memoryview)):
            raise TypeError(f"{self.caller}: a piece is str or bytes, not {type(piece).__name__}")
        if self.text is None:
            self.options.check_text(piece)
            self.text = text
        elif text != self.text:
            raise TypeError(f"{self.caller}: a stream of {'str' if self.text else 'bytes'} takes "
                            f"{'str' if self.text else 'bytes'} pieces, not {type(piece).__name__}")

    def close(self) -> None:
        if self.closed:
            raise ValueError(f"{self.caller}: the stream is closed")
        self.closed = True

    def empty(self) -> _Text:
        """An empty piece of the stream's type (given nothing: bytes only
        with an encoding other than UTF-8)."""
        if self.text is None:
            return "" if self.options.takes_str else b""
        return "" if self.text else b""


class Redactor:
    """Redacts a stream given in pieces of any size (a log as it is written,
    a file read a block at a time): ``feed(piece)`` returns what is decided
    of it (a few thousand bytes where a number could go on wait for the next
    piece), ``close()`` the rest; all of it is the redacted stream, whatever
    the pieces. The pieces are all str or all bytes (bytes-like), as the
    first is, and so is what comes back (given nothing, close() returns ""
    or, with an encoding other than UTF-8, b""). ``summary`` counts what was
    replaced so far; ``redact_number(value)`` redacts one number held alone
    with the same options, prepared once. One thread at a time. A piece whose
    call is interrupted (Ctrl-C) has been read but not returned: the stream
    then refuses to go on (RuntimeError) rather than leave a hole. Options
    as redact()'s; the key is kept only inside the library's context, and a
    Redactor cannot be pickled.

    >>> redactor = idnumber.Redactor(way="label")
    >>> pieces = [redactor.feed("客户 110105194912"), redactor.feed("31002X 已登记\\n")]
    >>> "".join(pieces) + redactor.close(), redactor.summary.matches
    ('客户 [身份证号] 已登记\\n', 1)
    """

    def __init__(self, *, way: str = "mask", first: int | None = None, last: int | None = None,
                 label: str | None = None, key: bytes | None = None, alphabet: str | None = None,
                 length: int | None = None, keep: Iterable[str] | str | None = None,
                 min_confidence: str | None = "medium", fifteen_digits: bool = False,
                 as_of: datetime.date | None = None, encoding: str | None = None) -> None:
        options = _redaction_options("Redactor", way, first, last, label, key, alphabet, length, keep,
                                     min_confidence, fifteen_digits, as_of, encoding)
        # The key stays in the library's context only: the options are not kept.
        self._scanner = _native.Scanner(options.values)
        options.values = ()
        self._stream = _StreamType("Redactor", options)
        # The redacted UTF-8 of a str stream may end inside a character:
        # its bytes wait for the next piece.
        self._decoder = codecs.getincrementaldecoder("utf-8")("surrogateescape")
        way_name = "mask" if way is None else way
        self._shown = f"Redactor(way={way_name!r})"

    def __repr__(self) -> str:
        return self._shown

    def __reduce__(self) -> Any:
        raise TypeError("a Redactor cannot be pickled: it holds its key; make one where it is used")

    def feed(self, piece: str | bytes) -> str | bytes:
        self._stream.take(piece)
        return self._out(self._scanner.redact_piece(piece, False), False)

    def close(self) -> str | bytes:
        self._stream.close()
        return self._out(self._scanner.redact_piece(self._stream.empty(), True), True)

    def _out(self, redacted: bytes, final: bool) -> str | bytes:
        if self._stream.text is False or (self._stream.text is None and not self._stream.options.takes_str):
            return redacted
        return self._decoder.decode(redacted, final)

    @property
    def summary(self) -> Summary:
        return self._scanner.summary()

    def redact_number(self, number: str | bytes) -> Any:
        """One number held alone, as redact_number() redacts it, or None;
        the stream is left as it is."""
        self._stream.options.check_text(number)
        return self._scanner.redact_number(number)


_READ_SIZE = 1 << 20


def _pieces(source: Any, caller: str) -> Iterator[Any]:
    """A file object's contents a block at a time, or an iterable's items."""
    if isinstance(source, (str, bytes, bytearray)):
        raise TypeError(f"{caller} takes a file object or an iterable of pieces, not one text "
                        f"({caller.removesuffix('_stream')}() takes one)")
    read = getattr(source, "read", None)
    if read is None:
        if not hasattr(source, "__iter__"):
            raise TypeError(f"{caller} takes a file object or an iterable of pieces, not {type(source).__name__}")
        yield from source
        return
    while True:
        piece = read(_READ_SIZE)
        if not piece:
            return
        yield piece


def find_stream(source: Any, *, min_confidence: str | None = "medium", fifteen_digits: bool = False,
                as_of: datetime.date | None = None, encoding: str | None = None) -> Iterator[Match]:
    """The matches of a stream as they are found: ``source`` is a file object
    (read a megabyte at a time; binary, or text for str offsets) or an
    iterable of pieces (all str or all bytes). Options as find()'s.

    >>> import io
    >>> [m.line for m in idnumber.find_stream(io.BytesIO(b"a\\nid: 11010519491231002X\\n"))]
    [2]
    """
    finder = Finder(min_confidence=min_confidence, fifteen_digits=fifteen_digits, as_of=as_of, encoding=encoding)
    for piece in _pieces(source, "find_stream"):
        yield from finder.feed(piece)
    yield from finder.close()


def redact_stream(source: Any, writer: Any, *, way: str = "mask", first: int | None = None,
                  last: int | None = None, label: str | None = None, key: bytes | None = None,
                  alphabet: str | None = None, length: int | None = None, keep: Iterable[str] | str | None = None,
                  min_confidence: str | None = "medium", fifteen_digits: bool = False,
                  as_of: datetime.date | None = None, encoding: str | None = None) -> Summary:
    """Redacts a stream into ``writer`` (anything with write(), of the
    source's type) and returns the Summary. ``source`` is a file object
    (read a megabyte at a time) or an iterable of pieces, all str or all
    bytes. A refused option is raised before anything is read or written.
    Options as redact()'s.

    >>> import io, sys
    >>> counts = idnumber.redact_stream(io.StringIO("a 11010519491231002X\\n"), sys.stdout)
    a 110105********002X
    >>> counts.matches
    1
    """
    redactor = Redactor(way=way, first=first, last=last, label=label, key=key, alphabet=alphabet, length=length,
                        keep=keep, min_confidence=min_confidence, fifteen_digits=fifteen_digits, as_of=as_of,
                        encoding=encoding)
    if not callable(getattr(writer, "write", None)):
        raise TypeError(f"redact_stream: writer takes an object with write(), not {type(writer).__name__}")
    for piece in _pieces(source, "redact_stream"):
        out = redactor.feed(piece)
        if out:
            writer.write(out)
    out = redactor.close()
    if out:
        writer.write(out)
    return redactor.summary
