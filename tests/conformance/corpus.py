"""The conformance corpus, read: its files, its text forms made into bytes or
strings, and the C API's answers through ctypes (for update.py and for the
test suites of faces written in Python).

A text form (README.md) is a JSON string, or an object:
  {"hex": "e4 b8 ad"}                 bytes, in hexadecimal
  {"utf16": "0031 d800"}              UTF-16 code units, lone surrogates allowed
  {"repeat": FORM, "times": N}        FORM N times
  {"parts": [FORM, ...]}              one after another
"""

import csv
import ctypes
import datetime
import io
import json
import os
import re
import subprocess
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
SECTIONS = ("verify", "generate", "sex", "mask", "upgrade", "history", "regions", "lines", "age", "find",
            "redact")


def load(section):
    """The cases of a section: its objects, without the comment strings."""
    return [case for case in json.loads((HERE / f"{section}.json").read_text(encoding="utf-8"))
            if isinstance(case, dict)]


def utf16_units(form):
    """The UTF-16 code units of a form that is text (no "hex" in it)."""
    if isinstance(form, str):
        data = form.encode("utf-16-le", "surrogatepass")
        return [int.from_bytes(data[i:i + 2], "little") for i in range(0, len(data), 2)]
    if "utf16" in form:
        return [int(unit, 16) for unit in form["utf16"].split()]
    if "repeat" in form:
        return utf16_units(form["repeat"]) * form["times"]
    if "parts" in form:
        return [unit for part in form["parts"] for unit in utf16_units(part)]
    raise ValueError(f"not a text form: {form!r}")


def is_text(form):
    """Whether the form is text (a host string can hold it), not raw bytes."""
    if isinstance(form, str):
        return True
    if "hex" in form:
        return False
    if "repeat" in form:
        return is_text(form["repeat"])
    if "parts" in form:
        return all(is_text(part) for part in form["parts"])
    return "utf16" in form


def has_lone_surrogate(form):
    if not is_text(form):
        return False
    units = utf16_units(form)
    i = 0
    while i < len(units):
        if 0xD800 <= units[i] <= 0xDBFF and i + 1 < len(units) and 0xDC00 <= units[i + 1] <= 0xDFFF:
            i += 2
            continue
        if 0xD800 <= units[i] <= 0xDFFF:
            return True
        i += 1
    return False


def text_of(form):
    """A Python str of a text form; lone surrogates stay as they are."""
    units = utf16_units(form)
    return b"".join(unit.to_bytes(2, "little") for unit in units).decode("utf-16-le", "surrogatepass")


def bytes_of(form):
    """The bytes a byte host passes: a text's UTF-8, each lone surrogate as
    U+FFFD (EF BF BD), as every UTF-16 host converts it; or the raw bytes."""
    if isinstance(form, str):
        return form.encode("utf-8", "surrogatepass") if not has_lone_surrogate(form) else _utf8_of_units(
            utf16_units(form))
    if "hex" in form:
        return bytes.fromhex(form["hex"])
    if "repeat" in form:
        return bytes_of(form["repeat"]) * form["times"]
    if "parts" in form:
        return b"".join(bytes_of(part) for part in form["parts"])
    return _utf8_of_units(utf16_units(form))


def _utf8_of_units(units):
    out = bytearray()
    i = 0
    while i < len(units):
        unit = units[i]
        if 0xD800 <= unit <= 0xDBFF and i + 1 < len(units) and 0xDC00 <= units[i + 1] <= 0xDFFF:
            point = 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00)
            out += chr(point).encode("utf-8")
            i += 2
            continue
        out += "\ufffd".encode("utf-8") if 0xD800 <= unit <= 0xDFFF else chr(unit).encode("utf-8")
        i += 1
    return bytes(out)


