"""Times, in one run on one table, the count of invalid numbers by the
extension and by plain SQL as people write it today (substr and the weighted
sum for the check character, then the month and day limits and the year).
Both counts must agree before any time is taken.

With --texts, also a column of short texts (scripts/make_scan_rows.py)
through idn_redact and idn_find, beside the floor of reading each text's
length: per row, the mask, the token, idn_find's rows, and the mask with
options that change from row to row, which costs a scanner's setup per row
where the others restart the connection's prepared one. The mask keeps
every text's length, which is checked first.

Usage (Debian's Python, which can load extensions):
    /usr/bin/python3 databases/sqlite/bench.py EXTENSION NUMBERS_FILE [--texts FILE] [--repeat N]
scripts/bench_sqlite.sh builds the extension and writes the files.
"""
import argparse
import sqlite3
import statistics
import time

WEIGHTS = (7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2)

EXTENSION_QUERY = "SELECT count(*) FROM numbers WHERE NOT idn_valid(id)"

# The rules as idn_valid applies them: 18 characters, 17 digits and a digit
# or X, the check character, a year not after this one, a month not above 12
# and a day not above 31.
WEIGHTED_SUM = " + ".join(f"substr(id, {i + 1}, 1) * {w}" for i, w in enumerate(WEIGHTS))
PLAIN_QUERY = f"""
SELECT count(*) FROM numbers WHERE NOT (
    length(id) = 18
    AND id GLOB '{'[0-9]' * 17}[0-9X]'
    AND substr('10X98765432', ({WEIGHTED_SUM}) % 11 + 1, 1) = substr(id, 18, 1)
    AND CAST(substr(id, 7, 4) AS INTEGER) <= CAST(strftime('%Y', 'now', 'localtime') AS INTEGER)
    AND CAST(substr(id, 11, 2) AS INTEGER) <= 12
    AND CAST(substr(id, 13, 2) AS INTEGER) <= 31
)"""


KEY = bytes(range(32))
SCAN_QUERIES = (
    ("floor: `sum(length(note))`", "SELECT sum(length(note)) FROM notes"),
    ("`idn_redact(note)`, mask", "SELECT sum(length(idn_redact(note))) FROM notes"),
    ("`idn_redact(note, 'token', ?)`", "SELECT sum(length(idn_redact(note, 'token', ?1))) FROM notes"),
    ("`idn_find(note)`, its rows counted", "SELECT count(*) FROM notes, idn_find(notes.note)"),
    ("mask, `mask_first` changing every row (a setup per row)",
     "SELECT sum(length(idn_redact(note, 'mask', NULL, 'mask_first', rowid % 2 + 5))) FROM notes"),
)


def timed(db, query, repeat, parameters=()):
    """The count, and the median wall-clock and CPU seconds of the runs (CPU
    time stays near the truth on a machine shared with other jobs)."""
    walls, cpus, counts = [], [], set()
    for _ in range(repeat):
        wall, cpu = time.perf_counter(), time.process_time()
        counts.add(db.execute(query, parameters[:query.count("?")]).fetchone()[0])
        walls.append(time.perf_counter() - wall)
        cpus.append(time.process_time() - cpu)
    assert len(counts) == 1, counts
    return counts.pop(), statistics.median(walls), statistics.median(cpus)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("extension")
    parser.add_argument("numbers")
    parser.add_argument("--texts", help="short texts, one a line, for idn_redact and idn_find")
    parser.add_argument("--repeat", type=int, default=5)
    arguments = parser.parse_args()

    db = sqlite3.connect(":memory:")
    db.enable_load_extension(True)
    db.load_extension(arguments.extension)
    db.execute("CREATE TABLE numbers(id TEXT)")
    with open(arguments.numbers, encoding="ascii") as lines:
        db.executemany("INSERT INTO numbers VALUES (?)", ((line.rstrip("\n"),) for line in lines))
    rows = db.execute("SELECT count(*) FROM numbers").fetchone()[0]

    extension_count, *extension = timed(db, EXTENSION_QUERY, arguments.repeat)
    plain_count, *plain = timed(db, PLAIN_QUERY, arguments.repeat)
    if extension_count != plain_count:
        raise SystemExit(f"the counts differ: idn_valid {extension_count}, plain SQL {plain_count}")
    print(f"SQLite {sqlite3.sqlite_version}, {rows} rows, {extension_count} invalid; median of {arguments.repeat} runs")
    print("| Query | Wall clock | CPU time | CPU ns per row |")
    print("|---|---|---|---|")
    for name, (wall, cpu) in (("`WHERE NOT idn_valid(id)`", extension),
                              ("plain SQL: `substr`, weighted sum, date limits", plain)):
        print(f"| {name} | {wall * 1000:.0f} ms | {cpu * 1000:.0f} ms | {cpu * 1e9 / rows:.0f} |")
    print(f"| plain SQL / idn_valid | {plain[0] / extension[0]:.1f}x | {plain[1] / extension[1]:.1f}x | |")
    if arguments.texts:
        scan_texts(db, arguments.texts, arguments.repeat)


def scan_texts(db, path, repeat):
    db.execute("CREATE TABLE notes(note TEXT)")
    with open(path, encoding="utf-8") as lines:
        db.executemany("INSERT INTO notes VALUES (?)", ((line.rstrip("\n"),) for line in lines))
    rows, length, masked = db.execute("SELECT count(*), sum(length(note)), sum(length(idn_redact(note)))"
                                      " FROM notes").fetchone()
    if length != masked:
        raise SystemExit(f"the mask changed the texts' length: {length} characters, {masked} masked")
    found = db.execute("SELECT count(*) FROM notes, idn_find(notes.note)").fetchone()[0]
    print()
    print(f"{rows} texts of {length / rows:.0f} characters on average, {found} numbers found; median of {repeat} runs")
    print("| Query | Wall clock | CPU time | CPU ns per row |")
    print("|---|---|---|---|")
    for name, query in SCAN_QUERIES:
        _, wall, cpu = timed(db, query, repeat, (KEY,))
        print(f"| {name} | {wall * 1000:.0f} ms | {cpu * 1000:.0f} ms | {cpu * 1e9 / rows:.0f} |")


if __name__ == "__main__":
    main()
