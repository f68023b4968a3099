#!/usr/bin/env bash
# Every face's benchmark in one run, and docs/benchmarks.md written from it:
# the machine, then each benchmark's command and the tables it printed, in
# the order below. Each benchmark times its face beside a floor or a peer in
# the same run (a hand-written loop, plain SQL, wc -l, pure Python or Java,
# the npm peers); the page says which. Not a test: it takes 15-30 minutes,
# and its figures vary with what else the machine runs, so read the ratios
# within a run. Run scripts/test.sh once first: it installs every package and
# builds every preset the benchmarks use.
#
# Usage: scripts/bench-all.sh [PAGE]   (default docs/benchmarks.md)
set -euo pipefail
cd "$(dirname "$0")/.."
page=${1:-docs/benchmarks.md}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name|command: each printed as it ran, its output kept for the page.
benchmarks=(
    "The core and the C API beside hand-written loops (Google Benchmark, means of 5)|scripts/bench_core.sh --repetitions 5"
    "idtool on a file of 10^7 numbers, beside wc -l|scripts/bench_idtool.sh --runs 5"
    "The scanner on a log-like file, beside wc -l and ripgrep|scripts/bench_scan.sh 512"
    "idtool find and redact on a log-like file of 1 GB, beside wc -l and ripgrep|scripts/bench_find.sh 1024"
    "SQLite: the extension beside plain SQL|scripts/bench_sqlite.sh --runs 7"
    "PostgreSQL and MariaDB: the functions beside plain SQL|scripts/bench-databases.sh --runs 7"
    "Python: verify_many beside a pure-Python loop, and the Dask job beside idtool|scripts/bench-python.sh --dask"
    "JavaScript: verifyMany beside the npm peers, and the web page|scripts/bench-javascript.sh"
    "Java: the batch and one verify beside a pure-Java loop|scripts/bench-java.sh"
)

started=$(date -u '+%Y-%m-%d %H:%M UTC')
{
    echo "# Benchmarks"
    echo
    echo "Every figure on this page comes from one run of \`scripts/bench-all.sh\`, started $started,"
    echo "which ran each benchmark below in turn and wrote this page. Each times its face beside a floor"
    echo "or a peer in the same run: read the ratios within a run. The machine is shared with other"
    echo "guests, so single figures vary from run to run by up to half."
    echo
    # For tests/docs/check_pages.py: these blocks are measurements, not examples to run.
    echo "<!-- page not run: the figures of one run of scripts/bench-all.sh, which wrote them; a test cannot give them again -->"
    echo
    echo "## The machine"
    echo
    echo '```text'
    echo "nproc: $(nproc)"
    lscpu | grep -E '^(Architecture|Model name|CPU\(s\)|Thread|Core|Hypervisor vendor|Virtualization type)' || true
    echo "memory: $(free -h | awk '/^Mem:/ {print $2}')"
    echo "kernel: $(uname -r)"
    echo "system: $(. /etc/os-release && echo "$PRETTY_NAME")"
    echo "compiler: $(g++ --version | head -1)"
    echo "node: $(node --version 2>/dev/null || echo none); java: $(java -version 2>&1 | head -1)"
    echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
    echo '```'
} >"$work/page.md"

for entry in "${benchmarks[@]}"; do
    title=${entry%%|*}
    command=${entry#*|}
    echo "== $title: $command"
    {
        echo
        echo "## $title"
        echo
        echo '```sh'
        echo "$command"
        echo '```'
        echo
    } >>"$work/page.md"
    if bash -c "$command" >"$work/out" 2>&1; then
        cat "$work/out"
        # Markdown tables as they are; other lines in text blocks, without
        # the build's progress lines.
        python3 - "$work/out" >>"$work/page.md" <<'PYTHON'
import re, sys
# Without terminal colour codes (Debian's Maven writes them even when told not to).
lines = [re.sub(r"\x1b\[[0-9;]*m", "", line.rstrip("\n"))
         for line in open(sys.argv[1], encoding="utf-8", errors="replace")]
lines = [line for line in lines if not re.match(r"^(\[\d+/\d+\] |ninja: |-- )", line)]
block = None
for line in lines:
    kind = "table" if line.startswith("|") else "text"
    if kind != block:
        if block == "text":
            print("```")
        print()
        if kind == "text":
            print("```text")
        block = kind
    print(line)
if block == "text":
    print("```")
PYTHON
    else
        cat "$work/out"
        echo "(this benchmark failed; its output is above)" >>"$work/page.md"
        echo "FAILED: $title"
    fi
done
cp "$work/page.md" "$page"
echo "wrote $page"
