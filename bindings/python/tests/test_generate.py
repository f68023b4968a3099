"""generate, regions, history, upgrade and mask: the same numbers as idtool
for the same seed and options, the same records, and for every refused
option an IdNumberError (a ValueError) with the library's status and
message, naming generate's parameters."""
import ctypes
import datetime
import pickle
import re
import warnings

import pytest

import idnumber

from conftest import corpus, run_idtool

SEEDED = [
    dict(region="110105", birth="19491001", count=3, seed=7),
    dict(region=110105, birth=datetime.date(1949, 10, 1), count=3, seed=7),
    dict(region="阳泉市/城区", born_between=("19800101", "19891231"), sex="female", count=1000, seed=1),
    dict(region="山西省/阳泉市/城区", born_between=(datetime.date(1980, 1, 1), "19800131"), sex="male", count=50,
         seed=2**64 - 1),
    dict(region="330124", as_of=1990, birth="19800101", count=20, seed=0),
    dict(region="北京市/朝阳区", birth="20000229", count=999, seed=5),
]


def idtool_arguments(options):
    arguments = ["generate"]
    for name, value in options.items():
        flag = "--" + name.replace("_", "-")
        if name == "born_between":
            arguments += [flag, *(v.strftime("%Y%m%d") if isinstance(v, datetime.date) else v for v in value)]
        elif isinstance(value, datetime.date):
            arguments += [flag, value.strftime("%Y%m%d")]
        else:
            arguments += [flag, str(value)]
    return arguments


@pytest.mark.parametrize("options", SEEDED)
def test_seeded_numbers_are_idtools(idtool, options):
    status, out, err = run_idtool(idtool, *idtool_arguments(options))
    assert status == 0, err
    assert idnumber.generate(**options) == out.decode().split()


def test_unseeded_numbers_are_well_formed_and_distinct():
    numbers = idnumber.generate("110105", born_between=("19900101", "19901231"), sex="male", count=500)
    assert len(set(numbers)) == 500
    verdicts = idnumber.verify_many(numbers)
    assert verdicts["valid"].all() and set(verdicts["sex"]) == {"男"}


BAD = [
    dict(region="110105", birth="1990"),
    dict(region="110105", birth="19901301"),
    dict(region="110105", birth="20990101"),
    dict(region="110105", born_between=("19900101", "19800101")),
    dict(region="110105", born_between=("19900231", "19910101")),
    dict(region="110105", born_between=("20200101", "20991231")),
    dict(region="110105", birth="19900101", born_between=("19900101", "19900102")),
    dict(region="110105"),
    dict(region="城区", birth="19900101"),
    dict(region="999999", birth="19900101"),
    dict(region="110000", birth="19900101"),
    dict(region="北京/x", birth="19900101"),
    dict(region="", birth="19900101"),
    dict(region="a/b/c/d", birth="19900101"),
    dict(region="330124", as_of=2024, birth="19800101"),
    dict(region="330124", as_of=1900, birth="19800101"),
    dict(region="阳泉市", as_of=1990, birth="19800101"),
    dict(region="110105", birth="19900101", sex="x"),
    dict(region="110105", birth="19900101", count=0),
    dict(region="110105", birth="19900101", count=-3),
    dict(region="110105", birth="19900101", count=1000),
    dict(region="110105", birth="19900101", seed=-1),
    dict(region="110105", birth="19900101", seed=2**64),
]


def corpus_options(options):
    """generate's arguments as the corpus writes options."""
    spelled = {}
    for name, value in options.items():
        if name == "born_between":
            spelled["born_from"], spelled["born_to"] = value
        elif name == "as_of":
            spelled["as_of_year"] = value
        elif name in ("count", "seed"):
            spelled[name] = str(value)
        else:
            spelled[name] = value
    return spelled


PYTHON_NAMES = dict(region=b"region", birth=b"birth", born_from=b"born_between", born_to=b"born_between",
                    sex=b"sex", count=b"count", seed=b"seed", as_of_year=b"as_of", year_limit=b"year_limit")
PYTHON_OPTIONS = {name: value.decode() for name, value in PYTHON_NAMES.items()}


@pytest.mark.parametrize("options", BAD)
def test_bad_options_raise_the_librarys_refusal_in_generates_words(idtool, library, options):
    # idtool refuses the same options.
    status, out, err = run_idtool(idtool, *idtool_arguments(options))
    assert status == 2 and out == b""
    expected = library.generate(corpus_options(options), corpus.option_names(**PYTHON_NAMES))
    with pytest.raises(idnumber.IdNumberError) as raised:
        idnumber.generate(**options)
    error = raised.value
    assert isinstance(error, ValueError)
    assert (str(error), error.status, error.option) == (
        expected["message"], expected["status"], PYTHON_OPTIONS[expected["option"]])


