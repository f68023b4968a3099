"""The conformance corpus (tests/conformance) through idnumber's own
functions: every case of verify, age, generate, sex, mask, upgrade, history
and regions, each a test named "python SECTION/ID". Texts go in as bytes, and as
str where the case is text (lone surrogates as U+FFFD, the corpus's rule for
UTF-16 hosts). Messages are the library's in generate's parameter names,
worded by the C library itself (build/release/capi/libidnumber.so, through
corpus.py's ctypes wrapper)."""
import datetime
import warnings

import numpy as np
import pandas as pd
import pytest

import idnumber

from conftest import corpus

# generate's parameters, by the C API's option names.
PYTHON_OPTIONS = dict(region="region", birth="birth", born_from="born_between", born_to="born_between", sex="sex",
                      count="count", seed="seed", as_of_year="as_of", year_limit="year_limit")
PYTHON_NAMES = corpus.option_names(**{option: name.encode() for option, name in PYTHON_OPTIONS.items()})


def cases(section):
    found = corpus.load(section)
    return pytest.mark.parametrize("case", found, ids=[f"python {section}/{case['id']}" for case in found])


def host_text(form):
    """The str of a text form; long repeats made as Python makes them."""
    if isinstance(form, dict) and "repeat" in form and isinstance(form["repeat"], str):
        return form["repeat"] * form["times"]
    if isinstance(form, dict) and "parts" in form:
        return "".join(host_text(part) for part in form["parts"])
    return corpus.text_of(form)


def host_values(form):
    """(kind, value) for each way the form reaches idnumber: bytes always,
    str when it is text."""
    values = [("bytes", corpus.bytes_of(form))]
    if corpus.is_text(form):
        values.append(("str", host_text(form)))
    return values


def host_value(form):
    """One value of a form as a caller would pass it: str for text, else bytes."""
    return host_text(form) if corpus.is_text(form) else corpus.bytes_of(form)


# ---- verify ------------------------------------------------------------------------------

def record_of(fields):
    """A verdict's fields (a dict) as the corpus's record: idtool's keys and values."""
    def listed(items, shape):
        return None if items is None else [shape(item) for item in items]

    birth_date = fields["birth_date"]
    return {
        "valid": fields["valid"], "reason": fields["reason"], "message": fields["message"],
        "expected_check": fields["expected_check"], "hint": fields["hint"], "upgraded": fields["upgraded"],
        "kind": fields["kind"],
        "nationality": None if fields["nationality"] is None else fields["nationality"]._asdict(),
        "birth_date": fields["birth_date_text"], "sex": fields["sex"], "province": fields["province"],
        "city": fields["city"], "county": fields["county"], "code_status": fields["code_status"],
        "history": listed(fields["history"], lambda h: {"name": h.name, "province": h.province,
                                                        "prefecture": h.prefecture, "from": h.from_,
                                                        "until": h.until}),
        "successors": listed(fields["successors"], lambda s: s._asdict()),
        "now": listed(fields["now"], lambda n: n._asdict()),
        "in_use_at_birth": fields["in_use_at_birth"],
        "birth_day": None if birth_date is None else birth_date.isoformat(),
    }


def expected_record(case):
    # input is the caller's own text; length is the one the message names.
    return {key: value for key, value in case["expect"].items() if key not in ("input", "length")}


def frame_row(frame):
    """The one row of a verify_many DataFrame as verify's fields; birth_date
    as a date where datetime64[ns] holds it, else None."""
    fields = {}
    for name in idnumber.FIELDS:
        value = frame[name].iloc[0]
        fields[name] = None if value is pd.NA or value is pd.NaT or value is None else value
    for name in ("valid", "in_use_at_birth"):
        if fields[name] is not None:
            fields[name] = bool(fields[name])
    if fields["birth_date"] is not None:
        fields["birth_date"] = fields["birth_date"].date()
    return fields


