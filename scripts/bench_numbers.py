#!/usr/bin/env python3
"""Writes a file of identity numbers for timing `idtool verify`: about 70%
valid numbers of the table's county-level regions, born 1950-2009, and the
rest spread evenly over the four refusals (a wrong length, a non-digit, a
wrong check character, a date beyond the limits with the right check
character). The same seed gives the same file."""
import argparse
import datetime
import pathlib
import random
import sys

WEIGHTS = (7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2)
CHECK_CHARACTERS = "10X98765432"
REGIONS_FILE = pathlib.Path(__file__).resolve().parent.parent / "data" / "regions-2009.tsv"


def weighted(digits, offset):
    """The part of the weighted sum that `digits` at `offset` contribute."""
    return sum(int(d) * WEIGHTS[offset + i] for i, d in enumerate(digits))


def parts():
    """(text, weighted sum) of every region code, birth date and sequence number."""
    codes = []
    for row in REGIONS_FILE.read_text(encoding="utf-8").splitlines():
        code = row.split("\t")[1]
        if not code.endswith("00"):  # county level: no city-level record
            codes.append((code, weighted(code, 0)))
    dates = []
    day = datetime.date(1950, 1, 1)
    while day.year < 2010:
        text = day.strftime("%Y%m%d")
        dates.append((text, weighted(text, 6)))
        day += datetime.timedelta(days=1)
    sequences = [(f"{s:03d}", weighted(f"{s:03d}", 14)) for s in range(999)]
    return codes, dates, sequences


def corrupt(number, kind, rng):
    """A refused variant of a valid number: kind 0 length, 1 character, 2 check, 3 date."""
    if kind == 0:
        cut = rng.randrange(3)
        return number[:17] if cut == 0 else number + "7" if cut == 1 else number[:15]
    if kind == 1:
        if rng.randrange(2):
            return number[:17] + "x"
        at = rng.randrange(17)
        return number[:at] + "a" + number[at + 1:]
    if kind == 2:
        right = CHECK_CHARACTERS.index(number[17])
        return number[:17] + CHECK_CHARACTERS[(right + 1 + rng.randrange(10)) % 11]
    # A year after 2100, a month 13-99 or a day 32-99, with its own check character.
    field = rng.randrange(3)
    if field == 0:
        stem = number[:6] + str(rng.randrange(2100, 10000)) + number[10:17]
    elif field == 1:
        stem = number[:10] + str(rng.randrange(13, 100)) + number[12:17]
    else:
        stem = number[:12] + str(rng.randrange(32, 100)) + number[14:17]
    return stem + CHECK_CHARACTERS[weighted(stem, 0) % 11]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--count", type=int, default=10_000_000)
    parser.add_argument("--seed", type=int, default=8)
    parser.add_argument("output", type=pathlib.Path)
    arguments = parser.parse_args()

    rng = random.Random(arguments.seed)
    codes, dates, sequences = parts()
    chunk = 100_000
    with arguments.output.open("w", encoding="ascii", newline="\n") as out:
        left = arguments.count
        while left > 0:
            n = min(chunk, left)
            left -= n
            lines = []
            for (code, a), (date, b), (sequence, c), draw in zip(
                rng.choices(codes, k=n), rng.choices(dates, k=n), rng.choices(sequences, k=n),
                rng.choices(range(40), k=n)
            ):
                number = code + date + sequence + CHECK_CHARACTERS[(a + b + c) % 11]
                # 28 of 40 valid, 3 of 40 for each refusal.
                lines.append(number if draw < 28 else corrupt(number, (draw - 28) // 3, rng))
            lines.append("")
            out.write("\n".join(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main())
