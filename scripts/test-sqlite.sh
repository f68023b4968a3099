#!/usr/bin/env bash
# The SQLite extension (databases/sqlite/): installs what it needs from
# Debian 12, builds it twice, optimised (release preset) and with ASan and
# UBSan (native preset; only the extension and the library under it), and
# runs its tests against each build in Debian's sqlite3 shell and Debian's
# Python (/usr/bin/python3; the pyenv Python first on PATH cannot load
# extensions):
# - the shell loads it with .load and its output and errors are exactly
#   databases/sqlite/tests/shell.out and shell.err;
# - databases/sqlite/tests/test_extension.py against idtool: the verdicts and
#   fields of idtool verify, the numbers of idtool generate --seed, the counts
#   of idtool verify --summary over 10^5 numbers, and bad input of every kind;
# - databases/sqlite/tests/test_conformance.py: the conformance corpus
#   (tests/conformance/) through the SQL functions, with the library's
#   messages computed through the release build's libidnumber.so;
# - on a clock that libfaketime starts a second before midnight, a
#   connection's idn_redact takes the new day as its as-of date once it has
#   begun (the connection keeps its prepared scanner from row to row).
# A sanitized extension in an unsanitized program needs the ASan run-time
# loaded first (LD_PRELOAD); UBSan's comes with the extension. Python's own
# allocations at exit are not leaks of ours, so leak detection is on for the
# shell only.
set -eu
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh

packages=(cmake ninja-build g++ python3 libcli11-dev googletest sqlite3 libsqlite3-dev libfaketime)
install_missing_packages "${packages[@]}"

python=/usr/bin/python3
tests=databases/sqlite/tests
failed=0

# run_tests PRESET [PRELOAD]: the shell test and the Python suites against
# build/PRESET's extension; the optimised idtool and C API are the reference.
run_tests() {
    local preset=$1 preload=${2:-} extension=build/$1/databases/sqlite/idnumber
    local work
    work=$(mktemp -d)
    # The shell exits 1 after the refusals it is shown; the output says the rest.
    LD_PRELOAD=$preload sqlite3 -cmd ".load $extension" :memory: <"$tests/shell.sql" \
        >"$work/out" 2>"$work/err" || true
    if diff -u "$tests/shell.out" "$work/out" && diff -u "$tests/shell.err" "$work/err"; then
        echo "$preset: sqlite3 shell: as expected"
    else
        echo "$preset: sqlite3 shell: FAILED (differences above)"
        failed=1
    fi
    rm -rf "$work"
    if LD_PRELOAD=$preload ASAN_OPTIONS=detect_leaks=0 IDN_SQLITE_EXTENSION=$extension.so \
        IDTOOL=build/release/idtool IDNUMBER_LIBRARY=build/release/capi/libidnumber.so PYTHONDONTWRITEBYTECODE=1 \
        "$python" -m unittest discover -s "$tests" -p 'test_*.py'; then
        echo "$preset: Python suite: passed"
    else
        echo "$preset: Python suite: FAILED"
        failed=1
    fi
}

echo "=== release: the optimised extension ==="
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target idnumber_sqlite idtool idnumber
run_tests release

# The default as-of date is the day of each row, not of the connection's
# first: a number born on 1 July 2024, before and after that midnight.
born=110105202407010015
faketime=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$')
midnight=$(printf '%s\n' "SELECT idn_redact('x $born', 'label');" '.shell sleep 2' "SELECT idn_redact('x $born', 'label');" |
    LD_PRELOAD=$faketime FAKETIME="@2024-06-30 23:59:59" TZ=UTC \
        sqlite3 -cmd ".load build/release/databases/sqlite/idnumber" :memory: 2>&1 | tr '\n' '|')
if [ "$midnight" = "x $born|x [身份证号]|" ]; then
    echo "release: a connection's redaction takes the new day once it has begun"
else
    echo "release: across midnight: FAILED: $midnight"
    failed=1
fi

echo "=== native: the extension under ASan and UBSan ==="
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target idnumber_sqlite
run_tests native "$(gcc -print-file-name=libasan.so)"

exit $failed
