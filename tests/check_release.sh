#!/usr/bin/env bash
# Runs scripts/release.sh twice into temporary folders and checks what a user
# downloads: the same bytes both times; the two zips and SHA256SUMS, nothing
# else; sha256sum -c passing; each zip holding exactly the built programs,
# 读我.txt and LICENSE.txt, in that order, all with the commit's time and no
# extra fields, the programs byte for byte as built and the notes ready for
# Notepad.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$root"

scripts/release.sh "$work/one" >/dev/null
sleep 2  # a zip's clock ticks in 2 seconds: the second run is at another time
scripts/release.sh "$work/two" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win32/CMakeCache.txt)
expected_files="IdNumberTool-$version-win32.zip IdNumberTool-$version-win64.zip SHA256SUMS"
for run in one two; do
    actual=$(cd "$work/$run" && ls | sort | tr '\n' ' ')
    [ "$actual" = "$expected_files " ] || fail "$run: the folder holds $actual"
done
for file in $expected_files; do
    cmp -s "$work/one/$file" "$work/two/$file" || fail "$file differs between two runs"
done
(cd "$work/one" && sha256sum --quiet --strict -c SHA256SUMS) || fail "sha256sum -c SHA256SUMS"
[ "$(cut -d' ' -f3 "$work/one/SHA256SUMS" | tr '\n' ' ')" = "IdNumberTool-$version-win32.zip IdNumberTool-$version-win64.zip " ] ||
    fail "SHA256SUMS does not list exactly the two zips"

for preset in win32 win64; do
    python3 - "$work/one/IdNumberTool-$version-$preset.zip" "build/$preset/release-programs.txt" \
        "$(git log -1 --format=%ct)" "$version" <<'EOF' || failures=$((failures + 1))
import sys, time, zipfile
zip_path, program_list, epoch, version = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
programs = [line.split("\t")[1] for line in open(program_list, encoding="utf-8").read().splitlines()]
expected = [path.rsplit("/", 1)[1] for path in programs] + ["读我.txt", "LICENSE.txt"]
problems = []
with zipfile.ZipFile(zip_path) as archive:
    names = archive.namelist()
    if names != expected:
        problems.append(f"holds {names}, not {expected}")
    if archive.comment:
        problems.append("has a comment")
    if archive.testzip() is not None:
        problems.append(f"{archive.testzip()} is damaged")
    stamp = time.gmtime(epoch - epoch % 2)[:6]  # the zip keeps even seconds
    for info in archive.infolist():
        if info.extra:
            problems.append(f"{info.filename} has extra fields")
        if info.date_time != stamp:
            problems.append(f"{info.filename} has the time {info.date_time}, not the commit's {stamp}")
    for path in programs:
        name = path.rsplit("/", 1)[1]
        if name in names and archive.read(name) != open(path, "rb").read():
            problems.append(f"{name} is not the built program")
    if "读我.txt" in names:
        note = archive.read("读我.txt")
        text = note[3:].decode("utf-8")
        if not note.startswith(b"\xef\xbb\xbf") or "\n" in text.replace("\r\n", "") or "@VERSION@" in text \
                or version not in text:
            problems.append("读我.txt is not UTF-8 with a byte order mark, CR LF lines and the version")
for problem in problems:
    print(f"FAIL: {zip_path.rsplit('/', 1)[1]} {problem}")
sys.exit(1 if problems else 0)
EOF
done

if [ "$failures" -ne 0 ]; then echo "$failures release check(s) failed"; exit 1; fi
echo "release: two runs gave the same zips and SHA256SUMS, each zip as expected:"
sed 's/^/  /' "$work/one/SHA256SUMS"
