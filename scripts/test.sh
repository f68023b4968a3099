#!/usr/bin/env bash
# Builds every face and runs every test: the native suite under ASan and
# UBSan, built with GCC and again with Clang, the same suite under Wine
# against the real dialog of the 64-bit and (where the machine runs 32-bit
# code) the 32-bit program, each in
# code page 936 and in 1252, and the file checks of both programs. Also builds
# the benchmarks and runs them once, briefly, so they cannot rot; likewise the
# optimised idtool. Tests the PostgreSQL extension and the MariaDB functions,
# each on a server it starts and stops itself; the JavaScript package and
# the web page (Chromium), the Python module (and a Dask cluster) and the
# Java jar, each with the conformance corpus. Builds the 32-bit release
# programs twice more, elsewhere, to see that they come out the same; and
# makes the release twice, compares every file, installs and uses each (the
# Debian packages with lintian), runs every page's install lines as written
# and every example against the installed release.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

step() { printf '\n=== %s ===\n' "$*"; }

step "repository: nothing built or downloaded is tracked; one version in every manifest; every page's block marked"
tests/repository/check_tracked_files.sh
python3 scripts/sync_version.py --check
python3 tests/docs/check_pages.py lint

step "native: build and test (ASan + UBSan)"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

step "native-clang: the same suite built with Clang (ASan + UBSan)"
cmake --preset native-clang >/dev/null
cmake --build --preset native-clang -j "$jobs"
ctest --preset native-clang

step "win64: build and test under wine64"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"
ctest --preset win64

step "release: the optimised native idtool"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
build/release/idtool --version

step "idtool: the conformance corpus through its command line"
python3 tests/idtool/run_conformance.py --program build/release/idtool --library build/release/capi/libidnumber.so

step "idtool: verify --jobs 1 and --jobs 3 give the same bytes over 10^6 lines"
python3 tests/idtool/check_jobs.py --program build/release/idtool

step "idtool: the static build for cluster nodes, driven by --stream"
tests/idtool/check_static_build.sh

step "the C API: installed into a temporary prefix, used with pkg-config and find_package"
tests/capi/check_install.sh build/release

step "benchmarks: build and a short run"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs"
build/bench/bench/benchmarks --benchmark_min_time=0.01 >/dev/null

step "sqlite: the extension in the sqlite3 shell and Debian's Python, optimised and under ASan"
scripts/test-sqlite.sh

step "PostgreSQL: the extension idnumber on a server of its own"
scripts/test-postgresql.sh

step "MariaDB: the loadable functions on a server of its own"
scripts/test-mariadb.sh

step "JavaScript: the C API as WebAssembly, the npm package and the web page in Chromium"
scripts/test-javascript.sh

step "Python: the module idnumber installed in a venv, its tests, a Dask cluster, the wheel and the sdist"
scripts/test-python.sh

step "Java: the jar with its native libraries, its tests, the conformance corpus"
scripts/test-java.sh

step "win32: build the release, check the program file and test it under Wine"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
# Whether the kernel runs 32-bit code differs from host to host: ask the
# 32-bit Wine loader itself.
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    ctest --preset win32
else
    echo "win32: this machine cannot run 32-bit programs; only the program file is checked, not the Wine suite"
    ctest --preset win32 -R pe_file_properties
fi

step "win32: two more builds of the release programs, in other folders, give the same files"
tests/check_reproducible_build.sh win32

step "release: every artifact made twice and compared; each installed and used; the pages' install lines and examples run"
tests/check_release.sh
