"""Times, in one run on one table, the count of invalid numbers by the
extension and by plain SQL as people write it today (substr and the weighted
sum for the check character, then the month and day limits and the year).
Both counts must agree before any time is taken.

Usage (Debian's Python, which can load extensions):
    /usr/bin/python3 databases/sqlite/bench.py EXTENSION NUMBERS_FILE [--repeat N]
scripts/bench_sqlite.sh builds the extension and writes the file.
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


def timed(db, query, repeat):
    times, counts = [], set()
    for _ in range(repeat):
        start = time.perf_counter()
        counts.add(db.execute(query).fetchone()[0])
        times.append(time.perf_counter() - start)
    assert len(counts) == 1, counts
    return counts.pop(), statistics.median(times)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("extension")
    parser.add_argument("numbers")
    parser.add_argument("--repeat", type=int, default=5)
    arguments = parser.parse_args()

    db = sqlite3.connect(":memory:")
    db.enable_load_extension(True)
    db.load_extension(arguments.extension)
    db.execute("CREATE TABLE numbers(id TEXT)")
    with open(arguments.numbers, encoding="ascii") as lines:
        db.executemany("INSERT INTO numbers VALUES (?)", ((line.rstrip("\n"),) for line in lines))
    rows = db.execute("SELECT count(*) FROM numbers").fetchone()[0]

    extension_count, extension_time = timed(db, EXTENSION_QUERY, arguments.repeat)
    plain_count, plain_time = timed(db, PLAIN_QUERY, arguments.repeat)
    if extension_count != plain_count:
        raise SystemExit(f"the counts differ: idn_valid {extension_count}, plain SQL {plain_count}")
    print(f"SQLite {sqlite3.sqlite_version}, {rows} rows, {extension_count} invalid; median of {arguments.repeat} runs")
    print(f"| `WHERE NOT idn_valid(id)` | {extension_time * 1000:.0f} ms | {extension_time * 1e9 / rows:.0f} ns |")
    print(f"| plain SQL: substr, weighted sum, date limits | {plain_time * 1000:.0f} ms | {plain_time * 1e9 / rows:.0f} ns |")
    print(f"plain SQL / idn_valid: {plain_time / extension_time:.1f}x")


if __name__ == "__main__":
    main()
