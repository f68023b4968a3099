#!/usr/bin/env bash
# Builds all three configurations and runs every test: the native suite under
# ASan and UBSan, the same suite under wine64 against the real dialog, and the
# file checks of the 64-bit and 32-bit programs. Also builds the benchmarks and
# runs them once, briefly, so they cannot rot; likewise the optimised idtool.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

step() { printf '\n=== %s ===\n' "$*"; }

step "native: build and test (ASan + UBSan)"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

step "win64: build and test under wine64"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"
ctest --preset win64

step "release: the optimised native idtool"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
build/release/idtool --version

step "benchmarks: build and a short run"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs"
build/bench/bench/benchmarks --benchmark_min_time=0.01 >/dev/null

step "win32: build the release and check the program file"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
ctest --preset win32
