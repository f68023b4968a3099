#!/usr/bin/env python3
"""Scores the scanner against the labelled set of scripts/make_scan_corpus.py,
beside the plain regular expression [0-9]{17}[0-9Xx] (what ripgrep counts)
and the same with ASCII boundaries: precision and recall at each confidence
(high; medium or higher; low or higher), recall by form, what is found
inside a longer run, and every false positive named by the look-alike it
is (a look-alike that is itself a valid number is one).

  scripts/score_scan.py DIR [--library build/release/capi/libidnumber.so]
                            [--matches FILE] [--json]

DIR holds scan_corpus.txt and scan_labels.jsonl. The scanner runs through
the C API (ctypes) with as_of_date 20240630 and min_confidence low, once
without and once with fifteen_digits (15-digit numbers count as planted in
the second run only). --matches FILE scores instead the matches a face
wrote, one JSON object a line with byte_offset, byte_length and confidence
(as idtool find will write them).
"""

import argparse
import bisect
import collections
import json
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "conformance"))
import corpus  # noqa: E402

LEVELS = (("high", {"high"}), ("medium+", {"medium", "high"}), ("low+", {"low", "medium", "high"}))


def scanner_matches(library, data, fifteen):
    scanning = corpus.Scanning(corpus.library(library).lib)
    options = {"as_of_date": 20240630, "min_confidence": "low", "fifteen_digits": fifteen}
    found = scanning.find(data, options, 1 << 16)["matches"]
    return [(m["byte_offset"], m["byte_length"], m["confidence"]) for m in found]


def chance_of_validity(library, count):
    """How many of `count` runs of 18 random digits, and of 18-digit UnionPay
    card numbers (62, 15 random digits, a Luhn digit), the scanner takes for
    valid numbers: the rate at which a look-alike is itself one."""
    import random
    draw = random.Random(18)

    def luhn(body):
        total = sum((d * 2 - 9 if d * 2 > 9 else d * 2) if i % 2 == 0 else d
                    for i, d in enumerate(int(c) for c in reversed(body)))
        return str((10 - total % 10) % 10)

    digits = [f"{draw.randrange(10 ** 18):018d}" for _ in range(count)]
    cards = []
    for _ in range(count):
        body = "62" + f"{draw.randrange(10 ** 15):015d}"
        cards.append(body + luhn(body))
    rates = {}
    for name, runs in (("18 random digits", digits), ("18-digit UnionPay cards", cards)):
        found = scanner_matches(library, " ".join(runs).encode(), False)
        rates[name] = {"runs": count, "valid": sum(1 for _, _, c in found if c != "low"),
                       "shaped (low)": sum(1 for _, _, c in found if c == "low")}
    return rates


def regex_matches(data, pattern):
    return [(m.start(), m.end() - m.start(), "high") for m in re.finditer(pattern, data)]


def score(matches, labels, fifteen):
    """Precision and recall at each level, recall by form, false positives named."""
    numbers = {(l["offset"], l["length"]): l for l in labels
               if l["label"] == "number" and (fifteen or l["type"] != "fifteen_digits")}
    # Every labelled span by its bytes, to name what a match falls on.
    spans = sorted((l["offset"], l["offset"] + l["length"], l) for l in labels)
    starts = [s[0] for s in spans]

    def named(offset, length):
        """What a false match falls on, and whether it lies inside a longer run."""
        i = bisect.bisect_right(starts, offset) - 1
        for j in (i, i + 1):
            if 0 <= j < len(spans) and spans[j][0] < offset + length and offset < spans[j][1]:
                label = spans[j][2]
                inside = spans[j][1] - spans[j][0] > length
                return (label["type"] if label["label"] == "lookalike" else "part of a number: " + label["type"]), inside
        return "unlabelled text", False

    result = {"levels": {}, "planted": len(numbers)}
    high = {(o, n) for o, n, c in matches if c == "high"}
    for level, confidences in LEVELS:
        kept = [(o, n) for o, n, c in matches if c in confidences]
        true = [m for m in kept if m in numbers]
        false = [m for m in kept if m not in numbers]
        by_form = collections.Counter(numbers[m]["type"] for m in true)
        planted_by_form = collections.Counter(l["type"] for l in numbers.values())
        names = [named(o, n) for o, n in false]
        false_named = collections.Counter(name for name, _ in names)
        result["levels"][level] = {
            "found": len(kept), "true": len(true), "false": len(false),
            "precision": len(true) / len(kept) if kept else 1.0,
            "recall": len(true) / len(numbers) if numbers else 1.0,
            "recall_by_form": {form: f"{by_form[form]}/{planted_by_form[form]}" for form in sorted(planted_by_form)},
            "false_positives": dict(false_named.most_common()),
            "inside_a_longer_run": sum(1 for _, inside in names if inside),
            "high_after_a_keyword": f"{sum(1 for m in true if numbers[m]['keyword'] and m in high)}/"
                                    f"{sum(1 for l in numbers.values() if l['keyword'])}",
        }
    return result