def idtool_reading(idtool, case):
    """What idtool verify reads from a lines case's file: per line (or CSV
    cell), [line number, the record's input field, reason, hint], None for a
    row without the column; or {"refused": why} for a file idtool refuses."""
    with tempfile.NamedTemporaryFile(suffix=".txt") as file:
        file.write(bytes_of(case["file"]))
        file.flush()
        args = [str(idtool), "verify", "--no-history", "--jobs", "1"]
        encoding = case.get("encoding")
        if encoding == "auto":
            # Each line or cell as UTF-8 when it is, else as GBK; UTF-8 out.
            args += ["--input-encoding", "auto"]
        elif encoding:
            args += ["--encoding", encoding]
        if case.get("column"):
            # A row's own cells, then the fields asked for.
            args += ["--column", case["column"], "--input-format", "csv", "--fields", "line,input,reason,hint"]
        else:
            args += ["--format", "jsonl"]
        result = subprocess.run(args + [file.name], capture_output=True)
    if result.returncode == 2:
        # A file idtool refuses: the reason, without the file's name.
        return {"refused": result.stderr.decode("utf-8", errors="replace").strip().split(": ")[-1]}
    if result.returncode not in (0, 1):
        raise RuntimeError(f"{case['id']}: idtool failed: {result.stderr.decode(errors='replace')}")
    output = result.stdout.decode("gbk" if case.get("encoding") == "gbk" else "utf-8")
    rows = []
    if case.get("column"):
        for cells in list(csv.reader(io.StringIO(output, newline="")))[1:]:
            line, text, reason, hint = cells[-4:]
            # A row without the column: its fields, and empty ones.
            rows.append(None if line == "" else [int(line), text, reason or None, hint or None])
    else:
        for line in output.splitlines():
            record = json.loads(line)
            rows.append([record["line"], record["input"], record["reason"], record["hint"]])
    return rows


# ---- The C API through ctypes ---------------------------------------------------

class Sized(ctypes.Structure):
    """A struct the library fills: its first member is its size."""

    def __init__(self, **fields):
        super().__init__(size=ctypes.sizeof(self), **fields)


class Verdict(Sized):
    _fields_ = [("size", ctypes.c_uint32)] + [(name, ctypes.c_int32) for name in (
        "reason", "kind", "sex", "birth_year", "birth_month", "birth_day", "region_code", "expected_check",
        "reserved")] + [("length", ctypes.c_uint64)]


class HistoryRecord(Sized):
    _fields_ = [("size", ctypes.c_uint32), ("code", ctypes.c_int32), ("name", ctypes.c_char_p),
                ("province", ctypes.c_char_p), ("prefecture", ctypes.c_char_p), ("level", ctypes.c_char_p),
                ("from_", ctypes.c_int32), ("until", ctypes.c_int32)]


class RegionFields(Sized):
    _fields_ = [("size", ctypes.c_uint32), ("province", ctypes.c_char_p), ("city", ctypes.c_char_p),
                ("county", ctypes.c_char_p)]


class Region(Sized):
    _fields_ = [("size", ctypes.c_uint32), ("code", ctypes.c_int32), ("name", ctypes.c_char_p),
                ("level", ctypes.c_char_p), ("province", ctypes.c_char_p), ("city", ctypes.c_char_p)]


# idn_option_t's values the corpus's generation options name.
OPTIONS = {"region": 1, "birth": 2, "born_from": 3, "born_to": 4, "sex": 5, "count": 6, "seed": 7,
           "as_of_year": 8, "year_limit": 9}


def option_names(**words):
    """The names array of the C API's messages: words by option name."""
    names = (ctypes.c_char_p * (max(OPTIONS.values()) + 1))()
    for option, word in words.items():
        names[OPTIONS[option]] = word
    return names


# ---- What the SQL faces share ---------------------------------------------------
# SQLite, PostgreSQL and MariaDB have one idn_generate(region, birth_from,
# birth_to, sex, count, seed): birth_from is both the one birth date and a
# range's first date.

SQL_OPTION_NAMES = option_names(region=b"region", birth=b"birth_from", born_from=b"birth_from", born_to=b"birth_to",
                                sex=b"sex", count=b"count", seed=b"seed")


def sql_generate_unsupported(options):
    """Why the SQL idn_generate cannot express the corpus's options, or None."""
    if "as_of_year" in options or "year_limit" in options:
        return "idn_generate takes no as_of_year or year_limit"
    if "birth" in options and ("born_from" in options or "born_to" in options):
        return "birth_from is both the birth date and a range's first date, never both at once"
    if "born_from" in options and "born_to" not in options:
        return "birth_from without birth_to is one birth date, not a range's first end"
    return None


def decimal_int64(form):
    """A form that SQL can also pass as a 64-bit integer: its decimal text
    (no leading zero, at most 2^63 - 1) as the literal; else None."""
    if not isinstance(form, str) or not re.fullmatch(r"[1-9][0-9]{0,18}", form) or int(form) >= 2**63:
        return None
    return form


