#!/usr/bin/env bash
# Throughput of `idtool verify` on one file of numbers, beside `wc -l` on the
# same file, in one run (the main figures in one hyperfine run, with one and
# two workers, their ratios to wc -l and to the program of commit 9fdabc6,
# the last before the fast path; peak memory): builds the release preset and
# that commit's idtool (in a temporary worktree), writes the file (10^7
# numbers, about 70% valid, the same on every run) into a temporary folder and
# times each command with hyperfine (Debian's package; without it, with the
# shell's `time`): the mean of --runs runs after one warm-up run. Prints MB/s
# and ns per line as Markdown tables, and the goals beside what was measured.
#
#   scripts/bench_idtool.sh [--lines N] [--runs N] [--baseline IDTOOL | --baseline-commit C | --no-baseline]
#                           [--with-peers [--peer-lines N]]
#
# It also writes a CSV of the same numbers as a spreadsheet export of four
# columns (name, number, phone, address; the address quoted, with a comma) and
# times `verify --column number` on it beside `wc -l` on the CSV. --baseline
# times another build of idtool instead of commit 9fdabc6's.
#
# --with-peers also times two npm packages, `idcard` (verify) and
# `id-validator` (isValid), installed with npm into the temporary folder for
# this run only: a Node script reads the file and calls the package's function
# on every line. They are no dependency of the build or the tests. Without npm
# or the registry, one line says so and they are skipped. They read the first
# --peer-lines lines of the file (10^6 by default): id-validator's cost per
# call grows with the calls made, and a run over 10^7 lines does not end in
# minutes.
set -eu
cd "$(dirname "$0")/.."

lines=10000000
runs=10
with_peers=no
baseline=
baseline_commit=9fdabc6
peer_lines=1000000
while [ $# -gt 0 ]; do
    case "$1" in
    --lines) lines=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --with-peers) with_peers=yes; shift ;;
    --peer-lines) peer_lines=$2; shift 2 ;;
    --baseline) baseline=$(realpath "$2"); shift 2 ;;
    --baseline-commit) baseline_commit=$2; shift 2 ;;
    --no-baseline) baseline_commit=; shift ;;
    *) echo "usage: $0 [--lines N] [--runs N] [--baseline IDTOOL | --baseline-commit C | --no-baseline] [--with-peers [--peer-lines N]]" >&2; exit 2 ;;
    esac
done

cmake --preset release >/dev/null
cmake --build --preset release -j 2 >/dev/null
idtool=$PWD/build/release/idtool

work=$(mktemp -d)
cleanup() {
    [ -d "$work/baseline-tree" ] && git worktree remove --force "$work/baseline-tree" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
# The program before the fast path, built from its own commit.
if [ -z "$baseline" ] && [ -n "$baseline_commit" ]; then
    if git rev-parse --verify -q "$baseline_commit^{commit}" >/dev/null &&
        git worktree add -q --detach "$work/baseline-tree" "$baseline_commit" >/dev/null 2>&1 &&
        (cd "$work/baseline-tree" && cmake --preset release >/dev/null &&
            cmake --build --preset release -j 2 --target idtool >/dev/null); then
        baseline=$work/baseline-tree/build/release/idtool
    else
        echo "baseline: commit $baseline_commit could not be built here; skipped"
    fi
fi
numbers=$work/numbers.txt
python3 scripts/bench_numbers.py --count "$lines" "$numbers"
bytes=$(stat -c %s "$numbers")

# The verdicts once, to see the mix, and that verify runs to the end (exit 1:
# some lines are refused; 2 would be an error).
status=0
"$idtool" verify --only-invalid --summary "$numbers" >/dev/null 2>"$work/summary" || status=$?
[ "$status" -eq 1 ] || { cat "$work/summary"; echo "idtool verify failed (exit $status)" >&2; exit 1; }
echo "file: $lines lines, $bytes bytes; $(sed 's/^idtool: verify: //' "$work/summary")"

results=$work/results.tsv
: >"$results"
# measure NAME RUNS COMMAND...: the command's mean time over RUNS runs (after
# one warm-up run), output to /dev/null, its exit status ignored (verify exits
# 1 on refused lines); kept with the size of the file it read, file_bytes and
# file_lines.
file_bytes=$bytes
file_lines=$lines
measure() {
    local name=$1 count=$2 seconds
    shift 2
    if command -v hyperfine >/dev/null; then
        hyperfine --style none -N -i --warmup 1 --runs "$count" --export-json "$work/run.json" \
            -- "$(printf '%q ' "$@")" >/dev/null 2>"$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 1; }
        seconds=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["mean"])' \
            "$work/run.json")
    else
        local i
        seconds=$(for ((i = 0; i <= count; i++)); do
            TIMEFORMAT=%R
            { time "$@" >/dev/null 2>&1; } 2>&1 || true
        done | awk 'NR > 1 { sum += $1 } END { print sum / (NR - 1) }')
    fi
    printf '%s\t%s\t%s\t%s\n' "$name" "$seconds" "$file_bytes" "$file_lines" >>"$results"
}

