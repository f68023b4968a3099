#!/usr/bin/env bash
# The SQLite extension against plain SQL, in one run on one table: builds the
# extension (release preset), writes 10^6 numbers with bench_numbers.py (about
# 70% valid, the same file every run) into a temporary folder, loads them
# into an in-memory table and times `SELECT count(*) ... WHERE NOT
# idn_valid(id)` and the same count in plain SQL (databases/sqlite/bench.py,
# Debian's Python): the median of --runs runs each, after checking that both
# count the same numbers; then 10^6 short texts (make_scan_rows.py) through
# idn_redact and idn_find beside the floor of reading them. Prints Markdown
# table rows.
#
#   scripts/bench_sqlite.sh [--lines N] [--runs N]
set -eu
cd "$(dirname "$0")/.."

lines=1000000
runs=5
while [ $# -gt 0 ]; do
    case "$1" in
    --lines) lines=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: $0 [--lines N] [--runs N]" >&2; exit 2 ;;
    esac
done

cmake --preset release >/dev/null
cmake --build --preset release -j 2 --target idnumber_sqlite >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_numbers.py --count "$lines" "$work/numbers.txt"
python3 scripts/make_scan_rows.py "$lines" "$work/texts.txt"
/usr/bin/python3 databases/sqlite/bench.py build/release/databases/sqlite/idnumber.so "$work/numbers.txt" \
    --texts "$work/texts.txt" --repeat "$runs"
