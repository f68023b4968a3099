#!/usr/bin/env bash
# Speed of the Python module idnumber (the README's figures): builds the
# optimised idtool, installs idnumber into a fresh venv on Debian's Python in
# a temporary folder (as scripts/test-python.sh does; run that first for the
# Debian packages), writes 10^6 numbers, and with --dask 10^7 more, with
# bench_numbers.py (the same files every run), and runs bench_python.py:
# verify_many on a list and on a Series against a pure-Python loop (the
# ratio of each of the N rounds, their minimum and median), and the Dask
# job on 2 worker processes against idtool verify --jobs 2 on the same file
# and fields, with the job's stages; and find and redaction over a Series of
# 10^6 notes beside a plain regular expression on the same Series, and the
# three ways a batch can begin each row's scan (--scan-only: only these).
# With --against REV, the module of the
# repository's revision REV (a commit, a branch) is built into a second venv
# and its batch calls timed against this tree's in the same run, the two
# taking turns (the speed before and after a change).
#
#   scripts/bench-python.sh [--dask] [--scan-only] [--runs N] [--against REV]
set -eu
cd "$(dirname "$0")/.."

dask=no
scan_only=no
runs=7
against=
while [ $# -gt 0 ]; do
    case "$1" in
    --dask) dask=yes; shift ;;
    --scan-only) scan_only=yes; shift ;;
    --runs) runs=$2; shift 2 ;;
    --against) against=$2; shift 2 ;;
    *) echo "usage: $0 [--dask] [--scan-only] [--runs N] [--against REV]" >&2; exit 2 ;;
    esac
done

cmake --preset release >/dev/null
cmake --build --preset release -j 2 --target idtool >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 -m venv --system-site-packages "$work/venv"
"$work/venv/bin/pip" install -q --no-build-isolation --no-index ./bindings/python

python3 scripts/bench_numbers.py --count 1000000 "$work/numbers-1e6.txt"
arguments=("$work/numbers-1e6.txt" --runs "$runs" --idtool build/release/idtool)
if [ "$scan_only" = yes ]; then
    exec "$work/venv/bin/python" scripts/bench_python.py "${arguments[@]}" --scan-only
fi
if [ -n "$against" ]; then
    # The revision's tree as git has it, built as a user builds it.
    mkdir "$work/against"
    git archive --format=tar "$against" | tar -x -C "$work/against"
    /usr/bin/python3 -m venv --system-site-packages "$work/venv-against"
    "$work/venv-against/bin/pip" install -q --no-build-isolation --no-index "$work/against/bindings/python"
    arguments+=(--against "$work/venv-against/bin/python")
fi
if [ "$dask" = yes ]; then
    python3 scripts/bench_numbers.py --count 10000000 "$work/numbers-1e7.txt"
    arguments+=(--dask "$work/numbers-1e7.txt")
fi
"$work/venv/bin/python" scripts/bench_python.py "${arguments[@]}"