def library(path=None):
    """The shared library: `path`, $IDNUMBER_LIBRARY, or the release build's."""
    path = path or os.environ.get("IDNUMBER_LIBRARY") or str(
        HERE.parents[1] / "build" / "release" / "capi" / "libidnumber.so")
    return CApi(ctypes.CDLL(path))


class CApi:
    """The C API's answers in the corpus's terms."""

    def __init__(self, lib):
        self.lib = lib
        lib.idn_status_name.restype = ctypes.c_char_p
        lib.idn_option_name.restype = ctypes.c_char_p
        lib.idn_sex_name.restype = ctypes.c_char_p
        lib.idn_code_status_name.restype = ctypes.c_char_p
        lib.idn_size_of.restype = ctypes.c_size_t
        lib.idn_history_count.restype = ctypes.c_size_t
        lib.idn_generator_count.restype = ctypes.c_int64
        for name in ("idn_verify_json_prefix", "idn_verify_prefix", "idn_hint_of_prefix"):
            getattr(lib, name).argtypes = None

    def status_name(self, status):
        return self.lib.idn_status_name(status).decode()

    def _text(self, write):
        """A text out: asks for its length, then writes it."""
        length = ctypes.c_size_t(0)
        status = write(None, 0, ctypes.byref(length))
        if status != 0:
            return status, None
        out = ctypes.create_string_buffer(length.value + 1)
        status = write(out, length.value + 1, ctypes.byref(length))
        return status, out.raw[:length.value]

    def verify(self, data, year_limit=0):
        """The record of idn_verify_json with the history, and the verdict's
        length and calendar date, as the corpus's expect object."""
        held = data[:64]
        status, record = self._text(lambda out, size, written: self.lib.idn_verify_json_prefix(
            held, ctypes.c_size_t(len(held)), ctypes.c_uint64(len(data)), ctypes.c_int(year_limit), ctypes.c_int(1),
            out, ctypes.c_size_t(size), written))
        assert status == 0, status
        expect = json.loads(record.decode("utf-8"))
        verdict = Verdict()
        assert self.lib.idn_verify_prefix(held, ctypes.c_size_t(len(held)), ctypes.c_uint64(len(data)),
                                          ctypes.c_int(year_limit), ctypes.byref(verdict)) == 0
        expect["length"] = verdict.length
        day = None
        if verdict.reason == 0 and self.lib.idn_is_calendar_date(verdict.birth_year, verdict.birth_month,
                                                                  verdict.birth_day):
            day = f"{verdict.birth_year:04d}-{verdict.birth_month:02d}-{verdict.birth_day:02d}"
        expect["birth_day"] = day
        return expect

    def parse_sex(self, word):
        sex = ctypes.c_int32(-1)
        status = self.lib.idn_parse_sex(word, ctypes.c_size_t(len(word)), ctypes.byref(sex))
        return status, sex.value

    def generate(self, options, names=None):
        """What a generation of the corpus's options gives, as its expect
        object: the numbers (and the warning), or the refusal. A count or
        seed that no 64-bit integer holds, and a negative seed, are refused
        here, as a host of wider integers refuses them."""
        generator = ctypes.create_string_buffer(self.lib.idn_size_of(20))  # IDN_ID_GENERATOR_CONTEXT
        assert self.lib.idn_generator_init(generator, ctypes.c_size_t(len(generator))) == 0
        for field in ("region", "birth", "born_from", "born_to", "sex"):
            if options.get(field) is not None:
                data = bytes_of(options[field])
                assert self.lib.idn_generator_set_text(generator, OPTIONS[field], data,
                                                       ctypes.c_size_t(len(data))) == 0
        count = int(options.get("count", "1"))
        if not -2**63 <= count < 2**64:
            return {"status": "IDN_ERROR_COUNT_RANGE", "option": "count",
                    "message": self.option_message(-37, str(count).encode(), names)}
        if count < 0:
            self.lib.idn_generator_set_integer(generator, OPTIONS["count"], ctypes.c_int64(count))
        else:
            self.lib.idn_generator_set_unsigned(generator, OPTIONS["count"], ctypes.c_uint64(count))
        if options.get("seed") is not None:
            seed = int(options["seed"])
            if not 0 <= seed < 2**64:
                return {"status": "IDN_ERROR_SEED_RANGE", "option": "seed",
                        "message": self.option_message(-40, str(seed).encode(), names)}
            self.lib.idn_generator_set_unsigned(generator, OPTIONS["seed"], ctypes.c_uint64(seed))
        for field in ("as_of_year", "year_limit"):
            if field in options:
                self.lib.idn_generator_set_integer(generator, OPTIONS[field], ctypes.c_int64(options[field]))
        status = self.lib.idn_generator_prepare(generator)
        option = ctypes.c_int32(0)
        assert self.lib.idn_generator_refusal(generator, None, ctypes.byref(option)) == 0
        name_count = len(names) if names is not None else 0
        _, message = self._text(lambda out, size, written: self.lib.idn_generator_message(
            generator, names, ctypes.c_size_t(name_count), out, ctypes.c_size_t(size), written))
        message = message.decode("utf-8")
        if status != 0:
            return {"status": self.status_name(status), "option": self.lib.idn_option_name(option.value).decode(),
                    "message": message}
        numbers = []
        out = ctypes.create_string_buffer(19)
        for i in range(self.lib.idn_generator_count(generator)):
            assert self.lib.idn_generator_number(generator, ctypes.c_int64(i), out, 19, None) == 0
            numbers.append(out.value.decode())
        expect = {"numbers": numbers}
        if self.lib.idn_generator_warning(generator) != 0:
            expect["warning"] = message
        return expect

    def option_message(self, status, value, names=None):
        name_count = len(names) if names is not None else 0
        _, message = self._text(lambda out, size, written: self.lib.idn_option_message(
            status, value, ctypes.c_size_t(len(value)), names, ctypes.c_size_t(name_count), out,
            ctypes.c_size_t(size), written))
        return message.decode("utf-8")

    def mask(self, data):
        status, masked = self._text(lambda out, size, written: self.lib.idn_mask_text(
            data, ctypes.c_size_t(len(data)), out, ctypes.c_size_t(size), written))
        assert status == 0
        return masked

    def upgrade(self, data):
        status, number = self._text(lambda out, size, written: self.lib.idn_upgrade_number(
            data, ctypes.c_size_t(len(data)), out, ctypes.c_size_t(size), written))
        if status == 0:
            return {"number": number.decode()}
        _, message = self._text(lambda out, size, written: self.lib.idn_upgrade_message(
            data, ctypes.c_size_t(len(data)), out, ctypes.c_size_t(size), written))
        return {"status": self.status_name(status), "message": message.decode("utf-8")}

    def history(self, code):
        status = self.lib.idn_code_status_of(code)

        def json_value(function):
            _, value = self._text(lambda out, size, written: function(code, out, ctypes.c_size_t(size), written))
            return json.loads(value.decode("utf-8"))

        return {"code_status": self.lib.idn_code_status_name(status).decode(),
                "history": json_value(self.lib.idn_history_json),
                "successors": json_value(self.lib.idn_successors_json),
                "now": json_value(self.lib.idn_now_codes_json)}

    def age(self, data, on, year_limit=0):
        """The age in completed years on `on` (YYYY-MM-DD) of a number's
        holder, or None: a refused number, a birth date no calendar has, a
        date before the birth. A date that is no calendar date is refused:
        its status name."""
        verdict = Verdict()
        assert self.lib.idn_verify(data, ctypes.c_size_t(len(data)), ctypes.c_int(year_limit),
                                   ctypes.byref(verdict)) == 0
        year, month, day = (int(part) for part in on.split("-"))
        age = ctypes.c_int32(-1)
        status = self.lib.idn_age_on(ctypes.byref(verdict), year, month, day, ctypes.byref(age))
        if status == 0:
            return {"age": age.value}
        if status == self.STATUS_NOT_FOUND:
            return {"age": None}
        return {"status": self.status_name(status)}

    STATUS_NOT_FOUND = -4

    def region_fields(self, code):
        """The province, city and county of the 2009 tables for a code, as
        the verdict's region fields give them."""
        fields = RegionFields()
        assert self.lib.idn_region_fields(ctypes.c_int32(code), ctypes.byref(fields)) == 0
        return tuple(getattr(fields, name).decode("utf-8") for name in ("province", "city", "county"))

    def in_use_at_birth(self, code, year):
        return bool(self.lib.idn_in_use_at_birth(code, year))

    def resolve(self, region, as_of_year):
        code = ctypes.c_int32(0)
        data = None if region is None else bytes_of(region)
        status = self.lib.idn_resolve_region(data, ctypes.c_size_t(0 if data is None else len(data)),
                                             ctypes.c_int(as_of_year), ctypes.byref(code))
        return {"code": code.value} if status == 0 else {"status": self.status_name(status)}

    def search(self, query):
        data = bytes_of(query)
        cursor = ctypes.c_size_t(0)
        region = Region()
        codes = []
        while self.lib.idn_search_regions(data, ctypes.c_size_t(len(data)), ctypes.byref(cursor),
                                          ctypes.byref(region)) == 1:
            codes.append(region.code)
        return codes


