#!/usr/bin/env python3
"""The conformance corpus (tests/conformance) through idtool's command line:
verify records of every case a line can hold, generate's numbers and
refusals, masks, upgrades, the history's fields, regions and the lines idtool
reads from whole files. Each failure is named "idtool <section>/<id>".

  run_conformance.py --program build/release/idtool [--library LIBIDNUMBER.so]

The library (ctypes) words the refusals in idtool's own option names, so that
a refusal's message is checked whole.
"""

import argparse
import json
import re
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "conformance"))
import corpus  # noqa: E402

IDTOOL_NAMES = dict(region=b"--region", birth=b"--birth", born_from=b"--born-between", born_to=b"--born-between",
                    sex=b"--sex", count=b"--count", seed=b"--seed", as_of_year=b"--as-of", year_limit=b"--year-limit")
ARGUMENT_LIMIT = 100_000  # an argument longer than Linux takes (128 KiB) is no command line


class Run:
    def __init__(self, program, api):
        self.program = program
        self.api = api
        self.failures = []
        self.checked = 0

    def check(self, section, case, what, actual, expected):
        self.checked += 1
        if actual != expected:
            self.failures.append(f"idtool {section}/{case['id']}: {what}: {actual!r} != {expected!r}")

    def idtool(self, args, data=b""):
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            result = subprocess.run([self.program] + args, input=data, stdout=out, stderr=err)
            out.seek(0)
            err.seek(0)
            return result.returncode, out.read(), err.read()


def verify_records(run, lines):
    """The records idtool verify writes for `lines`, without their line numbers."""
    status, out, err = run.idtool(["verify", "--format", "jsonl", "--jobs", "1"], b"".join(l + b"\n" for l in lines))
    assert status in (0, 1), err
    records = [json.loads(line) for line in out.decode("utf-8").splitlines()]
    for record in records:
        del record["line"]
    return records


def run_verify(run):
    cases = [c for c in corpus.load("verify") if "year_limit" not in c]
    usable = []
    for case in cases:
        data = corpus.bytes_of(case["input"])
        # A line holds no LF; a CR before the LF would be the line's end.
        if b"\n" in data or data.endswith(b"\r"):
            continue
        usable.append((case, data))
    # A first line starting with a byte-order mark would lose it: the file
    # starts with a plain number.
    records = verify_records(run, [b"11010519491231002X"] + [data for _, data in usable])[1:]
    for (case, _), record in zip(usable, records):
        expect = {key: value for key, value in case["expect"].items() if key not in ("length", "birth_day")}
        run.check("verify", case, "record", record, expect)
    run.check("verify", {"id": "(count)"}, "records", len(records), len(usable))


def generate_args(options):
    """idtool generate's arguments for the case's options, or None where a
    command line cannot say them (no region, a NUL, too long)."""
    args = [b"generate"]
    if options.get("region") is None:
        return None
    pairs = [(b"--region", options["region"])]
    if "birth" in options:
        pairs.append((b"--birth", options["birth"]))
    if "born_from" in options or "born_to" in options:
        if "born_from" not in options or "born_to" not in options:
            return None  # the option takes both ends
        args += [b"--born-between", corpus.bytes_of(options["born_from"]), corpus.bytes_of(options["born_to"])]
    for name, key in ((b"--sex", "sex"), (b"--count", "count"), (b"--seed", "seed")):
        if key in options:
            pairs.append((name, options[key]))
    if options.get("as_of_year"):
        pairs.append((b"--as-of", str(options["as_of_year"])))
    for name, value in pairs:
        args += [name, corpus.bytes_of(value)]
    if any(b"\0" in arg or len(arg) > ARGUMENT_LIMIT for arg in args):
        return None
    return args


def run_generate(run):
    names = corpus.option_names(**IDTOOL_NAMES)
    for case in corpus.load("generate"):
        options = case["options"]
        if options.get("year_limit"):
            continue  # idtool's limit is the clock's year
        args = generate_args(options)
        if args is None:
            continue
        status, out, err = run.idtool(args)
        expect = case["expect"]
        if "numbers" in expect:
            run.check("generate", case, "numbers", out.decode().split(), expect["numbers"])
            run.check("generate", case, "status", status, 0)
            warning = expect.get("warning")
            run.check("generate", case, "warning", err.decode("utf-8"),
                      f"idtool: generate: warning: {warning}\n" if warning else "")
            continue
        run.check("generate", case, "status", status, 2)
        message = err.decode("utf-8")
        if expect["option"] in ("sex", "count", "seed", "as_of_year") and "(see idtool --help)" in message:
            # Refused by the command line's own reading of the option.
            run.check("generate", case, "option named", IDTOOL_NAMES[expect["option"]].decode() in message, True)
            continue
        worded = run.api.generate(options, names)
        run.check("generate", case, "message", worded["message"] in message, True)