@pytest.mark.parametrize("options, status, message", [
    # Values no C integer of the options holds, refused before they reach them.
    (dict(count=2**63), "IDN_ERROR_COUNT_RANGE",
     "count: must be a whole number from 1 to 9223372036854775807, not 9223372036854775808"),
    (dict(count=-2**70), "IDN_ERROR_COUNT_RANGE",
     "count: must be a whole number from 1 to 9223372036854775807, not -1180591620717411303424"),
    (dict(seed=2**64), "IDN_ERROR_SEED_RANGE",
     "seed: must be a whole number from 0 to 18446744073709551615, not 18446744073709551616"),
    (dict(seed=-1), "IDN_ERROR_SEED_RANGE", "seed: must be a whole number from 0 to 18446744073709551615, not -1"),
    (dict(as_of=0), "IDN_ERROR_AS_OF_YEAR", "as_of: must be a whole number from 1981 to 2024, not 0"),
    (dict(as_of=2**40), "IDN_ERROR_AS_OF_YEAR",
     "as_of: must be a whole number from 1981 to 2024, not 1099511627776"),
    (dict(sex="男性"), "IDN_ERROR_BAD_SEX", "sex: must be 男, 女, male, female or any, not 男性"),
    (dict(region=None), "IDN_ERROR_NO_REGION", "region is required"),
])
def test_values_beyond_the_options_are_refused_in_the_librarys_words(options, status, message):
    # (The C library words each; written out here so that a change of words shows.)
    arguments = dict(region="110105", birth="19900101", **options) if "region" not in options else dict(
        birth="19900101", **options)
    with pytest.raises(idnumber.IdNumberError) as raised:
        idnumber.generate(**arguments)
    name = next(iter(options))
    assert (raised.value.status, raised.value.option, str(raised.value)) == (status, name, message)


@pytest.mark.parametrize("options, status", [
    # The library's order: the as-of year, the region, the year limit, the
    # sex, the count, the dates; a value it cannot be given takes its place.
    (dict(region="火星区", birth="19900101", count=2**70), "IDN_ERROR_REGION_NO_MATCH"),
    (dict(region="火星区", birth="19900101", as_of=0), "IDN_ERROR_AS_OF_YEAR"),
    (dict(region="火星区", birth="19900101", year_limit=2**70), "IDN_ERROR_REGION_NO_MATCH"),
    (dict(region="110105", birth="1990", count=-2**70), "IDN_ERROR_COUNT_RANGE"),
    (dict(region="110105", birth="1990", sex="x", count=2**70), "IDN_ERROR_BAD_SEX"),
    # The seed, which the library never refuses, comes after all of them.
    (dict(region="110105", birth="1990", seed=-1), "IDN_ERROR_BIRTH_NOT_EIGHT_DIGITS"),
])
def test_of_several_refused_values_the_first_in_the_librarys_order_is_told(options, status):
    with pytest.raises(idnumber.IdNumberError) as raised:
        idnumber.generate(**options)
    assert raised.value.status == status


@pytest.mark.parametrize("limit", [-1, 10000, 2**40])
def test_year_limits_beyond_the_librarys_are_refused_in_its_words(library, limit):
    with pytest.raises(idnumber.IdNumberError) as raised:
        idnumber.generate("110105", birth="19900101", year_limit=limit)
    assert (raised.value.status, raised.value.option, str(raised.value)) == (
        "IDN_ERROR_YEAR_LIMIT", "year_limit", library.option_message(-41, str(limit).encode()))


def test_missing_values_take_their_defaults():
    # None for count is 1, for sex any, for seed one from the system.
    assert idnumber.generate("110105", birth="19900101", count=None, seed=4) == idnumber.generate(
        "110105", birth="19900101", seed=4)
    assert len(idnumber.generate("110105", birth="19900101", sex=None, seed=None)) == 1
    assert idnumber.generate("110105", birth="19900101", sex="any", count=5, seed=4) == idnumber.generate(
        "110105", birth="19900101", sex=None, count=5, seed=4)
    assert idnumber.generate(110105, birth=datetime.date(2000, 2, 29), year_limit=2000, seed=1)[0][6:14] == "20000229"
    assert idnumber.generate(b"110105", birth=b"19900101", sex=b"female", seed=1)[0][16] in "02468"


def test_an_error_survives_pickling():
    # Dask and multiprocessing send exceptions between processes.
    with pytest.raises(idnumber.IdNumberError) as raised:
        idnumber.generate("110105", birth="19900101", count=1000)
    copy = pickle.loads(pickle.dumps(raised.value))
    assert (type(copy), str(copy), copy.status, copy.option) == (
        idnumber.IdNumberError, str(raised.value), "IDN_ERROR_COUNT_EXCEEDS_CANDIDATES", "count")


@pytest.mark.parametrize("options, message", [
    (dict(region="110105", birth=19900101), "birth takes a str YYYYMMDD or a datetime.date, not int"),
    (dict(region="110105", birth="19900101", count="5"), "count takes an int or None, not str"),
    (dict(region="110105", birth="19900101", count=True), "count takes an int or None, not bool"),
    (dict(region="110105", birth="19900101", seed=1.5), "seed takes an int or None, not float"),
    (dict(region="110105", birth="19900101", as_of="1990"), "as_of takes an int or None, not str"),
    (dict(region="110105", birth="19900101", year_limit=2000.0), "year_limit takes an int or None, not float"),
    (dict(region="110105", born_between="19900101"), "born_between takes a pair"),
    (dict(region="110105", born_between=("19900101", None)), "born_between takes a str YYYYMMDD"),
    (dict(region="110105", born_between=("19900101", "19900102", "19900103")), "born_between takes a pair"),
    (dict(region=["110105"], birth="19900101"), "region takes str or bytes, not list"),
    # Once the raw "unhashable type: 'list'".
    (dict(region="110105", birth="19900101", sex=["male"]), "sex takes str or bytes, not list"),
    (dict(region="110105", birth="19900101", sex=1), "sex takes str or bytes, not int"),
])
def test_options_of_the_wrong_type_raise_type_error(options, message):
    with pytest.raises(TypeError, match=re.escape(message)):
        idnumber.generate(**options)


