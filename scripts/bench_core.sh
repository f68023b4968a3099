#!/usr/bin/env bash
# The core's verification per number beside the hand-written floors, and one
# verify and one generate press of the dialog: builds the bench preset, runs
# Google Benchmark (means of --repetitions runs) and prints, for each batch
# (70% valid, and valid numbers only), the core's time as a multiple of the
# vectorised floor's, the goal being 1.2 at most; and the C API's scanner per
# byte of a log-like text beside an SSE2 loop that only finds runs of 18
# digits.
#
#   scripts/bench_core.sh [--repetitions N]
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=5
while [ $# -gt 0 ]; do
    case "$1" in
    --repetitions) repetitions=$2; shift 2 ;;
    *) echo "usage: $0 [--repetitions N]" >&2; exit 2 ;;
    esac
done
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/bench/bench/benchmarks --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/results.json" --benchmark_out_format=json
echo
python3 - "$work/results.json" <<'PYTHON'
import json, sys
means = {b["run_name"]: b["per_number"] for b in json.load(open(sys.argv[1]))["benchmarks"]
         if b.get("aggregate_name") == "mean" and "per_number" in b}
print("| Batch | core | C API | plain floor | vectorised floor | core / vectorised floor (goal: 1.2 at most) |")
print("|---|---|---|---|---|---|")
for batch, prefix in (("70% valid", "verifyPerNumber/"), ("valid only", "verifyPerNumber/onlyValid/")):
    ns = {name: means[prefix + name] * 1e9 for name in ("core", "capi", "floor", "vectorFloor")}
    ratio = ns["core"] / ns["vectorFloor"]
    print(f"| {batch} | {ns['core']:.2f} ns | {ns['capi']:.2f} ns | {ns['floor']:.2f} ns | "
          f"{ns['vectorFloor']:.2f} ns | {ratio:.2f} ({'met' if ratio <= 1.2 else 'not met'}) |")
rates = {b["run_name"]: b["bytes_per_second"] / 1e6 for b in json.load(open(sys.argv[1]))["benchmarks"]
         if b.get("aggregate_name") == "mean" and b["run_name"].startswith("scan/")}
if rates:
    floor = rates["scan/floor/sse2_runs_of_18_digits"]
    print()
    print("| Scanner on a log-like text | MB/s | the floor's time as a share of it |")
    print("|---|---|---|")
    for name, rate in rates.items():
        print(f"| {name} | {rate:.0f} | {rate / floor:.3f} |")
PYTHON