# Lines of the file that are valid, for the speed of a file with few refusals.
valid_numbers=$work/valid.txt
"$idtool" verify --fields input,valid "$numbers" 2>/dev/null | awk -F'\t' 'NR > 1 && $2 == "true" { print $1 }' \
    >"$valid_numbers" || true

# The main figures in one hyperfine run: wc -l, and verify (only the refused
# lines, and every record with the history fields) with one worker and with
# two, on the same file, and the baseline's; then their ratios to wc -l.
if command -v hyperfine >/dev/null; then
    commands=(
        -n "wc -l" "wc -l $numbers"
        -n "verify --only-invalid --jobs 1" "$idtool verify --only-invalid --jobs 1 $numbers"
        -n "verify --only-invalid --jobs 2" "$idtool verify --only-invalid --jobs 2 $numbers"
        -n "verify --jobs 1 (every record, history fields)" "$idtool verify --jobs 1 $numbers"
        -n "verify --jobs 2 (every record, history fields)" "$idtool verify --jobs 2 $numbers"
    )
    if [ -n "$baseline" ]; then
        commands+=(
            -n "baseline verify --only-invalid" "$baseline verify --only-invalid $numbers"
            -n "baseline verify (every record, history fields)" "$baseline verify $numbers"
        )
    fi
    hyperfine --style none -N -i --warmup 1 --runs "$runs" --export-json "$work/main.json" "${commands[@]}" \
        --output=null >/dev/null 2>"$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 1; }
    hyperfine --style none -N -i --warmup 1 --runs "$runs" --export-json "$work/valid.json" \
        -n "wc -l, valid lines only" "wc -l $valid_numbers" \
        -n "verify --only-invalid --jobs 2, valid lines only" "$idtool verify --only-invalid --jobs 2 $valid_numbers" \
        --output=null >/dev/null 2>"$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 1; }
    echo
    echo "| What (one hyperfine run) | Time | MB/s | ns per line | × wc -l |"
    echo "|---|---|---|---|---|"
    python3 - "$work/main.json" "$bytes" "$lines" "$work/valid.json" "$(stat -c %s "$valid_numbers")" \
        "$(wc -l <"$valid_numbers")" <<'EOF2'
import json, sys
for path, size, lines in ((sys.argv[1], sys.argv[2], sys.argv[3]), (sys.argv[4], sys.argv[5], sys.argv[6])):
    results = json.load(open(path))["results"]
    size, lines = int(size), int(lines)
    floor = results[0]["mean"]
    for result in results:
        seconds = result["mean"]
        print(f"| `{result['command']}` | {seconds * 1000:.0f} ms ± {result['stddev'] * 1000:.0f} | "
              f"{size / seconds / 1e6:.0f} | {seconds / lines * 1e9:.1f} | {seconds / floor:.1f} |")
