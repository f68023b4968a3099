#!/usr/bin/env bash
# The JavaScript face: builds the C API as WebAssembly (preset wasm) and the
# optimised native idtool (preset release) the tests compare against, checks
# that a build puts back the package's files a clean removed, then runs the
# npm package's tests (node:test: the conformance corpus, whose messages it
# asks of the release build's libidnumber.so through
# tests/conformance/corpus.py; agreement with idtool on 10^5 lines; the API,
# calls made from callbacks, huge texts; loading by import, require and
# init; npm pack installed offline; a page without a bundler in Chromium)
# and the web page's tests in Debian's Chromium, both driven by
# playwright-core from npm ci.
#
# Installs what it needs from Debian's packages first (idempotent). Run from
# anywhere; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh
jobs=2

packages=(
    cmake ninja-build g++ python3 libcli11-dev      # the native idtool the tests compare against
    clang-14 lld-14 wasi-libc                       # the WebAssembly module
    libc++-14-dev-wasm32 libc++abi-14-dev-wasm32 libclang-rt-14-dev-wasm32
    chromium                                        # the browser tests (never a downloaded browser)
    node-typescript                                 # tsc: the package's declarations
)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
install_missing_packages "${packages[@]}"
node_major=$(node -p 'process.versions.node.split(".")[0]')
[ "$node_major" -ge 18 ] || { echo "Node 18 or newer is needed, not $(node --version)"; exit 1; }

echo "== native idtool (release)"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"

echo "== WebAssembly (wasm)"
cmake --preset wasm >/dev/null
cmake --build --preset wasm -j "$jobs"
wasm=build/wasm/bindings/javascript/idnumber.wasm
echo "idnumber.wasm: $(stat -c %s "$wasm") bytes, $(gzip -9c "$wasm" | wc -c) gzipped"

# What the build puts into the package's folder, a build with nothing to
# relink puts back after a clean of that folder.
package=bindings/javascript
made=(idnumber.wasm init.js index.cjs index.d.cts stream.cjs LICENSE)
rm -f "${made[@]/#/$package/}"
cmake --build --preset wasm -j "$jobs" >/dev/null
for name in "${made[@]}"; do
    [ -f "$package/$name" ] || { echo "FAIL: a build after a clean of $package did not make $name"; exit 1; }
done
cmp "$wasm" "$package/idnumber.wasm"
echo "the build puts back ${made[*]} in $package"

export IDTOOL="$PWD/build/release/idtool"
export WEB_ROOT="$PWD/build/wasm/web"

echo "== the npm package (node:test)"
(cd bindings/javascript && npm ci --no-audit --no-fund && npm test)

echo "== the web page in Chromium (playwright-core)"
(cd programs/web && npm ci --no-audit --no-fund && npm test)
