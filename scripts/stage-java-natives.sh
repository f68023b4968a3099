#!/usr/bin/env bash
# Builds the two native libraries the Java jar carries (the release preset's
# libidnumber.so, and idnumber.dll of the win64 preset: the jar serves 64-bit
# JVMs only, docs/java.md says why) and puts them under the names JNA finds
# them by, in build/java-natives, where bindings/java/pom.xml takes them from:
# linux-x86-64/libidnumber.so, win32-x86-64/idnumber.dll. Plain files, not
# links (Maven's resources plugin would copy a link as a link). Extra targets
# for the release preset may follow (idtool, for the tests).
#
# Usage: scripts/stage-java-natives.sh [RELEASE_TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=2

# Several builds may share a preset's folder: when ninja trips over another's, try again.
build() {
    local preset=$1 attempt
    shift
    cmake --preset "$preset" >/dev/null
    for attempt in 1 2 3; do
        cmake --build --preset "$preset" -j "$jobs" --target "$@" && return 0
        echo "build of $preset failed (attempt $attempt); trying again"
        sleep 5
    done
    return 1
}

build release idnumber "$@"
build win64 idnumber
natives=build/java-natives
rm -rf "$natives"
install -D -m 644 "$(readlink -f build/release/capi/libidnumber.so)" "$natives/linux-x86-64/libidnumber.so"
install -D -m 644 build/win64/idnumber.dll "$natives/win32-x86-64/idnumber.dll"