EOF2
    echo
fi
measure "\`idtool verify --no-history --jobs 1\`, all records written" "$runs" "$idtool" verify --no-history --jobs 1 "$numbers"
measure "\`idtool verify --no-history --jobs 2\`, all records written" "$runs" "$idtool" verify --no-history --jobs 2 "$numbers"
# Peak memory (resident set) of whole runs, with one worker and with the most.
peak_memory=0
if [ -x /usr/bin/time ]; then
    for jobs in 1 2 8; do
        for format in tsv jsonl; do
            /usr/bin/time -f "%M" -o "$work/memory" "$idtool" verify --jobs "$jobs" --format "$format" "$numbers" \
                >/dev/null 2>&1 || true
            kib=$(tail -1 "$work/memory")
            [ "$kib" -gt "$peak_memory" ] && peak_memory=$kib
            echo "peak memory, verify --jobs $jobs --format $format (every record): $((kib / 1024)) MiB"
        done
    done
fi

# The same numbers as a column of a spreadsheet's CSV export.
csv=$work/people.csv
python3 - "$numbers" "$csv" <<'EOF'
import sys
names = ["张三", "李四", "王五", "赵六", "Smith", "孙七"]
with open(sys.argv[1], "rb") as numbers, open(sys.argv[2], "wb") as out:
    out.write("姓名,number,手机,地址\r\n".encode())
    for i, line in enumerate(numbers):
        number = line.rstrip(b"\n")
        out.write(f"{names[i % 6]},".encode() + number +
                  f",1380013{i % 10000:04},\"北京市朝阳区, {i % 97}号\"\r\n".encode())
EOF
file_bytes=$(stat -c %s "$csv")
measure "\`wc -l\` on the CSV" "$runs" wc -l "$csv"
measure "\`idtool verify --column number --jobs 2\`, all records written (CSV)" "$runs" "$idtool" verify --column number --jobs 2 "$csv"
measure "\`idtool verify --column number --no-history\`, all records written (CSV)" "$runs" "$idtool" verify --column number --no-history "$csv"
measure "\`idtool verify --column number --only-invalid\` (CSV)" "$runs" "$idtool" verify --column number --only-invalid "$csv"
file_bytes=$bytes

if [ "$with_peers" = yes ]; then
    peers=$work/peers
    mkdir -p "$peers"
    peer_numbers=$numbers
    if [ "$peer_lines" -lt "$lines" ]; then
        peer_numbers=$work/peer_numbers.txt
        head -n "$peer_lines" "$numbers" >"$peer_numbers"
        file_lines=$peer_lines
        file_bytes=$(stat -c %s "$peer_numbers")
    fi
    # Reads the file in pieces of 1 MiB, so that its own memory stays small,
    # and times the package's function alone over every line; hyperfine times
    # the whole script.
    cat >"$peers/verify_lines.js" <<'EOF'
