#!/usr/bin/env bash
# The release as users get it. scripts/release.sh writes every artifact into a
# temporary folder, and its Windows zips once more into another, and then:
#   - the zips are the same bytes both times; each holds exactly the built
#     programs, 读我.txt and LICENSE.txt, in that order, all with the commit's
#     time and no extra fields, the programs byte for byte as built and the
#     notes ready for Notepad;
#   - the folder holds the two zips, the seven Debian packages, the Python
#     sdist and wheel, the npm tarball, the jar and SHA256SUMS, nothing else,
#     and sha256sum -c passes;
#   - each artifact installs and works as its page says: the Debian packages
#     by tests/debian/check_packages.sh (lintian, apt-get install, each used,
#     purged); the wheel into a fresh venv of Debian's python3; the npm
#     tarball into a fresh project, by import and by require; the jar alone
#     with Debian's JNA in a fresh JVM.
# Needs root for the Debian packages.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cd "$root"

scripts/release.sh "$work/one"
sleep 2  # a zip's clock ticks in 2 seconds: the second run is at another time
scripts/release.sh --windows-only "$work/two" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

version=$(scripts/release_version.sh)
library=$version
debs="idtool libidnumber-dev libidnumber2 libsqlite3-mod-idnumber mariadb-plugin-idnumber postgresql-15-idnumber python3-idnumber"
expected_files="IdNumberTool-$version-win32.zip IdNumberTool-$version-win64.zip SHA256SUMS"
for deb in $debs; do expected_files+=" ${deb}_${library}_amd64.deb"; done
wheel=$(cd "$work/one" && ls idnumber-"$library"-cp*-linux_x86_64.whl 2>/dev/null || true)
expected_files+=" idnumber-$library.tar.gz idnumber-$library.tgz idnumber-$library.jar ${wheel:-idnumber-$library-WHEEL.whl}"
expected_files=$(echo "$expected_files" | tr ' ' '\n' | LC_ALL=C sort | tr '\n' ' ')
actual=$(cd "$work/one" && ls | LC_ALL=C sort | tr '\n' ' ')
[ "$actual" = "$expected_files" ] || fail "the release holds $actual, not $expected_files"
for zip in IdNumberTool-$version-win32.zip IdNumberTool-$version-win64.zip; do
    cmp -s "$work/one/$zip" "$work/two/$zip" || fail "$zip differs between two runs"
done
(cd "$work/one" && sha256sum --quiet --strict -c SHA256SUMS) || fail "sha256sum -c SHA256SUMS"
[ "$(cut -d' ' -f3 "$work/one/SHA256SUMS" | LC_ALL=C sort | tr '\n' ' ')" = "$(echo "$expected_files" | tr ' ' '\n' |
    grep -v '^SHA256SUMS$' | sed '/^$/d' | tr '\n' ' ')" ] || fail "SHA256SUMS does not list exactly the release's files"

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

# Each artifact installed and used as its page says.
tests/debian/check_packages.sh "$work/one" || fail "the Debian packages"

wheel_installs() {
    /usr/bin/python3 -m venv --system-site-packages "$work/venv" &&
        "$work/venv/bin/pip" install -q --no-index --no-deps "$work/one/$wheel" &&
        (cd "$work" && venv/bin/python -c 'import idnumber, sys
assert idnumber.__file__.startswith(sys.prefix), idnumber.__file__
v = idnumber.verify("11010519491231002X")
assert v.valid and v.sex == "女" and idnumber.__version__ == sys.argv[1], (v, idnumber.__version__)' "$library")
}
wheel_installs || fail "the wheel in a fresh venv"

npm_installs() (
    mkdir "$work/npm" && cd "$work/npm" && npm init -y >/dev/null &&
        npm install --offline --no-audit --no-fund "$work/one/idnumber-$library.tgz" >/dev/null &&
        node --input-type=module -e "import { verify } from 'idnumber'; if (!verify('11010519491231002X').valid) process.exit(1);" &&
        node -e "const { verify } = require('idnumber'); if (verify('11010519491231002X').sex !== '女') process.exit(1);"
)
npm_installs || fail "the npm tarball in a fresh project, by import and require"

jar_runs() (
    mkdir "$work/java" && cd "$work/java" && cp "$work/one/idnumber-$library.jar" . &&
        cat >Check.java <<'JAVA' &&
public class Check {
    public static void main(String[] args) {
        org.idnumbertool.idnumber.Verdict v = org.idnumbertool.idnumber.IdNumber.verify("11010519491231002X");
        if (!v.isValid()) throw new AssertionError(v);
        System.out.println("jar: " + v.getBirthDate().get());
    }
}
JAVA
        javac -cp "idnumber-$library.jar" Check.java && java -cp "idnumber-$library.jar:/usr/share/java/jna.jar:." Check
)
jar_runs || fail "the jar with Debian's JNA in a fresh JVM"

if [ "$failures" -ne 0 ]; then echo "$failures release check(s) failed"; exit 1; fi
echo "release: every artifact as expected and working; the zips the same in two runs:"
sed 's/^/  /' "$work/one/SHA256SUMS"