def test_texts_that_are_not_utf8_are_refused_by_value():
    # A lone surrogate of surrogateescape is the byte it escaped: 0xFF is no UTF-8.
    with pytest.raises(idnumber.IdNumberError, match="^region is too long or not valid text$"):
        idnumber.generate("\udcff", birth="19900101")
    with pytest.raises(idnumber.IdNumberError, match="^region is too long or not valid text$"):
        idnumber.generate(b"\xff", birth="19900101")
    # Any other lone surrogate is U+FFFD.
    with pytest.raises(idnumber.IdNumberError, match="^\ufffd names no county-level record"):
        idnumber.generate("\ud800", birth="19900101")
    # The library echoes what is no UTF-8 as '?', one for each byte.
    with pytest.raises(idnumber.IdNumberError, match=r"^birth \?: a birth date is 8 digits"):
        idnumber.generate("110105", birth="\udcff")
    with pytest.raises(idnumber.IdNumberError, match="^birth １９９００１０１: a birth date is 8 digits"):
        idnumber.generate("110105", birth="１９９００１０１")


def test_a_birth_date_that_is_no_calendar_date_warns(idtool):
    status, out, err = run_idtool(idtool, *idtool_arguments(dict(region="110105", birth="19900231", seed=3)))
    with pytest.warns(idnumber.BirthDateWarning) as caught:
        numbers = idnumber.generate("110105", birth="19900231", seed=3)
    assert numbers == out.decode().split()
    assert str(caught[0].message) == "19900231 is not a real calendar date; the numbers carry it as given"
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        idnumber.generate("110105", birth="19900228", seed=3)


@pytest.mark.parametrize("query", ["1403", "城区", "北京", "zzz", ""])
def test_regions_are_idtools(idtool, query):
    status, out, err = run_idtool(idtool, "regions", query)
    rows = [line.split("\t") for line in out.decode().splitlines()[1:]]
    assert [[str(r.code), r.name, r.level, r.province, r.city or ""] for r in idnumber.regions(query)] == rows


@pytest.mark.parametrize("code", [330124, "512201", 110105, 330112, 500101])
def test_history_is_idtools(idtool, code):
    status, out, err = run_idtool(idtool, "regions", "--history", str(code))
    rows = [line.split("\t")[:7] for line in out.decode().splitlines()[1:]]
    assert [[str(h.code), h.name, h.level, h.province, h.prefecture, str(h.from_), str(h.until or "")]
            for h in idnumber.history(code)] == rows


def test_history_of_an_unknown_code_is_empty_and_a_bad_code_is_refused():
    assert idnumber.history(999999) == ()
    for bad in ("12345", "1234567", "１１０１０５", -1, 1_000_000):
        with pytest.raises(ValueError, match="six digits"):
            idnumber.history(bad)
    with pytest.raises(TypeError):
        idnumber.history(110105.0)


def test_upgrade_gives_idtools_numbers_and_the_librarys_statuses(idtool):
    status, out, err = run_idtool(idtool, "upgrade", stdin=b"110105491231002\n110105490231002\n")
    assert [idnumber.upgrade("110105491231002"), idnumber.upgrade(b"110105490231002")] == out.decode().split()
    for line, status in (("11010549123100", "IDN_ERROR_NOT_FIFTEEN_DIGITS"), ("", "IDN_ERROR_NOT_FIFTEEN_DIGITS"),
                         ("110105491331002", "IDN_ERROR_MONTH_ABOVE_12"), ("110105491232002", "IDN_ERROR_DAY_ABOVE_31")):
        with pytest.raises(idnumber.IdNumberError) as raised:
            idnumber.upgrade(line)
        assert (raised.value.status, raised.value.option) == (status, None)
    with pytest.raises(TypeError, match="upgrade: number takes str or bytes, not NoneType"):
        idnumber.upgrade(None)


def test_mask_keeps_six_and_four_characters():
    assert idnumber.mask("11010519491231002X") == "110105********002X"
    assert idnumber.mask(b"11010519491231002X") == b"110105********002X"
    assert idnumber.mask("北京市朝阳区1949123100") == "北京市朝阳区******3100"
    assert idnumber.mask("1234567890") == "**********"
    with pytest.raises(TypeError):
        idnumber.mask(12)


def test_version_is_the_librarys(library):
    library.lib.idn_version_string.restype = ctypes.c_char_p
    assert idnumber.__version__ == library.lib.idn_version_string().decode()
