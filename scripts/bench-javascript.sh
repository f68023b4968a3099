#!/usr/bin/env bash
# Benchmarks of the JavaScript face (not tests): verifyMany against the npm
# packages idcard 4.2.0 and id-validator 1.3.0 in one Node process on the
# same 10^6 lines (bindings/javascript/bench/verify-many.mjs says how), and
# the web page's time for 10^5 pasted lines in headless Chromium. The peers
# are installed into a temporary folder for this run only and removed with
# it. Run scripts/test-javascript.sh once first (it installs the packages
# and builds the module).
#
# Usage: scripts/bench-javascript.sh [LINES] [PAGE_LINES]  (10^6 and 10^5)
#        LOAD_LIMIT=1.5 scripts/bench-javascript.sh   (wait for a lower load)
#        BASELINE=DIR scripts/bench-javascript.sh     (DIR: another build of the
#        package, its index.js and idnumber.wasm, timed beside this one)
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}
page_lines=${2:-100000}

cmake --preset wasm >/dev/null
cmake --build --preset wasm -j 2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same numbers as idtool's benchmark: 70% valid, the rest evenly over
# the four refusals.
python3 scripts/bench_numbers.py --count "$lines" "$work/numbers.txt"
head -n "$page_lines" "$work/numbers.txt" >"$work/page.txt"

mkdir -p "$work/peers"
echo '{"private":true}' >"$work/peers/package.json"
npm install --prefix "$work/peers" --no-audit --no-fund --no-save idcard@4.2.0 id-validator@1.3.0 >/dev/null

. scripts/bench_machine.sh
wait_for_quiet_machine
node --expose-gc bindings/javascript/bench/verify-many.mjs "$work/numbers.txt" "$work/peers" 11
say_load_after

(cd programs/web && { [ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund >/dev/null; })
node programs/web/bench/page-batch.mjs "$PWD/build/wasm/web" "$work/page.txt" 3
