#!/usr/bin/env bash
# Builds one release of every face and writes it into DIST (default dist/).
# <version> is the release's one version, the C API header's
# (scripts/release_version.sh):
#   IdNumberTool-<version>-win32.zip   the Windows programs, 32-bit, for every Windows
#   IdNumberTool-<version>-win64.zip   the same, 64-bit
#   *_<version>_amd64.deb              the Debian packages of debian/ (without
#                                      their -dbgsym packages)
#   idnumber-<version>.tar.gz, idnumber-<version>-*.whl
#                                      the Python sdist and wheel (Debian's python3)
#   idnumber-<version>.tgz             the npm package
#   idnumber-<version>.jar             the Java library with its native libraries
#   idnumber-web-<version>.zip         the web page as built (docs/web.md: serving it)
#   SHA256SUMS                         the SHA-256 of every file, for sha256sum -c
# Each zip holds the programs the build lists in release-programs.txt (see
# cmake/release_program.cmake), 读我.txt (resources/读我.txt.in: a note about
# that zip, listing its files) and LICENSE.txt.
#
# Usage: release.sh [--windows-only] [DIST]
#   --windows-only  only the two zips (and SHA256SUMS of them)
#
# Every artifact is reproducible: the same commit gives the same bytes at any
# time, in any folder. The programs are (tests/check_reproducible_build.sh);
# the zips hold their files in a fixed order, all with the time
# SOURCE_DATE_EPOCH (default: the time of the last commit) and no extra
# fields; the Debian packages, the wheel and the sdist take their times from
# SOURCE_DATE_EPOCH, and so do the jar's entries (Maven's
# project.build.outputTimestamp); npm gives every entry one fixed time. Builds
# in the presets' folders; the Debian packages are built in a copy of the
# tracked sources. tests/check_release.sh makes the release twice and
# compares every file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
windows_only=false
if [ "${1:-}" = --windows-only ]; then
    windows_only=true
    shift
fi
dist=${1:-$root/dist}
mkdir -p "$dist"
dist=$(cd "$dist" && pwd)
cd "$root"
. scripts/debian_packages.sh
version=$(scripts/release_version.sh)

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
        { echo "release.sh: not a git checkout; set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
[[ "$SOURCE_DATE_EPOCH" =~ ^[0-9]+$ ]] || { echo "release.sh: SOURCE_DATE_EPOCH is not a number of seconds" >&2; exit 1; }
export SOURCE_DATE_EPOCH
if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then
    echo "release.sh: warning: the sources have changes that are not committed" >&2
fi
rm -f "$dist"/*.zip "$dist"/*.deb "$dist"/*.whl "$dist"/*.tar.gz "$dist"/*.tgz "$dist"/*.jar "$dist/SHA256SUMS"

echo "== the Windows zips"
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

    entries=()
    for file in "${files[@]}"; do entries+=("$(basename "$file")=$file"); done
    entries+=("读我.txt=$root/resources/读我.txt.in" "LICENSE.txt=$root/LICENSE")
    python3 "$root/scripts/pack_release_zip.py" --version "$version" --platform "$preset" \
        "$dist/IdNumberTool-$version-$preset.zip" "$SOURCE_DATE_EPOCH" "${entries[@]}"
done

if ! $windows_only; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT

    echo "== the Debian packages"
    scripts/build-debian-packages.sh "$work/debs" >/dev/null
    for deb in "$work"/debs/*.deb; do
        case "$deb" in *-dbgsym_*) ;; *) cp "$deb" "$dist/" ;; esac
    done

    echo "== the Python sdist and wheel (Debian's python3, through the project's CMake)"
    install_missing_packages python3-build python3-setuptools python3-wheel python3-pybind11 python3-dev
    /usr/bin/python3 -m build --no-isolation --outdir "$dist" ./bindings/python >"$work/python.log" 2>&1 ||
        { tail -40 "$work/python.log"; exit 1; }

    echo "== the npm package and the web page (the wasm preset)"
    # The page's folder afresh, so that the archive holds no file a past build left.
    rm -rf build/wasm/web
    cmake --preset wasm >/dev/null
    cmake --build --preset wasm -j2 >"$work/wasm.log" 2>&1 || { tail -40 "$work/wasm.log"; exit 1; }
    node bindings/javascript/tools/pack.mjs "$dist" >"$work/npm.log" 2>&1 || { tail -40 "$work/npm.log"; exit 1; }
    web=idnumber-web-$version
    entries=()
    while IFS= read -r file; do entries+=("$web/$file=build/wasm/web/$file"); done < <(cd build/wasm/web &&
        find . -type f -printf '%P\n' | LC_ALL=C sort)
    python3 scripts/pack_release_zip.py "$dist/$web.zip" "$SOURCE_DATE_EPOCH" "${entries[@]}" "$web/LICENSE=LICENSE"

    echo "== the Java jar"
    scripts/stage-java-natives.sh >/dev/null
    rm -rf bindings/java/target
    # The jar's entries carry the commit's time (Maven's reproducible builds).
    mvn -o -B -q -Dstyle.color=never -f bindings/java/pom.xml -Dmaven.repo.local=/usr/share/maven-repo \
        -Dproject.build.outputTimestamp="$SOURCE_DATE_EPOCH" -DskipTests package >"$work/java.log" 2>&1 ||
        { tail -40 "$work/java.log"; exit 1; }
    cp bindings/java/target/idnumber-*.jar "$dist/"
fi

(cd "$dist" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\n' | LC_ALL=C sort |
    xargs -d '\n' sha256sum -- >SHA256SUMS)
echo "$dist:"
(cd "$dist" && ls -l | awk 'NR > 1 {print "  " $5 "\t" $9}')