def dict_row(columns):
    """The one row of verify_many's dict of arrays as verify's fields."""
    fields = {}
    for name in idnumber.FIELDS:
        column = columns[name]
        if isinstance(column, np.ma.MaskedArray):
            fields[name] = None if column.mask[0] else bool(column[0])
        elif column.dtype.kind == "M":
            day = column[0]
            fields[name] = None if np.isnat(day) else day.astype(datetime.date)
        else:
            fields[name] = column[0]
    return fields


@cases("verify")
def test_verify(case):
    expected = expected_record(case)
    limit = case.get("year_limit")
    day = expected["birth_day"]
    for kind, value in host_values(case["input"]):
        verdict = idnumber.verify(value, year_limit=limit)
        assert record_of({name: getattr(verdict, name) for name in idnumber.FIELDS}) == expected, kind
        assert record_of(dict_row(idnumber.verify_many([value], year_limit=limit, frame=False))) == expected, kind
        # datetime64[ns] holds 1677-09-22 onwards: an earlier date is NaT in a
        # DataFrame, its digits kept in birth_date_text.
        held = dict(expected, birth_day=day if day is None or day >= "1677-09-22" else None)
        assert record_of(frame_row(idnumber.verify_many([value], year_limit=limit))) == held, kind


def test_verify_many_of_every_case_at_once_is_verify_of_each():
    values = [value for case in corpus.load("verify") if "year_limit" not in case
              for _, value in host_values(case["input"])]
    batch = idnumber.verify_many(values, frame=False)
    for i, value in enumerate(values):
        row = {name: batch[name][i] for name in idnumber.FIELDS}
        one = idnumber.verify(value)
        assert record_of(dict_row({k: v[i:i + 1] for k, v in batch.items()})) == record_of(
            {name: getattr(one, name) for name in idnumber.FIELDS}), repr(value)[:60]
        assert row["history"] is one.history or row["history"] is None


# ---- age ---------------------------------------------------------------------------------

def batch_age(column):
    """The one age of a batch's age column (Int32 or masked), None for none."""
    value = column[0]
    return None if value is pd.NA or value is np.ma.masked else int(value)


@cases("age")
def test_age(case):
    expect = case["expect"]
    if "status" in expect:
        # A datetime.date holds calendar dates only: Python refuses the date
        # before the library can.
        assert expect["status"] == "IDN_ERROR_BAD_DATE"
        with pytest.raises(ValueError):
            datetime.date.fromisoformat(case["on"])
        return
    on = datetime.date.fromisoformat(case["on"])
    limit = case.get("year_limit")
    for kind, value in host_values(case["input"]):
        assert idnumber.verify(value, year_limit=limit).age(on) == expect["age"], kind
        # One date for the batch, one a row, and one as NumPy gives it.
        for age_on in (on, [on], np.array([on], dtype="datetime64[D]")):
            frame = idnumber.verify_many([value], fields="age", age_on=age_on, year_limit=limit)
            assert batch_age(frame["age"]) == expect["age"], (kind, age_on)
        columns = idnumber.verify_many([value], age_on=np.datetime64(on), year_limit=limit, frame=False)
        assert batch_age(columns["age"]) == expect["age"], kind


# ---- generate, sex, regions ------------------------------------------------------------

def generate_arguments(options):
    """generate's arguments for the case's options; None for a range with one
    end, which born_between, a pair, cannot say (as idtool's --born-between)."""
    arguments = {"region": None if options.get("region") is None else host_value(options["region"])}
    if "birth" in options:
        arguments["birth"] = host_value(options["birth"])
    if "born_from" in options or "born_to" in options:
        if "born_from" not in options or "born_to" not in options:
            return None
        arguments["born_between"] = (host_value(options["born_from"]), host_value(options["born_to"]))
    if "sex" in options:
        arguments["sex"] = host_text(options["sex"])
    for name in ("count", "seed"):
        if name in options:
            arguments[name] = int(options[name])
    if options.get("as_of_year"):
        arguments["as_of"] = options["as_of_year"]
    if "year_limit" in options:
        arguments["year_limit"] = options["year_limit"]
    return arguments


