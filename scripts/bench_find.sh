#!/usr/bin/env bash
# idtool find and redact on a page-cached log-like file (scripts/make_scan_log.py,
# 1024 MB by default) beside wc -l and ripgrep counting [0-9]{17}[0-9Xx] (the
# regex that finds neither full-width nor grouped numbers and checks nothing),
# in one hyperfine run; then the peak memory (GNU time's maximum resident set)
# of find and redact on a file of the same size without a line feed. The
# release preset's idtool: find and redact at one thread and at two; then
# precision and recall of find on the labelled set.
#
#   scripts/bench_find.sh [MEGABYTES] [LOG]    LOG: an existing log to reuse
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-1024}
cmake --preset release >/dev/null
cmake --build --preset release --target idtool >/dev/null
idtool=$PWD/build/release/idtool
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log=${2:-}
if [ -z "$log" ]; then
    log=$work/log.txt
    /usr/bin/python3 scripts/make_scan_log.py "$megabytes" "$log"
fi
cat "$log" >/dev/null  # into the page cache
cmp <("$idtool" find --jobs 1 --format jsonl "$log") <("$idtool" find --jobs 2 --format jsonl "$log") &&
    echo "find --jobs 2 wrote the same records as --jobs 1"
cmp <("$idtool" redact --jobs 1 "$log") <("$idtool" redact --jobs 2 "$log") &&
    echo "redact --jobs 2 wrote the same text as --jobs 1"
echo "size: $(stat -c %s "$log") bytes; numbers found by idtool find: $("$idtool" find --count "$log" | tail -1 | cut -f2);" \
    "lines matching the regex: $(rg -c '[0-9]{17}[0-9Xx]' "$log")"
hyperfine --warmup 1 --runs 3 --export-markdown "$work/times.md" \
    "wc -l $log" "rg -c '[0-9]{17}[0-9Xx]' $log" "$idtool find --count --jobs 1 $log" \
    "$idtool find --count --jobs 2 $log" "$idtool redact --jobs 1 $log" "$idtool redact --jobs 2 $log" >/dev/null
sed "s|$log|LOG|g; s|$idtool|idtool|g" "$work/times.md"
# No line feed at all: every byte one line.
tr '\n' ' ' <"$log" >"$work/one-line.txt"
for command in "find --count" "redact --jobs 1" "redact --jobs 2"; do
    # shellcheck disable=SC2086
    peak=$(/usr/bin/time -f %M "$idtool" $command "$work/one-line.txt" 2>&1 >/dev/null | tail -1)
    echo "peak memory of idtool $command on $(stat -c %s "$work/one-line.txt") bytes without a line feed: $peak KiB"
done
# Precision and recall of idtool find's records on the labelled set, beside
# the plain regex (scripts/score_scan.py scores a face's JSON lines).
/usr/bin/python3 scripts/make_scan_corpus.py "$work/labelled" >/dev/null
"$idtool" find --format jsonl --include-invalid --as-of 20240630 "$work/labelled/scan_corpus.txt" \
    >"$work/matches.jsonl" || [ $? -eq 1 ]
/usr/bin/python3 scripts/score_scan.py "$work/labelled" --matches "$work/matches.jsonl" --chance-runs 0
