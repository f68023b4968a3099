#!/usr/bin/env bash
# Tests the Python module idnumber (bindings/python) as users get it:
# installs Debian's Python packages the module, its build, its tests and Dask
# need (idempotent; root or sudo when something is missing), builds the
# optimised idtool and C library the tests compare with, then in a temporary
# folder, on Debian's Python:
#  1. builds the wheel and the sdist with the README's commands, with
#     warnings as errors (the extension is the project's CMake target
#     idnumber_python; setup.py only drives that build);
#  2. installs the wheel into a fresh venv and runs the pytest suite against
#     it from outside the source tree, the Dask cluster tests included;
#  3. builds the extension again with AddressSanitizer and
#     UndefinedBehaviorSanitizer into a second venv and runs the suite but
#     Dask's there;
#  4. builds a wheel from the sdist alone in an empty folder, checks that it
#     holds the same files as the first, installs it into a third venv and
#     uses it;
# and checks that no build wrote a file into bindings/python. Everything is
# removed at the end, also on failure.
#
#   scripts/test-python.sh [PYTEST ARGUMENTS...]
set -eu
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh
repository=$PWD

packages=(
    g++ cmake ninja-build                    # the extension's and idtool's builds
    python3-dev python3-venv python3-setuptools python3-wheel
    python3-pybind11                         # the binding
    libssl-dev                               # the scanner's SHA-256 (OpenSSL's libcrypto), in the extension
    python3-build                            # the sdist
    python3-numpy python3-pandas             # verify_many's columns
    python3-pytest
    python3-dask python3-distributed         # the cluster tests and the example
)
install_missing_packages "${packages[@]}"

cmake --preset release >/dev/null
cmake --build --preset release -j 2 --target idtool idnumber
export IDTOOL=$PWD/build/release/idtool
export IDNUMBER_LIBRARY=$PWD/build/release/capi/libidnumber.so

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Every build here is a fresh one, and pip's cache is left as it was.
export PIP_NO_CACHE_DIR=1 PIP_DISABLE_PIP_VERSION_CHECK=1
tree_state() { git status --porcelain --ignored --untracked-files=all -- bindings/python; }
tree_before=$(tree_state)

# Debian's Python, not the first on PATH: its packages are the ones above.
venv() { /usr/bin/python3 -m venv --system-site-packages "$work/$1"; }
venv build-venv
echo "Building the wheel and the sdist:"
CMAKE_ARGS="-DIDNUMBER_WERROR=ON" "$work/build-venv/bin/pip" wheel -q --no-deps --no-build-isolation --no-index \
    ./bindings/python -w "$work/dist"
"$work/build-venv/bin/python" -m build --sdist --no-isolation --outdir "$work/dist" ./bindings/python >"$work/sdist.log" ||
    { cat "$work/sdist.log"; exit 1; }
wheel=$(echo "$work"/dist/idnumber-*.whl)
sdist=$(echo "$work"/dist/idnumber-*.tar.gz)
ls -l "$wheel" "$sdist" | awk '{print "  " $5, $9}'

# The tests import the installed package, never the sources.
installed_here() {
    (cd "$work" && "$work/$1/bin/python" -c 'import idnumber, sys
assert idnumber.__file__.startswith(sys.prefix), idnumber.__file__
assert idnumber.verify("11010519491231002X").sex == "女"')
}
venv venv
"$work/venv/bin/pip" install -q --no-index "$wheel"
installed_here venv
(cd "$work" && venv/bin/python -m pytest -q -p no:cacheprovider --basetemp "$work/pytest" \
    "$repository/bindings/python/tests" "$@")

# The sanitizers' run-time must be loaded before Python's own libraries, and
# libstdc++ with it (or ASan cannot intercept C++ exceptions); Python leaks
# by design, so leak checks are off. Subprocesses of the tests inherit it.
echo "The suite on the extension built with AddressSanitizer and UndefinedBehaviorSanitizer:"
venv venv-sanitize
CMAKE_ARGS="-DIDNUMBER_SANITIZE=ON -DIDNUMBER_WERROR=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG='-g -O1'" \
    "$work/venv-sanitize/bin/pip" install -q --no-build-isolation --no-index ./bindings/python
sanitized() {
    LD_PRELOAD="$(g++ -print-file-name=libasan.so) $(g++ -print-file-name=libstdc++.so)" \
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 "$@"
}
sanitized installed_here venv-sanitize
(cd "$work" && sanitized venv-sanitize/bin/python -m pytest -q -p no:cacheprovider --basetemp "$work/pytest-sanitize" \
    --ignore "$repository/bindings/python/tests/test_dask.py" "$repository/bindings/python/tests" "$@")

echo "A wheel from the sdist alone, in an empty folder:"
mkdir "$work/from-sdist"
(cd "$work/from-sdist" && CMAKE_ARGS="-DIDNUMBER_WERROR=ON" "$work/build-venv/bin/pip" wheel -q --no-deps \
    --no-build-isolation --no-index "$sdist" -w wheel)
files_of() { /usr/bin/python3 -c 'import sys, zipfile; print("\n".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' "$1"; }
diff <(files_of "$wheel") <(files_of "$work"/from-sdist/wheel/idnumber-*.whl)
venv venv-sdist
"$work/venv-sdist/bin/pip" install -q --no-index "$work"/from-sdist/wheel/idnumber-*.whl
installed_here venv-sdist
echo "  $(basename "$work"/from-sdist/wheel/idnumber-*.whl): the same files as the wheel from the sources; installs and imports"

if [ "$(tree_state)" != "$tree_before" ]; then
    echo "FAIL: the builds left files in bindings/python:"
    diff <(echo "$tree_before") <(tree_state) || true
    exit 1
fi
