#!/usr/bin/env bash
# Builds idtool statically (IDNUMBER_STATIC, an optimised build of its own in
# build/static) as it is meant for the nodes of a Hive, Spark or ClickHouse
# cluster whose C library is older than this machine's, and checks it: no
# dynamic section and no interpreter (it needs no shared library, glibc
# included), and the --stream driver's 10^4 rows answered one by one.
set -eu
cd "$(dirname "$0")/../.."
build=build/static
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DIDNUMBER_TESTS=OFF -DIDNUMBER_STATIC=ON >/dev/null
cmake --build "$build" --target idtool -j 2 >/dev/null
program=$build/idtool
if readelf -l "$program" | grep -q INTERP || readelf -d "$program" 2>/dev/null | grep -q NEEDED; then
    echo "FAIL: $program is not static:" >&2
    readelf -d "$program" | grep NEEDED >&2 || true
    exit 1
fi
echo "static: $program needs no shared library ($(stat -c %s "$program") bytes)"
python3 tests/idtool/run_cases.py --program "$program" --stream-driver