def run_mask_and_upgrade(run):
    for case in corpus.load("mask"):
        data = corpus.bytes_of(case["input"])
        if len(data) > 64 or b"\n" in data or b"\r" in data or not corpus.is_text(case["input"]):
            continue  # the record's input field masks what it holds of a line
        status, out, _ = run.idtool(["--mask", "verify", "--format", "jsonl", "--no-history"],
                                    b"11010519491231002X\n" + data + b"\n")
        record = json.loads(out.decode("utf-8").splitlines()[1])
        run.check("mask", case, "masked input", record["input"].encode("utf-8"), corpus.bytes_of(case["expect"]))
    for case in corpus.load("upgrade"):
        data = corpus.bytes_of(case["input"])
        if b"\n" in data or len(data) > ARGUMENT_LIMIT:
            continue
        status, out, err = run.idtool(["upgrade"], data + b"\n")
        if "number" in case["expect"]:
            run.check("upgrade", case, "number", out.decode().strip(), case["expect"]["number"])
        else:
            run.check("upgrade", case, "refused", (status, out), (1, b""))


def valid_number(code, year="1990"):
    stem = f"{code:06d}{year}0101001"
    weights = [7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2]
    return stem + "10X98765432"[sum(int(d) * w for d, w in zip(stem, weights)) % 11]


def run_history_and_regions(run):
    cases = [c for c in corpus.load("history") if "year" not in c]
    records = verify_records(run, [valid_number(c["code"]).encode() for c in cases])
    for case, record in zip(cases, records):
        actual = {key: record[key] for key in ("code_status", "history", "successors", "now")}
        run.check("history", case, "fields", actual, case["expect"])
    births = [c for c in corpus.load("history") if "year" in c and 1000 <= c["year"] <= 2024]
    records = verify_records(run, [valid_number(c["code"], str(c["year"])).encode() for c in births])
    for case, record in zip(births, records):
        run.check("history", case, "in_use_at_birth", record["in_use_at_birth"], case["expect"]["in_use_at_birth"])
    for case in corpus.load("regions"):
        if "query" in case:
            status, out, _ = run.idtool(["regions", "--format", "jsonl", corpus.bytes_of(case["query"])])
            codes = [json.loads(line)["code"] for line in out.decode("utf-8").splitlines()]
            run.check("regions", case, "codes", [int(code) for code in codes], case["expect"]["codes"])
            continue
        options = {"region": case["region"], "birth": "19800101", "seed": "1"}
        if case.get("as_of_year"):
            options["as_of_year"] = case["as_of_year"]
        args = generate_args(options)
        if args is None:
            continue
        status, out, _ = run.idtool(args)
        if "code" in case["expect"]:
            run.check("regions", case, "code", out[:6].decode(), f"{case['expect']['code']:06d}")
        else:
            run.check("regions", case, "refused", status, 2)


WORD_OPTIONS = {"encoding": "--input-encoding", "min_confidence": "--min-confidence"}
SEX_TEXTS = {"male": "男", "female": "女"}


def scan_args(options):
    """find's and redact's arguments for a case's scan options, or None where
    the command line cannot say them (an integer where a word is asked)."""
    args = ["--as-of", f"{options['as_of_date']:08d}"] if options.get("as_of_date", 0) >= 10101 else None
    if args is None:
        return None
    for key, name in WORD_OPTIONS.items():
        if key in options:
            if not isinstance(options[key], str):
                return None
            args += [name, options[key]]
    if options.get("fifteen_digits"):
        args.append("--fifteen-digits")
    return args


def scanned_input(data):
    """A file holding the case's bytes, for idtool to read."""
    handle = tempfile.NamedTemporaryFile(delete=False)
    handle.write(data)
    handle.close()
    return handle.name


def run_find(run):
    for case in corpus.load("find"):
        options, expect = case["options"], case["expect"]
        data = corpus.bytes_of(case["input"])
        if "message" in expect:
            if options.get("as_of_date") is None or not isinstance(options.get("encoding", ""), str) or \
                    not isinstance(options.get("min_confidence", ""), str):
                continue  # a word the command line refuses itself
            status, _, err = run.idtool(["find", "--as-of", str(options["as_of_date"])], data)
            run.check("find", case, "refusal", (status, err.decode("utf-8")),
                      (2, "idtool: find: " + expect["message"].replace("as_of_date", "--as-of") + "\n"))
            continue
        args = scan_args(options)
        if args is None:
            continue
        name = scanned_input(data)
        try:
            status, out, err = run.idtool(["find", "--format", "jsonl"] + args + [name])
        finally:
            Path(name).unlink()
        records = [json.loads(line) for line in out.decode("utf-8").splitlines()]
        run.check("find", case, "status", status, 0 if expect["matches"] else 1)
        actual = [{key: record[key] for key in ("byte_offset", "byte_length", "length", "line", "column", "number",
                                                "form", "confidence", "keyword", "kind", "sex", "birth_date",
                                                "region_code")} for record in records]
        wanted = []
        for match in expect["matches"]:
            valid = match["confidence"] != "low"
            wanted.append({"byte_offset": match["byte_offset"], "byte_length": match["byte_length"],
                           "length": match["char_length"], "line": match["line"], "column": match["column"],
                           "number": match["number"], "form": ",".join(match["form"]) or "plain",
                           "confidence": match["confidence"], "keyword": match["keyword"],
                           "kind": match.get("kind") if valid else None,
                           "sex": SEX_TEXTS[match["sex"]] if valid else None,
                           "birth_date": match.get("birth_date") if valid else None,
                           "region_code": match.get("region_code")})
        run.check("find", case, "matches", actual, wanted)