def refusal_of(library, options, expect):
    """The IdNumberError's (status, option, message) for a refused case, the
    message worded by the C library in generate's parameter names."""
    worded = library.generate(options, PYTHON_NAMES)
    assert worded["status"] == expect["status"]
    return expect["status"], PYTHON_OPTIONS[expect["option"]], worded["message"]


@cases("generate")
def test_generate(case, library):
    arguments = generate_arguments(case["options"])
    if arguments is None:
        pytest.skip("born_between takes both ends of a range")
    expect = case["expect"]
    if "numbers" in expect:
        with warnings.catch_warnings(record=True) as caught:
            warnings.simplefilter("always")
            assert idnumber.generate(**arguments) == expect["numbers"]
        told = [str(w.message) for w in caught if issubclass(w.category, idnumber.BirthDateWarning)]
        assert told == ([expect["warning"]] if "warning" in expect else [])
        return
    with pytest.raises(idnumber.IdNumberError) as raised:
        idnumber.generate(**arguments)
    error = raised.value
    assert (error.status, error.option, str(error)) == refusal_of(library, case["options"], expect)


@cases("sex")
def test_sex(case, library):
    word = host_text(case["word"])
    options = dict(region="110105", birth="19900101", count=40, seed=3)
    expect = case["expect"]
    if "sex" in expect:
        numbers = idnumber.generate(**options, sex=word)
        if expect["sex"] == "any":
            assert numbers == idnumber.generate(**options) == idnumber.generate(**options, sex=None)
        else:
            assert {idnumber.verify(n).sex for n in numbers} == {"男" if expect["sex"] == "male" else "女"}
        return
    with pytest.raises(idnumber.IdNumberError) as raised:
        idnumber.generate(**options, sex=word)
    message = library.option_message(-39, corpus.bytes_of(case["word"]))
    assert (raised.value.status, raised.value.option, str(raised.value)) == (expect["status"], "sex", message)


@cases("regions")
def test_regions(case):
    expect = case["expect"]
    if "query" in case:
        assert [region.code for region in idnumber.regions(host_value(case["query"]))] == expect["codes"]
        return
    region = None if case["region"] is None else host_value(case["region"])
    arguments = dict(birth="19900101", seed=1)
    if case.get("as_of_year"):
        arguments["as_of"] = case["as_of_year"]
    if "code" in expect:
        assert idnumber.generate(region, **arguments)[0][:6] == f"{expect['code']:06d}"
        return
    with pytest.raises(idnumber.IdNumberError) as raised:
        idnumber.generate(region, **arguments)
    assert (raised.value.status, raised.value.option) == (expect["status"], "region")


# ---- mask, upgrade, history ---------------------------------------------------------------

@cases("mask")
def test_mask(case):
    expected = corpus.bytes_of(case["expect"])
    for kind, value in host_values(case["input"]):
        masked = idnumber.mask(value)
        assert (masked if kind == "bytes" else masked.encode("utf-8")) == expected, kind
        assert isinstance(masked, bytes if kind == "bytes" else str)


@cases("upgrade")
def test_upgrade(case):
    expect = case["expect"]
    for kind, value in host_values(case["input"]):
        if "number" in expect:
            assert idnumber.upgrade(value) == expect["number"], kind
            continue
        with pytest.raises(idnumber.IdNumberError) as raised:
            idnumber.upgrade(value)
        assert (raised.value.status, raised.value.option) == (expect["status"], None), kind
        assert str(raised.value) == expect["message"], kind


def valid_number(code, year):
    first17 = f"{code:06d}{year}0101001"
    return first17 + idnumber.verify(first17 + "0").expected_check


@cases("history")
def test_history(case):
    expect = case["expect"]
    verdict = idnumber.verify(valid_number(case["code"], case.get("year", 1990)))
    if "in_use_at_birth" in expect:
        assert verdict.in_use_at_birth is expect["in_use_at_birth"]
        return
    record = record_of({name: getattr(verdict, name) for name in idnumber.FIELDS})
    assert {key: record[key] for key in expect} == expect
    assert idnumber.history(case["code"]) == verdict.history
    assert all(h.code == case["code"] for h in verdict.history)