# ---- The scanner (find.json, redact.json) ------------------------------------------
# A case's "options" name the C API's scan options by idn_option_name's
# words, their values by the enumerations' names ("gbk", "low", "token",
# "base32"), a list of idn_keep_t names for "keep", integers for numbers and
# dates (as_of_date YYYYMMDD), text forms for "label" and "key"; any other
# integer is passed as it is (to be refused).

SCAN_OPTIONS = {"encoding": 20, "fifteen_digits": 21, "min_confidence": 22, "as_of_date": 23, "redaction": 24,
                "mask_first": 25, "mask_last": 26, "label": 27, "key": 28, "token_alphabet": 29,
                "token_length": 30, "keep": 31}
SCAN_WORDS = {"encoding": {"utf8": 0, "gbk": 1, "auto": 2},
              "min_confidence": {"low": 1, "medium": 2, "high": 3},
              "redaction": {"mask": 0, "label": 1, "token": 2, "pseudonym": 3},
              "token_alphabet": {"hex": 0, "base32": 1}}
KEEP_FLAGS = {"region": 1, "birth_year": 2, "sex": 4}
FORM_FLAGS = ("fullwidth", "lowercase_x", "separated", "fifteen_digits")
CONFIDENCES = (None, "low", "medium", "high")
SCANNER_SIZE = 16384