def report(name, result):
    print(f"\n## {name} ({result['planted']} planted numbers)\n")
    print("| confidence | found | true | false | precision | recall | inside a longer run |")
    print("|---|---|---|---|---|---|---|")
    for level, figures in result["levels"].items():
        print(f"| {level} | {figures['found']} | {figures['true']} | {figures['false']} | "
              f"{figures['precision']:.4f} | {figures['recall']:.4f} | {figures['inside_a_longer_run']} |")
    for level, figures in result["levels"].items():
        if figures["false_positives"]:
            named = ", ".join(f"{name} {count}" for name, count in figures["false_positives"].items())
            print(f"- false positives at {level}: {named}")
    print(f"- numbers planted after a keyword found high: {result['levels']['medium+']['high_after_a_keyword']}")
    print("- recall by form (medium+): " + ", ".join(
        f"{form} {figures}" for form, figures in result["levels"]["medium+"]["recall_by_form"].items()))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("dir", type=Path)
    parser.add_argument("--library", default=str(ROOT / "build" / "release" / "capi" / "libidnumber.so"))
    parser.add_argument("--matches", type=Path, help="a face's matches, JSON lines")
    parser.add_argument("--json", action="store_true", help="the figures as JSON")
    parser.add_argument("--chance-runs", type=int, default=1000000,
                        help="random 18-digit runs to measure how often one is a valid number")
    options = parser.parse_args()
    data = (options.dir / "scan_corpus.txt").read_bytes()
    labels = [json.loads(line) for line in (options.dir / "scan_labels.jsonl").read_text(encoding="utf-8").splitlines()]
    results = {}
    if options.matches:
        found = [json.loads(line) for line in options.matches.read_text(encoding="utf-8").splitlines() if line]
        results["face"] = score([(m["byte_offset"], m["byte_length"], m["confidence"]) for m in found], labels, False)
    else:
        results["scanner"] = score(scanner_matches(options.library, data, False), labels, False)
        results["scanner, fifteen_digits"] = score(scanner_matches(options.library, data, True), labels, True)
    results["regex [0-9]{17}[0-9Xx]"] = score(regex_matches(data, rb"[0-9]{17}[0-9Xx]"), labels, False)
    results["regex with ASCII boundaries"] = score(
        regex_matches(data, rb"(?<![0-9A-Za-z])[0-9]{17}[0-9Xx](?![0-9A-Za-z])"), labels, False)
    chance = chance_of_validity(options.library, options.chance_runs) if options.chance_runs else {}
    if options.json:
        print(json.dumps({"results": results, "chance_of_validity": chance}, ensure_ascii=False, indent=2))
        return
    print(f"{len(data)} bytes, {sum(1 for l in labels if l['label'] == 'number')} numbers and "
          f"{sum(1 for l in labels if l['label'] == 'lookalike')} look-alikes planted")
    for name, result in results.items():
        report(name, result)
    if chance:
        print("\n## How often a look-alike is itself a valid number\n")
        for name, figures in chance.items():
            print(f"- {name}: {figures['valid']} of {figures['runs']} valid "
                  f"({figures['valid'] / figures['runs']:.2e}), {figures['shaped (low)']} more shaped like one (low)")


if __name__ == "__main__":
    main()
