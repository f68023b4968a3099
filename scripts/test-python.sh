#!/usr/bin/env bash
# Tests the Python module idnumber (bindings/python) as a user gets it:
# installs Debian's Python packages the module, its tests and Dask need
# (idempotent; root or sudo when something is missing), builds the
# optimised idtool and C library the tests compare with, makes a fresh venv
# on Debian's Python in a temporary folder, installs the package into it
# with pip exactly as the README says (warnings as errors), and runs its
# pytest suite there, the Dask cluster tests included. Then the suite but
# Dask's again, on the extension built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a second venv. The venvs are removed at the
# end, also on failure.
#
#   scripts/test-python.sh [PYTEST ARGUMENTS...]
set -eu
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh

packages=(
    g++ cmake ninja-build                    # idtool's and the C library's release build
    python3-dev python3-venv python3-setuptools python3-wheel
    python3-pybind11                         # the binding
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
# Debian's Python, not the first on PATH: its packages are the ones above.
/usr/bin/python3 -m venv --system-site-packages "$work/venv"
IDNUMBER_WERROR=1 "$work/venv/bin/pip" install -q --no-build-isolation --no-index ./bindings/python
# The tests import the installed package, never the sources.
(cd "$work" && venv/bin/python -c 'import idnumber, sys; sys.exit(not idnumber.__file__.startswith(sys.prefix))')
"$work/venv/bin/python" -m pytest -q -p no:cacheprovider --basetemp "$work/pytest" bindings/python/tests "$@"

# The sanitizers' run-time must be loaded before Python's own libraries, and
# libstdc++ with it (or ASan cannot intercept C++ exceptions); Python leaks
# by design, so leak checks are off. Subprocesses of the tests inherit it.
echo "The suite on the extension built with AddressSanitizer and UndefinedBehaviorSanitizer:"
/usr/bin/python3 -m venv --system-site-packages "$work/venv-sanitize"
IDNUMBER_SANITIZE=1 IDNUMBER_WERROR=1 "$work/venv-sanitize/bin/pip" install -q --no-build-isolation --no-index \
    ./bindings/python
LD_PRELOAD="$(g++ -print-file-name=libasan.so) $(g++ -print-file-name=libstdc++.so)" \
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    "$work/venv-sanitize/bin/python" -m pytest -q -p no:cacheprovider --basetemp "$work/pytest-sanitize" \
    --ignore bindings/python/tests/test_dask.py bindings/python/tests "$@"