def scan_option_names(**words):
    """The names array of the scanner's messages: words (bytes) by the
    corpus's option names ("mask_first"); the rest take the C API's."""
    names = (ctypes.c_char_p * (max(SCAN_OPTIONS.values()) + 1))()
    for option, word in words.items():
        names[SCAN_OPTIONS[option]] = word
    return names


def scan_option_value(name, value):
    """The integer a setter takes for an option's corpus value (not a text)."""
    if isinstance(value, bool):
        return int(value)
    if isinstance(value, list):
        return sum(KEEP_FLAGS[flag] for flag in value)
    if isinstance(value, str):
        return SCAN_WORDS[name][value]
    return value


class Match(ctypes.Structure):
    _fields_ = ([("size", ctypes.c_uint32), ("confidence", ctypes.c_int32), ("form", ctypes.c_int32),
                 ("flaw", ctypes.c_int32)] +
                [(name, ctypes.c_uint64) for name in ("byte_offset", "byte_length", "utf16_offset", "utf16_length",
                                                       "char_offset", "char_length", "line", "column")] +
                [("number", ctypes.c_char * 19), ("keyword", ctypes.c_char_p)] +
                [(name, ctypes.c_int32) for name in ("kind", "sex", "birth_year", "birth_month", "birth_day",
                                                      "region_code")])


class ScanSummary(ctypes.Structure):
    _fields_ = [("size", ctypes.c_uint32), ("reserved", ctypes.c_uint32), ("bytes", ctypes.c_uint64),
                ("matches", ctypes.c_uint64), ("by_confidence", ctypes.c_uint64 * 4), ("plain", ctypes.c_uint64),
                ("by_form", ctypes.c_uint64 * 4)]


def form_of(data):
    """A text form of bytes: the string when they are UTF-8, else hex."""
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return {"hex": data.hex(" ")}


