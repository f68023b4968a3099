"""generate, regions, history, upgrade and mask against idtool: the same
numbers for the same seed and options, the same records, and ValueError with
idtool's message for every option idtool refuses."""
import datetime
import re
import warnings

import pytest

import idnumber

from conftest import run_idtool

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


def idtool_message(err):
    """idtool's one line without the program's and command's names and the help hint."""
    text = err.decode().strip()
    text = re.sub(r"^idtool: (generate: )?", "", text)
    return text.removesuffix(" (see idtool --help)")


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
    dict(region="330124", as_of=0, birth="19800101"),
    dict(region="阳泉市", as_of=1990, birth="19800101"),
    dict(region="110105", birth="19900101", sex="x"),
    dict(region="110105", birth="19900101", count=0),
    dict(region="110105", birth="19900101", count=-3),
    dict(region="110105", birth="19900101", count=1000),
    dict(region="110105", birth="19900101", seed=-1),
    dict(region="110105", birth="19900101", seed=2**64),
]


@pytest.mark.parametrize("options", BAD)
def test_bad_options_raise_value_error_with_idtools_message(idtool, options):
    status, out, err = run_idtool(idtool, *idtool_arguments(options))
    assert status == 2 and out == b""
    with pytest.raises(ValueError) as raised:
        idnumber.generate(**options)
    assert str(raised.value) == idtool_message(err)


@pytest.mark.parametrize("options, message", [
    (dict(region="110105", birth=19900101), "birth takes a str YYYYMMDD or a datetime.date, not int"),
    (dict(region="110105", birth="19900101", count="5"), "count takes an int, not str"),
    (dict(region="110105", birth="19900101", count=True), "count takes an int, not bool"),
    (dict(region="110105", birth="19900101", seed=1.5), "seed takes an int, not float"),
    (dict(region="110105", born_between="19900101"), "born_between takes a pair"),
    (dict(region=None, birth="19900101"), "region: takes str or bytes, not NoneType"),
])
def test_options_of_the_wrong_type_raise_type_error(options, message):
    with pytest.raises(TypeError, match=re.escape(message)):
        idnumber.generate(**options)


def test_texts_that_are_not_utf8_are_refused_by_value():
    with pytest.raises(ValueError, match="^--region is too long or not valid text$"):
        idnumber.generate("\ud800", birth="19900101")
    # Bytes that are no UTF-8 come back as '?', one for each.
    with pytest.raises(ValueError, match=r"^--birth \?\?\?: a birth date is 8 digits"):
        idnumber.generate("110105", birth="\ud800")
    with pytest.raises(ValueError, match="^--birth １９９００１０１: a birth date is 8 digits"):
        idnumber.generate("110105", birth="１９９００１０１")


def test_a_birth_date_that_is_no_calendar_date_warns_as_idtool_does(idtool):
    status, out, err = run_idtool(idtool, *idtool_arguments(dict(region="110105", birth="19900231", seed=3)))
    with pytest.warns(idnumber.BirthDateWarning) as caught:
        numbers = idnumber.generate("110105", birth="19900231", seed=3)
    assert numbers == out.decode().split()
    assert "warning: " + str(caught[0].message) == idtool_message(err)
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
    assert [[str(h.code), h.name, h.level, h.province, h.prefecture, str(h.from_year), str(h.until or "")]
            for h in idnumber.history(code)] == rows


def test_history_of_an_unknown_code_is_empty_and_a_bad_code_is_refused():
    assert idnumber.history(999999) == ()
    for bad in ("12345", "1234567", "１１０１０５", -1, 1_000_000):
        with pytest.raises(ValueError, match="six digits"):
            idnumber.history(bad)
    with pytest.raises(TypeError):
        idnumber.history(110105.0)


def test_upgrade_and_its_refusals_are_idtools(idtool):
    lines = ["110105491231002", "11010549123100", "110105491331002", "110105491232002", "11010549123100a",
             "1101054912310021"]
    status, out, err = run_idtool(idtool, "upgrade", stdin="".join(line + "\n" for line in lines).encode())
    messages = [re.sub(r"^idtool: upgrade: line \d+: ", "", m) for m in err.decode().splitlines()]
    assert idnumber.upgrade(lines[0]) == out.decode().strip() == "11010519491231002X"
    assert idnumber.upgrade(lines[0].encode()) == "11010519491231002X"
    for line, message in zip(lines[1:], messages):
        with pytest.raises(ValueError) as raised:
            idnumber.upgrade(line)
        assert str(raised.value) == message
    with pytest.raises(ValueError, match="^0 bytes, not 15 digits$"):
        idnumber.upgrade("")


def test_mask_keeps_six_and_four_characters():
    assert idnumber.mask("11010519491231002X") == "110105********002X"
    assert idnumber.mask(b"11010519491231002X") == b"110105********002X"
    assert idnumber.mask("北京市朝阳区1949123100") == "北京市朝阳区******3100"
    assert idnumber.mask("1234567890") == "**********"
    with pytest.raises(TypeError):
        idnumber.mask(12)


def test_version_is_the_librarys(idtool):
    status, out, err = run_idtool(idtool, "--version")
    assert idnumber.__version__ in out.decode()
