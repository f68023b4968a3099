#!/usr/bin/env python3
"""Writes the expected answers of the conformance corpus from the library and
idtool as they are now. The inputs, ids and comments are kept; every
"expect" (and "signed_64") is written anew. Review the diff before
committing: the corpus is what every face is held to.

  tests/conformance/update.py [--library build/release/capi/libidnumber.so]
                              [--idtool build/release/idtool] [SECTION ...]
"""

import argparse
import json
import sys
from pathlib import Path

import corpus

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]


def read(section):
    return json.loads((HERE / f"{section}.json").read_text(encoding="utf-8"))


def write(section, entries):
    # One case a line, as the URL tests' data is kept: diffs stay readable.
    lines = ["["]
    for i, entry in enumerate(entries):
        comma = "," if i + 1 < len(entries) else ""
        lines.append("  " + json.dumps(entry, ensure_ascii=False, separators=(", ", ": ")) + comma)
    lines.append("]")
    (HERE / f"{section}.json").write_text("\n".join(lines) + "\n", encoding="utf-8")


def cases(entries):
    return [entry for entry in entries if isinstance(entry, dict)]


def update_verify(api, entries, idtool):
    for case in cases(entries):
        case["expect"] = api.verify(corpus.bytes_of(case["input"]), case.get("year_limit", 0))


def update_generate(api, entries, idtool):
    for case in cases(entries):
        case["expect"] = api.generate(case["options"])
        seed = case["options"].get("seed")
        case.pop("signed_64", None)
        if seed is not None and int(seed) < 0 and int(seed) >= -2**63:
            # Hosts of signed 64-bit integers take a negative seed as the
            # unsigned one of the same bits.
            options = dict(case["options"], seed=str(int(seed) + 2**64))
            case["signed_64"] = api.generate(options)


def update_sex(api, entries, idtool):
    names = {0: "any", 1: "male", 2: "female"}
    for case in cases(entries):
        status, sex = api.parse_sex(corpus.bytes_of(case["word"]))
        case["expect"] = {"sex": names[sex]} if status == 0 else {"status": api.status_name(status)}


def update_mask(api, entries, idtool):
    for case in cases(entries):
        masked = api.mask(corpus.bytes_of(case["input"]))
        case["expect"] = compact(masked)


def compact(data):
    """A text form of bytes: a string when short and UTF-8, runs of '*'
    written as a repeat, so that a mask of 10 MB stays one line."""
    text = data.decode("utf-8")
    if len(text) <= 200:
        return text
    start = text.index("*")
    end = text.rindex("*") + 1
    parts = [part for part in (text[:start], {"repeat": "*", "times": end - start}, text[end:]) if part != ""]
    return {"parts": parts}


def update_upgrade(api, entries, idtool):
    for case in cases(entries):
        case["expect"] = api.upgrade(corpus.bytes_of(case["input"]))


def update_history(api, entries, idtool):
    for case in cases(entries):
        if "year" in case:
            case["expect"] = {"in_use_at_birth": api.in_use_at_birth(case["code"], case["year"])}
        else:
            case["expect"] = api.history(case["code"])


def update_regions(api, entries, idtool):
    for case in cases(entries):
        if "query" in case:
            case["expect"] = {"codes": api.search(case["query"])}
        else:
            case["expect"] = api.resolve(case["region"], case.get("as_of_year", 0))


def update_lines(api, entries, idtool):
    """What idtool verify reads from each file."""
    for case in cases(entries):
        case["expect"] = corpus.idtool_reading(idtool, case)


def update_age(api, entries, idtool):
    for case in cases(entries):
        case["expect"] = api.age(corpus.bytes_of(case["input"]), case["on"], case.get("year_limit", 0))


def update_find(api, entries, idtool):
    scanning = corpus.Scanning(api.lib)
    for case in cases(entries):
        data = corpus.bytes_of(case["input"])
        case["expect"] = scanning.find(data, case["options"])
        for piece in (1, 7):
            if scanning.find(data, case["options"], piece) != case["expect"]:
                raise RuntimeError(f"find/{case['id']}: pieces of {piece} bytes find otherwise")


def update_redact(api, entries, idtool):
    scanning = corpus.Scanning(api.lib)
    for case in cases(entries):
        if "number" in case:
            case["expect"] = scanning.redact_number(corpus.bytes_of(case["number"]), case["options"])
            continue
        data = corpus.bytes_of(case["input"])
        case["expect"] = scanning.redact(data, case["options"])
        for piece in (1, 7):
            if scanning.redact(data, case["options"], piece) != case["expect"]:
                raise RuntimeError(f"redact/{case['id']}: pieces of {piece} bytes redact otherwise")


UPDATERS = {"verify": update_verify, "generate": update_generate, "sex": update_sex, "mask": update_mask,
            "upgrade": update_upgrade, "history": update_history, "regions": update_regions,
            "lines": update_lines, "age": update_age, "find": update_find, "redact": update_redact}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--library", default=str(ROOT / "build/release/capi/libidnumber.so"))
    parser.add_argument("--idtool", default=str(ROOT / "build/release/idtool"))
    parser.add_argument("sections", nargs="*", default=list(corpus.SECTIONS))
    options = parser.parse_args()
    api = corpus.library(options.library)
    for section in options.sections:
        entries = read(section)
        UPDATERS[section](api, entries, options.idtool)
        write(section, entries)
        print(f"{section}: {len(cases(entries))} cases")


if __name__ == "__main__":
    sys.exit(main())
