#!/usr/bin/env bash
# The release as users get it (docs/building.md, "The release check"):
#   - scripts/release.sh makes the release twice, into two temporary folders
#     at two times, and every file is the same bytes both times (the second
#     run beside the checks below, which use the first). The second
#     run builds the Debian packages and the Python wheel from scratch again,
#     each in a temporary folder of its own (another path than the first
#     run's), recompiles the jar's classes and packs every artifact again;
#     the programs and libraries of the presets (the Windows programs, the
#     WebAssembly module, the jar's native libraries) it packs as the first
#     run built them: tests/check_reproducible_build.sh builds those twice in
#     other folders;
#   - every artifact read without installing it: tests/release/check_artifacts.py
#     (one version in every name, package, program and control field, the
#     zips' notes against their listings, the wheel's metadata, the npm
#     tarball's scripts, the web page's archive against the built page);
#     each zip's entries as packed (order, times, no extra fields, the
#     programs byte for byte as built, the notes ready for Notepad); the
#     manifests' versions (scripts/sync_version.py --check); sha256sum -c;
#   - the install lines of the README and of every page, run as they are
#     written, each on a machine without the project's packages
#     (tests/docs/check_pages.py install);
#   - the Debian packages by tests/debian/check_packages.sh (lintian,
#     apt-get install, each used, the MariaDB module removed, purged); the
#     wheel in a fresh venv of Debian's python3; the npm tarball in a fresh
#     project, by import and by require; the jar alone with Debian's JNA in a
#     fresh JVM; the web page's archive unpacked, served over HTTP and every
#     file fetched;
#   - every example of the pages against the release as installed
#     (tests/docs/check_examples.sh).
# Needs root (apt-get). The steps that install into the system hold a lock
# of the machine's (/tmp/idnumber-system-packages.lock), so that two release
# checks on one machine do not install and purge under each other.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
second=
# The second release runs in a process group of its own (setsid), stopped whole on an early exit.
trap '[ -z "$second" ] || kill -- "-$second" 2>/dev/null; wait; rm -rf "$work"' EXIT
chmod 755 "$work"
cd "$root"

started=$SECONDS
scripts/release.sh "$work/one"
echo "release: made in $((SECONDS - started)) s"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

version=$(scripts/release_version.sh)
python3 tests/release/check_artifacts.py "$work/one" build/wasm/web || failures=$((failures + 1))
python3 scripts/sync_version.py --check || failures=$((failures + 1))
(cd "$work/one" && sha256sum --quiet --strict -c SHA256SUMS) || fail "sha256sum -c SHA256SUMS"

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
        if not note.startswith(b"\xef\xbb\xbf") or "\n" in text.replace("\r\n", "") or "@" in text \
                or version not in text:
            problems.append("读我.txt is not UTF-8 with a byte order mark, CR LF lines and the version, all filled in")
for problem in problems:
    print(f"FAIL: {zip_path.rsplit('/', 1)[1]} {problem}")
sys.exit(1 if problems else 0)
EOF
done

# The second release, at another time, while the first is put to use: it
# reads and writes the build folders, which nothing below reads.
sleep 2  # a zip's clock ticks in 2 seconds
second_started=$SECONDS
setsid scripts/release.sh "$work/two" >"$work/two.log" 2>&1 &
second=$!

wheel=$(cd "$work/one" && ls idnumber-"$version"-cp*-linux_x86_64.whl)
wheel_installs() {
    /usr/bin/python3 -m venv --system-site-packages "$work/venv" &&
        "$work/venv/bin/pip" install -q --no-index --no-deps "$work/one/$wheel" &&
        [ -f "$work/venv/share/doc/idnumber/examples/dask_verify.py" ] &&
        (cd "$work" && venv/bin/python -c 'import idnumber, sys
assert idnumber.__file__.startswith(sys.prefix), idnumber.__file__
v = idnumber.verify("11010519491231002X")
assert v.valid and v.sex == "女" and idnumber.__version__ == sys.argv[1], (v, idnumber.__version__)' "$version")
}
wheel_installs || fail "the wheel in a fresh venv"

npm_installs() (
    mkdir "$work/npm" && cd "$work/npm" && npm init -y >/dev/null &&
        npm install --offline --no-audit --no-fund "$work/one/idnumber-$version.tgz" >/dev/null &&
        node --input-type=module -e "import { verify } from 'idnumber'; if (!verify('11010519491231002X').valid) process.exit(1);" &&
        node -e "const { verify } = require('idnumber'); if (verify('11010519491231002X').sex !== '女') process.exit(1);"
)
npm_installs || fail "the npm tarball in a fresh project, by import and require"

jar_runs() (
    mkdir "$work/java" && cd "$work/java" && cp "$work/one/idnumber-$version.jar" . &&
        cat >Check.java <<'JAVA' &&
public class Check {
    public static void main(String[] args) {
        org.idnumbertool.idnumber.Verdict v = org.idnumbertool.idnumber.IdNumber.verify("11010519491231002X");
        if (!v.isValid()) throw new AssertionError(v);
        System.out.println("jar: " + v.getBirthDate().get());
    }
}
JAVA
        javac -cp "idnumber-$version.jar" Check.java && java -cp "idnumber-$version.jar:/usr/share/java/jna.jar:." Check
)
jar_runs || fail "the jar with Debian's JNA in a fresh JVM"

# The web page's archive as docs/web.md serves it: every file fetched over HTTP, the same bytes.
web_serves() {
    (cd "$work" && python3 -m zipfile -e "$work/one/idnumber-web-$version.zip" web) &&
        python3 - "$work/web/idnumber-web-$version" <<'EOF'
import functools, http.server, pathlib, sys, threading, urllib.request
site = pathlib.Path(sys.argv[1])
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=str(site)))
threading.Thread(target=server.serve_forever, daemon=True).start()
try:
    files = [path for path in site.rglob("*") if path.is_file()]
    for path in files:
        with urllib.request.urlopen(f"http://127.0.0.1:{server.server_port}/{path.relative_to(site)}") as answer:
            assert answer.read() == path.read_bytes(), path
    with urllib.request.urlopen(f"http://127.0.0.1:{server.server_port}/") as answer:
        assert b"<html" in answer.read().lower(), "no page at /"
    print(f"web: {len(files)} files served from the archive's folder")
finally:
    server.shutdown()
EOF
}
web_serves || fail "the web page's archive, unpacked and served"

# What installs into the system, one release check of the machine at a time.
exec 9>/tmp/idnumber-system-packages.lock
flock 9
python3 tests/docs/check_pages.py install "$work/one" || fail "the install lines of the README and the pages"
tests/debian/check_packages.sh "$work/one" || fail "the Debian packages"
tests/docs/check_examples.sh "$work/one" || fail "the pages' examples against the installed release"
flock -u 9

if wait "$second"; then
    second=
    echo "release: made again in $((SECONDS - second_started)) s, beside the checks"
    for file in $(cd "$work/one" && ls) $(cd "$work/two" && ls); do
        cmp -s "$work/one/$file" "$work/two/$file" || fail "$file differs between two runs of scripts/release.sh"
    done
else
    tail -40 "$work/two.log"
    fail "the second run of scripts/release.sh"
fi

if [ "$failures" -ne 0 ]; then echo "$failures release check(s) failed"; exit 1; fi
echo "release: every artifact as expected, installed and working, the same in two runs; every page's example as shown:"
sed 's/^/  /' "$work/one/SHA256SUMS"
