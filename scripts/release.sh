#!/usr/bin/env bash
# Builds the release programs for 32-bit and 64-bit Windows and packs them for
# download:
#   DIST/IdNumberTool-<version>-win32.zip   the 32-bit build, for every Windows
#   DIST/IdNumberTool-<version>-win64.zip   the 64-bit build
#   DIST/SHA256SUMS                          their SHA-256, for sha256sum -c
# Each zip holds the programs the build lists in release-programs.txt (see
# cmake/release_program.cmake), 读我.txt (resources/读我.txt.in) and LICENSE.txt.
#
# Usage: release.sh [DIST]   (default: dist/ at the top of the sources)
#
# Runs again to the same bytes: the programs are reproducible, and the zips
# hold their files in a fixed order, all with the time SOURCE_DATE_EPOCH
# (default: the time of the last commit) and no extra fields. Builds in the
# presets' folders (build/win32, build/win64), only the programs, not the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=${1:-$root/dist}
mkdir -p "$dist"
dist=$(cd "$dist" && pwd)
cd "$root"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
        { echo "release.sh: not a git checkout; set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
[[ "$SOURCE_DATE_EPOCH" =~ ^[0-9]+$ ]] || { echo "release.sh: SOURCE_DATE_EPOCH is not a number of seconds" >&2; exit 1; }
export SOURCE_DATE_EPOCH
if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then
    echo "release.sh: warning: the sources have changes that are not committed" >&2
fi

zips=()
for preset in win32 win64; do
    build=$root/build/$preset
    cmake --preset "$preset" >/dev/null
    programs=() files=()
    while IFS=$'\t' read -r program file; do
        programs+=("$program")
        files+=("$file")
    done <"$build/release-programs.txt"
    [ ${#programs[@]} -gt 0 ] || { echo "release.sh: $build/release-programs.txt lists no program" >&2; exit 1; }
    cmake --build --preset "$preset" -j2 --target "${programs[@]}" >/dev/null
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    [ -n "$version" ] || { echo "release.sh: no project version in $build/CMakeCache.txt" >&2; exit 1; }

    entries=()
    for file in "${files[@]}"; do entries+=("$(basename "$file")=$file"); done
    entries+=("读我.txt=$root/resources/读我.txt.in" "LICENSE.txt=$root/LICENSE")
    zip=IdNumberTool-$version-$preset.zip
    python3 "$root/scripts/pack_release_zip.py" "$dist/$zip" "$SOURCE_DATE_EPOCH" "$version" "${entries[@]}"
    zips+=("$zip")
done
(cd "$dist" && sha256sum -- "${zips[@]}" >SHA256SUMS)
echo "$dist:"
sed 's/^/  /' "$dist/SHA256SUMS"