# ---- find, redact -------------------------------------------------------------------------
# A case's options in Python's words; a value Python cannot be given (an int
# where a word is asked for, a date no calendar has) is held to Python's own
# refusal instead.

SCAN_PARAMETERS = dict(encoding="encoding", fifteen_digits="fifteen_digits", min_confidence="min_confidence",
                       as_of_date="as_of", redaction="way", mask_first="first", mask_last="last", label="label",
                       key="key", token_alphabet="alphabet", token_length="length", keep="keep")
# The library's messages name the options as the module does, the way of
# redaction but by its noun (its word is checked by the module).
SCAN_NAMES = corpus.scan_option_names(**{option: name.encode() for option, name in SCAN_PARAMETERS.items()
                                         if option != "redaction"})
WORD_OPTIONS = {"encoding": "IDN_ERROR_BAD_ENCODING", "min_confidence": "IDN_ERROR_BAD_CONFIDENCE",
                "redaction": "IDN_ERROR_BAD_REDACTION", "token_alphabet": "IDN_ERROR_TOKEN_FORMAT",
                "keep": "IDN_ERROR_BAD_ARGUMENT"}
PIECES = (0, 1, 7)


def scan_arguments(options):
    """The keyword arguments of the case's options, and the option Python
    cannot express (or None)."""
    arguments, inexpressible = {}, None
    for name, value in options.items():
        parameter = SCAN_PARAMETERS[name]
        if name in WORD_OPTIONS and isinstance(value, int):
            inexpressible = name
        elif name == "as_of_date":
            try:
                arguments[parameter] = datetime.date(value // 10000, value // 100 % 100, value % 100)
            except ValueError:
                inexpressible = name
        elif name == "encoding":
            arguments[parameter] = {"utf8": "utf-8"}.get(value, value)
        elif name == "label":
            arguments[parameter] = host_text(value)
        elif name == "key":
            arguments[parameter] = corpus.bytes_of(value)
        elif name == "keep":
            arguments[parameter] = set(value)
        else:
            arguments[parameter] = value
    return arguments, inexpressible


def assert_python_refuses(case, arguments, option, call):
    """An option Python cannot be given as the corpus gives it: an int for a
    word is a TypeError, a word the library lacks an IdNumberError of the
    case's status; a date no calendar has cannot be made at all."""
    expect = case["expect"]
    parameter = SCAN_PARAMETERS[option]
    if option == "as_of_date":
        assert expect["status"] == "IDN_ERROR_AS_OF_DATE"
        return
    with pytest.raises(TypeError, match=parameter):
        call(**arguments, **{parameter: case["options"][option]})
    with pytest.raises(idnumber.IdNumberError) as raised:
        call(**arguments, **{parameter: "no such word" if option != "keep" else {"no such word"}})
    assert (raised.value.status, raised.value.option) == (expect["status"], parameter)


def assert_refused(case, arguments, library, call):
    expected = corpus.Scanning(library.lib).refusal(case["options"], SCAN_NAMES)
    assert expected["status"] == case["expect"]["status"]
    with pytest.raises(idnumber.IdNumberError) as raised:
        call(**arguments)
    error = raised.value
    assert (error.status, error.option, str(error)) == (expected["status"], SCAN_PARAMETERS[expected["option"]],
                                                        expected["message"])


def scan_values(case):
    """(kind, value) of the case's input for each host type: bytes always,
    str when it is text read as UTF-8."""
    values = [("bytes", corpus.bytes_of(case["input"]))]
    if corpus.is_text(case["input"]) and case["options"].get("encoding", "utf8") == "utf8":
        values.append(("str", host_text(case["input"])))
    return values


def cut(value, piece):
    return [value] if piece == 0 else [value[i:i + piece] for i in range(0, len(value), piece)]


def corpus_match(match, kind):
    """A Match as the corpus's expect: offsets in the host's units taken for
    both of theirs."""
    unit = "char" if kind == "str" else "byte"
    return {f"{unit}_offset": match.start, f"{unit}_length": match.end - match.start, "line": match.line,
            "column": match.column, "number": match.number, "form": list(match.form),
            "confidence": str(match.confidence), "flaw": match.flaw, "keyword": match.keyword,
            "kind": match.kind, "sex": {"男": "male", "女": "female", None: None}[match.sex],
            "birth_date": None if match.birth_date is None else match.birth_date.strftime("%Y%m%d"),
            "region_code": match.region_code}


def expected_matches(case, kind):
    unit = "char" if kind == "str" else "byte"
    drop = {"byte_offset", "byte_length", "utf16_offset", "utf16_length", "char_offset", "char_length"}
    return [{**{k: v for k, v in m.items() if k not in drop}, f"{unit}_offset": m[f"{unit}_offset"],
             f"{unit}_length": m[f"{unit}_length"]} for m in case["expect"]["matches"]]


def frame_matches(frame, kind):
    """find_many's rows as Matches."""
    return [idnumber.Match(**{name: (None if value is pd.NA or value is pd.NaT else value)
                              for name, value in row.items()}) for _, row in frame.iterrows()]


@cases("find")
def test_find(case, library):
    arguments, inexpressible = scan_arguments(case["options"])
    if inexpressible:
        assert_python_refuses(case, arguments, inexpressible, lambda **options: idnumber.find(b"", **options))
        return
    if "status" in case["expect"]:
        assert_refused(case, arguments, library, lambda **options: idnumber.find(b"", **options))
        return
    for kind, value in scan_values(case):
        expected = expected_matches(case, kind)
        assert [corpus_match(m, kind) for m in idnumber.find(value, **arguments)] == expected, kind
        for piece in PIECES:
            finder = idnumber.Finder(**arguments)
            found = [m for part in cut(value, piece) for m in finder.feed(part)] + finder.close()
            assert [corpus_match(m, kind) for m in found] == expected, (kind, piece)
            assert finder.summary.matches == len(expected)
        frame = idnumber.find_many([value], **arguments)
        assert list(frame.index) == [0] * len(expected)
        found = frame_matches(frame, kind)
        assert [corpus_match(m, kind) for m in found] == expected, kind


def summary_of(counts):
    """A Summary as the corpus's summary object."""
    return {"matches": counts.matches, "by_confidence": {"low": counts.low, "medium": counts.medium,
                                                         "high": counts.high},
            "plain": counts.plain, "by_form": {name: getattr(counts, name) for name in corpus.FORM_FLAGS}}


def as_bytes(redacted):
    return redacted.encode("utf-8", "surrogateescape") if isinstance(redacted, str) else redacted


@cases("redact")
def test_redact(case, library):
    arguments, inexpressible = scan_arguments(case["options"])
    if inexpressible:
        assert_python_refuses(case, arguments, inexpressible, lambda **options: idnumber.redact(b"", **options))
        return
    expect = case["expect"]
    if "status" in expect and "number" not in case:
        assert_refused(case, arguments, library, lambda **options: idnumber.redact(b"", **options))
        return
    if "number" in case:
        expected = None if "status" in expect else corpus.bytes_of(expect["output"])
        for kind, value in host_values(case["number"]):
            alone = idnumber.redact_number(value, **arguments)
            assert (alone if alone is None else as_bytes(alone)) == expected, kind
            assert idnumber.Redactor(**arguments).redact_number(value) == alone
            assert alone is None or isinstance(alone, type(value))
        return
    output = corpus.bytes_of(expect["output"])
    for kind, value in scan_values(case):
        redacted, counts = idnumber.redact(value, summary=True, **arguments)
        assert isinstance(redacted, type(value))
        assert (as_bytes(redacted), summary_of(counts)) == (output, expect["summary"]), kind
        for piece in PIECES:
            redactor = idnumber.Redactor(**arguments)
            parts = [redactor.feed(part) for part in cut(value, piece)] + [redactor.close()]
            assert as_bytes(type(value)().join(parts)) == output, (kind, piece)
            assert summary_of(redactor.summary) == expect["summary"], (kind, piece)
        (many,), counts = idnumber.redact_many([value], summary=True, **arguments)
        assert (as_bytes(many), summary_of(counts)) == (output, expect["summary"]), kind