const fs = require('fs');
const [, , peer, file] = process.argv;
let valid;
if (peer === 'idcard') {
    const idcard = require('idcard');
    valid = (number) => idcard.verify(number);
} else {
    const IDValidator = require('id-validator');
    const validator = typeof IDValidator === 'function' ? new IDValidator() : IDValidator;
    valid = (number) => validator.isValid(number);
}
const input = fs.openSync(file, 'r');
const piece = Buffer.alloc(1 << 20);
let rest = '';
let lineCount = 0;
let validCount = 0;
let nanoseconds = 0n;
for (;;) {
    const got = fs.readSync(input, piece, 0, piece.length, null);
    const lines = (rest + piece.toString('latin1', 0, got)).split('\n');
    rest = got > 0 ? lines.pop() : '';
    if (got === 0 && lines[lines.length - 1] === '') lines.pop();
    const start = process.hrtime.bigint();
    for (const line of lines) if (valid(line)) ++validCount;
    nanoseconds += process.hrtime.bigint() - start;
    lineCount += lines.length;
    if (got === 0) break;
}
console.log(`${peer}\t${validCount}\t${(Number(nanoseconds) / Math.max(lineCount, 1)).toFixed(1)}`);
EOF
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
        echo "peers: node or npm is not installed; skipped"
    else
        for package in idcard id-validator; do
            if ! npm install --prefix "$peers" --no-audit --no-fund --no-save --fetch-retries=1 \
                --fetch-timeout=30000 "$package" >"$work/npm.log" 2>&1; then
                echo "peers: npm could not install $package (no registry?); skipped"
                continue
            fi
            version=$(cd "$peers" && node -p "require('$package/package.json').version")
            if ! node "$peers/verify_lines.js" "$package" "$peer_numbers" >"$work/peer.txt"; then
                echo "peers: $package failed on the file; skipped"
                continue
            fi
            read -r _ valid_count per_number <"$work/peer.txt"
            echo "$package $version: $file_lines lines, $valid_count valid, $per_number ns per number in its function alone"
            function_name=verify
            [ "$package" = id-validator ] && function_name=isValid
            measure "Node: \`$package\` $version, \`$function_name\` on every line" 3 \
                node "$peers/verify_lines.js" "$package" "$peer_numbers"
        done
    fi
fi

echo
echo "| What | Lines | Time | MB/s | ns per line |"
echo "|---|---|---|---|---|"
python3 -c '
import sys
for row in open(sys.argv[1]):
    name, seconds, size, lines = row.rstrip("\n").split("\t")
    seconds, size, lines = float(seconds), int(size), int(lines)
    print(f"| {name} | {lines:,} | {seconds * 1000:.0f} ms | {size / seconds / 1e6:.0f} | {seconds / lines * 1e9:.1f} |")
' "$results"

# The goals beside what this run measured.
if [ -f "$work/main.json" ]; then
    echo
    python3 - "$work/main.json" "$results" "$bytes" "$peak_memory" <<'EOF2'
import json, sys
main = {result["command"]: result["mean"] for result in json.load(open(sys.argv[1]))["results"]}
rows = {}
for row in open(sys.argv[2]):
    name, seconds, size, _ = row.rstrip("\n").split("\t")
    rows[name] = (float(seconds), int(size))
size, peak_kib = int(sys.argv[3]), int(sys.argv[4])

def say(goal, measured, met):
    print(f"- {goal}: {measured} ({'met' if met else 'not met'})")

print("Goals, from this run:")
ratio = main["verify --only-invalid --jobs 2"] / main["wc -l"]
say("`verify --only-invalid --jobs 2` within 3x `wc -l`", f"{ratio:.1f}x", ratio <= 3)
every = size / main["verify --jobs 2 (every record, history fields)"] / 1e6
say("every record at `--jobs 2` at least 600 MB/s", f"{every:.0f} MB/s", every >= 600)
for mode, ours, theirs in (("--only-invalid", "verify --only-invalid --jobs 1", "baseline verify --only-invalid"),
                           ("every record", "verify --jobs 1 (every record, history fields)",
                            "baseline verify (every record, history fields)")):
    if theirs in main:
        speedup = main[theirs] / main[ours]
        say(f"`--jobs 1`, {mode}, at least 2x the program of commit 9fdabc6", f"{speedup:.2f}x", speedup >= 2)
if peak_kib:
    say("peak memory under 64 MB at any --jobs", f"{peak_kib / 1024:.0f} MiB", peak_kib < 64 * 1000)
for name, (seconds, csv_size) in rows.items():
    if "--column number --jobs 2" in name:
        rate = csv_size / seconds / 1e6
        say("`verify --column` every record at least 400 MB/s with `--jobs 2`", f"{rate:.0f} MB/s", rate >= 400)
EOF2
fi
