#!/usr/bin/env bash
# The scanner on a log-like file (scripts/make_scan_log.py, 512 MB by
# default) beside wc -l and ripgrep counting [0-9]{17}[0-9Xx] (the regex
# that finds neither full-width nor grouped numbers and checks nothing):
# bench/scan_count.c counts the numbers through the C API's static library
# of the release preset, one thread, as `idtool find --count` will. Timed by
# hyperfine (Debian's hyperfine; ripgrep is Debian's ripgrep).
#
#   scripts/bench_scan.sh [MEGABYTES]
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-512}
cmake --preset release >/dev/null
cmake --build --preset release --target idnumber_static >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 scripts/make_scan_log.py "$megabytes" "$work/log.txt"
cc -O2 -std=c99 -Wall -Wextra -Icapi bench/scan_count.c build/release/capi/libidnumber.a -lcrypto -lstdc++ -lm \
    -o "$work/scan_count"
echo "numbers found by the scanner: $("$work/scan_count" "$work/log.txt"); lines matching the regex:" \
    "$(rg -c '[0-9]{17}[0-9Xx]' "$work/log.txt")"
hyperfine --warmup 1 --runs 5 --export-markdown "$work/times.md" \
    "wc -l $work/log.txt" "rg -c '[0-9]{17}[0-9Xx]' $work/log.txt" "$work/scan_count $work/log.txt" >/dev/null
sed "s|$work/||g" "$work/times.md"
