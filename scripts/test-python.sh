#!/usr/bin/env bash
# Tests the Python module idnumber (bindings/python) as a user gets it:
# installs Debian's Python packages the module, its tests and Dask need
# (idempotent; root or sudo when something is missing), builds the
# optimised idtool the tests compare with, makes a fresh venv on Debian's
# Python in a temporary folder, installs the package into it with pip
# exactly as the README says, and runs its pytest suite there, the Dask
# cluster test included. The venv is removed at the end, also on failure.
#
#   scripts/test-python.sh [PYTEST ARGUMENTS...]
set -eu
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh

packages=(
    g++ cmake ninja-build                    # idtool's release build
    python3-dev python3-venv python3-setuptools python3-wheel
    python3-pybind11                         # the binding
    python3-numpy python3-pandas             # verify_many's columns
    python3-pytest
    python3-dask python3-distributed         # the cluster test and the example
)
install_missing_packages "${packages[@]}"

cmake --preset release >/dev/null
cmake --build --preset release -j 2 --target idtool
export IDTOOL=$PWD/build/release/idtool

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Debian's Python, not the first on PATH: its packages are the ones above.
/usr/bin/python3 -m venv --system-site-packages "$work/venv"
"$work/venv/bin/pip" install --no-build-isolation --no-index ./bindings/python
# The tests import the installed package, never the sources.
(cd "$work" && venv/bin/python -c 'import idnumber, sys; sys.exit(not idnumber.__file__.startswith(sys.prefix))')
"$work/venv/bin/python" -m pytest -q -p no:cacheprovider --basetemp "$work/pytest" bindings/python/tests "$@"