class Scanning:
    """The C API's scanner in the corpus's terms."""

    def __init__(self, lib):
        self.lib = lib
        lib.idn_confidence_name.restype = ctypes.c_char_p
        lib.idn_kind_name.restype = ctypes.c_char_p
        lib.idn_flaw_name.restype = ctypes.c_char_p
        lib.idn_status_name.restype = ctypes.c_char_p
        lib.idn_option_name.restype = ctypes.c_char_p
        lib.idn_scanner_set_integer.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int64]
        lib.idn_scanner_set_text.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_char_p, ctypes.c_size_t]
        lib.idn_scanner_feed.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_size_t, ctypes.c_int]
        lib.idn_scanner_redact.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_size_t, ctypes.c_int,
                                           ctypes.c_char_p, ctypes.c_size_t, ctypes.POINTER(ctypes.c_size_t)]
        lib.idn_scanner_redact_number.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_size_t,
                                                  ctypes.c_char_p, ctypes.c_size_t, ctypes.POINTER(ctypes.c_size_t)]

    def _prepared(self, options, names=None):
        """A prepared scanner, or the refusal as an expect object, its
        message naming the options by `names` (scan_option_names)."""
        scanner = (ctypes.c_uint64 * (SCANNER_SIZE // 8))()
        assert self.lib.idn_scanner_init(scanner, ctypes.c_size_t(SCANNER_SIZE)) == 0
        keep = []
        for name, value in options.items():
            option = SCAN_OPTIONS[name]
            if name in ("label", "key"):
                data = bytes_of(value)
                keep.append(data)
                assert self.lib.idn_scanner_set_text(scanner, option, data, len(data)) == 0
            else:
                assert self.lib.idn_scanner_set_integer(scanner, option, scan_option_value(name, value)) == 0
        status = self.lib.idn_scanner_prepare(scanner)
        if status == 0:
            return scanner, None
        refused_status, refused_option = ctypes.c_int32(), ctypes.c_int32()
        self.lib.idn_scanner_refusal(scanner, ctypes.byref(refused_status), ctypes.byref(refused_option))
        message = ctypes.create_string_buffer(1024)
        self.lib.idn_scanner_message(scanner, names, ctypes.c_size_t(len(names) if names is not None else 0),
                                     message, ctypes.c_size_t(1024), None)
        return None, {"status": self.lib.idn_status_name(status).decode(),
                      "option": self.lib.idn_option_name(refused_option.value).decode(),
                      "message": message.value.decode("utf-8")}

    def _match(self, m):
        valid = m.confidence >= 2
        return {"byte_offset": m.byte_offset, "byte_length": m.byte_length, "utf16_offset": m.utf16_offset,
                "utf16_length": m.utf16_length, "char_offset": m.char_offset, "char_length": m.char_length,
                "line": m.line, "column": m.column, "number": m.number.decode(),
                "form": [flag for i, flag in enumerate(FORM_FLAGS) if m.form & (1 << i)],
                "confidence": CONFIDENCES[m.confidence],
                "flaw": self.lib.idn_flaw_name(m.flaw).decode() if m.flaw else None,
                "keyword": m.keyword.decode("utf-8") if m.keyword else None,
                "kind": self.lib.idn_kind_name(m.kind).decode() if valid else None,
                "sex": ("male" if m.sex == 1 else "female") if valid else None,
                "birth_date": f"{m.birth_year:04d}{m.birth_month:02d}{m.birth_day:02d}" if valid else None,
                "region_code": m.region_code if valid else None}

    def refusal(self, options, names=None):
        """The refusal of the options as an expect object, or None."""
        return self._prepared(options, names)[1]

    def find(self, data, options, piece=0, names=None):
        """The matches of a text given whole (piece 0) or in pieces."""
        scanner, refusal = self._prepared(options, names)
        if refusal is not None:
            return refusal
        parts = [data] if piece == 0 else [data[i:i + piece] for i in range(0, len(data), piece)]
        matches = []
        for i, part in enumerate(parts + [b""]):
            assert self.lib.idn_scanner_feed(scanner, part, len(part), int(i == len(parts))) == 0
            while True:
                m = Match(size=ctypes.sizeof(Match))
                found = self.lib.idn_scanner_next(scanner, ctypes.byref(m))
                assert found >= 0, found
                if found == 0:
                    break
                matches.append(self._match(m))
        return {"matches": matches}

    def redact(self, data, options, piece=0, names=None):
        """The redacted text and the summary, or the refusal."""
        scanner, refusal = self._prepared(options, names)
        if refusal is not None:
            return refusal
        parts = [data] if piece == 0 else [data[i:i + piece] for i in range(0, len(data), piece)]
        out = bytearray()
        for i, part in enumerate(parts + [b""]):
            room = 5 * (len(part) + 4096 + 256) + 1
            buffer = ctypes.create_string_buffer(room)
            written = ctypes.c_size_t()
            status = self.lib.idn_scanner_redact(scanner, part, len(part), int(i == len(parts)), buffer, room,
                                                 ctypes.byref(written))
            assert status == 0, status
            out += buffer.raw[:written.value]
        summary = ScanSummary(size=ctypes.sizeof(ScanSummary))
        assert self.lib.idn_scanner_summary(scanner, ctypes.byref(summary)) == 0
        return {"output": form_of(bytes(out)),
                "summary": {"matches": summary.matches,
                            "by_confidence": {CONFIDENCES[i]: summary.by_confidence[i] for i in (1, 2, 3)},
                            "plain": summary.plain,
                            "by_form": {flag: summary.by_form[i] for i, flag in enumerate(FORM_FLAGS)}}}

    def redact_number(self, data, options):
        scanner, refusal = self._prepared(options)
        if refusal is not None:
            return refusal
        out = ctypes.create_string_buffer(65)
        written = ctypes.c_size_t()
        status = self.lib.idn_scanner_redact_number(scanner, data, len(data), out, 65, ctypes.byref(written))
        if status != 0:
            return {"status": self.lib.idn_status_name(status).decode()}
        return {"output": form_of(out.raw[:written.value])}


# ---- What the SQL faces share for the scanner --------------------------------------
# idn_find, idn_redact and idn_redact_number of SQLite, PostgreSQL and MariaDB
# take the scan's options by SQL names and words (databases/sql_scan_words.h):
# as_of a date 'YYYY-MM-DD' for the C API's as_of_date, the others by the
# corpus's words and names; keep a list of words ('region,sex'); fifteen_digits
# 1 or 0. A match is a row whose start and length count the host's units from 1.

SQL_SCAN_NAMES = (ctypes.c_char_p * (max(SCAN_OPTIONS.values()) + 1))()
SQL_SCAN_NAMES[SCAN_OPTIONS["as_of_date"]] = b"as_of"
SQL_SEX = {"male": "男", "female": "女"}


def sql_scan_name(option):
    return "as_of" if option == "as_of_date" else option


def sql_scan_options(options):
    """The case's options as SQL gives them: [(name, value)] in the case's
    order (label and key as bytes), and None; or, where SQL cannot give a
    value as the corpus does (an integer where SQL takes a word, a date that
    no calendar has), the pairs with that value as SQL would write it and
    (start, end) of the SQL face's own refusal, which the library never
    sees."""
    pairs, refusal = [], None
    for option, value in options.items():
        name = sql_scan_name(option)
        if option == "as_of_date":
            text = f"{value // 10000:04d}-{value // 100 % 100:02d}-{value % 100:02d}"
            try:
                datetime.date(value // 10000, value // 100 % 100, value % 100)
            except ValueError:
                refusal = (f"as_of {text} is no calendar date", "")
            pairs.append((name, text))
        elif option in ("label", "key"):
            pairs.append((name, bytes_of(value)))
        elif option == "fifteen_digits":
            pairs.append((name, int(value)))
        elif option == "keep":
            if isinstance(value, list):
                pairs.append((name, ",".join(value)))
            else:
                pairs.append((name, str(value)))
                refusal = (f"{name}: must be a list of ", f", not {value}")
        elif option in SCAN_WORDS:
            if isinstance(value, str):
                pairs.append((name, value))
            else:
                pairs.append((name, str(value)))
                refusal = (f"{name}: must be ", f", not {value}")
        else:
            pairs.append((name, value))
    return pairs, refusal


def sql_find_row(match, unit="char"):
    """The SQL row of a corpus match: start and length in characters or in
    bytes (unit "byte"), the other columns by their SQL names (birth_date
    'YYYY-MM-DD', sex in Chinese); without the region fields."""
    valid = match["confidence"] in ("medium", "high")
    date = match["birth_date"]
    return {"start": match[f"{unit}_offset"] + 1, "length": match[f"{unit}_length"], "line_number": match["line"],
            "column_number": match["column"], "number": match["number"], "form": match["form"],
            "confidence": match["confidence"], "flaw": match["flaw"], "keyword": match["keyword"],
            "kind": match["kind"], "birth_date": f"{date[:4]}-{date[4:6]}-{date[6:]}" if valid else None,
            "sex": SQL_SEX[match["sex"]] if valid else None, "region_code": match["region_code"]}


def summary_of(rows):
    """A redaction's summary from the rows of idn_find with the same options
    (each with "confidence" and "form"): what SQL counts with GROUP BY."""
    return {"matches": len(rows),
            "by_confidence": {level: sum(row["confidence"] == level for row in rows) for level in CONFIDENCES[1:]},
            "plain": sum(not row["form"] for row in rows),
            "by_form": {flag: sum(flag in row["form"] for row in rows) for flag in FORM_FLAGS}}