IDTOOL_SCAN_WORDS = {"key": "the key (--key-file or --key-env)", "redaction": "--way", "mask_first": "--mask-keep FIRST",
                     "mask_last": "--mask-keep LAST", "label": "--label", "token_length": "--token-length",
                     "token_alphabet": "--token-alphabet", "keep": "--keep", "as_of_date": "--as-of",
                     "encoding": "--input-encoding", "min_confidence": "--min-confidence"}


def redact_args(options, key_file):
    """redact's arguments for a case's options, or None where the command line
    cannot say them."""
    args = scan_args(options)
    if args is None:
        return None
    if "redaction" in options:
        if not isinstance(options["redaction"], str):
            return None
        args += ["--way", options["redaction"]]
    if "mask_first" in options or "mask_last" in options:
        args += ["--mask-keep", f"{options.get('mask_first', 6)},{options.get('mask_last', 4)}"]
    if "label" in options:
        label = corpus.bytes_of(options["label"])
        if b"\0" in label:
            return None
        args += [b"--label", label]
    for key, name in (("token_alphabet", "--token-alphabet"), ("token_length", "--token-length")):
        if key in options:
            args += [name, str(options[key])]
    if "keep" in options:
        if not isinstance(options["keep"], list):
            return None
        args += ["--keep", ",".join(options["keep"]) or "none"]
    if "key" in options:
        key = corpus.bytes_of(options["key"])
        if key.endswith(b"\n"):
            return None  # a key file's final line end is no part of its key
        Path(key_file).write_bytes(key)
        args += ["--key-file", key_file]
    return [arg if isinstance(arg, bytes) else arg.encode() for arg in args]


def summary_line(summary):
    confidence, form = summary["by_confidence"], summary["by_form"]
    return (f"idtool: redact: {summary['matches']} replaced: {confidence['low']} low, {confidence['medium']} medium, "
            f"{confidence['high']} high; {summary['plain']} plain, {form['fullwidth']} fullwidth, "
            f"{form['lowercase_x']} lowercase_x, {form['separated']} separated, "
            f"{form['fifteen_digits']} fifteen_digits; ")


def idtool_message(message):
    words = "|".join(sorted(IDTOOL_SCAN_WORDS, key=len, reverse=True))
    return re.sub(rf"\b({words})\b", lambda match: IDTOOL_SCAN_WORDS[match.group(1)], message)


def run_redact(run):
    with tempfile.TemporaryDirectory() as folder:
        key_file = str(Path(folder) / "key")
        for case in corpus.load("redact"):
            if "number" in case:
                continue  # one number held alone: the C API's, not a text's
            options, expect = case["options"], case["expect"]
            args = redact_args(options, key_file)
            if args is None:
                continue
            status, out, err = run.idtool([b"redact", b"--summary"] + args, corpus.bytes_of(case["input"]))
            if "message" in expect:
                run.check("redact", case, "refusal", (status, out, err.decode("utf-8")),
                          (2, b"", "idtool: redact: " + idtool_message(expect["message"]) + "\n"))
                continue
            run.check("redact", case, "output", (status, out), (0, corpus.bytes_of(expect["output"])))
            if "summary" in expect:
                run.check("redact", case, "summary", err.decode("utf-8").startswith(summary_line(expect["summary"])),
                          True)


def run_lines(run):
    for case in corpus.load("lines"):
        run.check("lines", case, "reading", corpus.idtool_reading(run.program, case), case["expect"])


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True)
    parser.add_argument("--library")
    options = parser.parse_args()
    run = Run(options.program, corpus.library(options.library))
    for step in (run_verify, run_generate, run_mask_and_upgrade, run_history_and_regions, run_lines, run_find, run_redact):
        step(run)
    for failure in run.failures:
        print("FAIL", failure)
    print(f"idtool conformance: {run.checked - len(run.failures)} passed, {len(run.failures)} failed")
    return 1 if run.failures else 0


if __name__ == "__main__":
    sys.exit(main())
