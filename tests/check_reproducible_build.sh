#!/usr/bin/env bash
# Builds the release programs twice, each time from a copy of the sources in
# a temporary folder of its own, and checks that both builds give the same
# program files, byte for byte, and that no folder of either build shows in
# them. Builds only the programs (release-programs.txt), not the tests.
#
# Usage: check_reproducible_build.sh [PRESET]   (default win32, the 32-bit release)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-win32}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# build FOLDER: copies the sources into FOLDER, builds the programs there and
# prints "NAME SHA256" for each.
build() {
    local sources=$1 line program file
    mkdir -p "$sources"
    tar -C "$root" --exclude=./build --exclude=./dist --exclude=./.git -cf - . | tar -C "$sources" -xf -
    cmake -S "$sources" --preset "$preset" -DIDNUMBER_TESTS=OFF >/dev/null
    local build_dir=$sources/build/$preset
    local targets=()
    while IFS=$'\t' read -r program file; do targets+=("$program"); done <"$build_dir/release-programs.txt"
    [ ${#targets[@]} -gt 0 ] || { echo "no programs listed in $build_dir/release-programs.txt" >&2; return 1; }
    cmake --build "$build_dir" -j2 --target "${targets[@]}" >/dev/null
    while IFS=$'\t' read -r program file; do
        # No folder of the build may show in the file (file names in
        # assertions, debug information, resource paths).
        for folder in "$work" "$root"; do
            if grep -q -a -F "$folder" "$file"; then
                echo "FAIL: $file holds the path $folder" >&2
                return 1
            fi
        done
        echo "$(basename "$file") $(sha256sum <"$file" | cut -d' ' -f1)"
    done <"$build_dir/release-programs.txt"
}

cd "$work"  # no build may depend on where it was started from
first=$(build "$work/one/src")
sleep 1  # the second build starts at another second on the clock
second=$(build "$work/two/elsewhere/sources")
echo "first build ($preset):"
sed 's/^/  /' <<<"$first"
echo "second build ($preset), in another folder:"
sed 's/^/  /' <<<"$second"
if [ "$first" != "$second" ]; then
    echo "FAIL: the two builds differ" >&2
    exit 1
fi
echo "both builds gave the same program files"
