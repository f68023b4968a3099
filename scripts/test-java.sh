#!/usr/bin/env bash
# The Java face (bindings/java): builds the two native libraries the jar
# carries with the CMake presets (release: libidnumber.so, and idtool for the
# tests to compare with; win64: only idnumber.dll), gathers them under the
# names the jar holds them by, and builds and tests the jar with Maven offline
# against Debian's /usr/share/maven-repo: the conformance corpus (find and
# redact whole and in pieces among it), 10^6 lines against idtool, 8 threads
# at once, hostile input, the SQL functions called as reflect() calls them,
# the binding against the header and the C compilers, the logging converters
# through real logback and Log4j 2 configurations, then (after packaging) the
# jar's contents, the jar alone in an empty folder with a fresh JVM of each
# JDK at hand, and services logging through SLF4J and Log4j's API. The
# tests run again on every newer JDK installed, and the benchmark once on a
# few lines so that it cannot rot.
#
# Installs what it needs from Debian's packages first (idempotent). Ends with
# one line, "java: N passed, N failed, N skipped", and exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh
packages=(
    cmake ninja-build g++ python3 libcli11-dev googletest nlohmann-json3-dev   # the presets
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64                       # the Windows x64 DLL
    openjdk-17-jdk-headless maven                                              # the build
    libjna-java libjna-jni                                                     # the library's one dependency
    liblogback-java libslf4j-java liblog4j2-java                               # the converters (provided)
    junit5 libgoogle-gson-java                                                 # the tests
    libmaven-resources-plugin-java libmaven-compiler-plugin-java
    libmaven-jar-plugin-java libsurefire-java libmaven-install-plugin-java
)
install_missing_packages "${packages[@]}"

echo "== native libraries: release (with idtool), win64"
scripts/stage-java-natives.sh idtool

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_numbers.py --count 1000000 "$work/lines.txt"

# Every other JDK newer than the one that builds: the jar runs there in an empty folder, and the
# tests run there once more.
java_major() { "$1" -version 2>&1 | sed -n 's/.*version "\([0-9]*\).*/\1/p' | head -n 1; }
base_major=$(java_major java)
newer=()
for candidate in /usr/lib/jvm/*/bin/java; do
    [ -x "$candidate" ] || continue
    major=$(java_major "$candidate")
    if [ -n "$major" ] && [ "$major" -gt "$base_major" ]; then
        newer+=("$(readlink -f "$candidate")")
    fi
done
mapfile -t newer < <(printf '%s\n' "${newer[@]+"${newer[@]}"}" | sort -u | sed '/^$/d')
javas=$(IFS=:; echo "${newer[*]+"${newer[*]}"}")

maven=(mvn -o -B -Dstyle.color=never -f bindings/java/pom.xml -Dmaven.repo.local=/usr/share/maven-repo -Didnumber.werror=true
       -Didnumber.lines="$work/lines.txt" -Didnumber.javas="$javas")
reports=bindings/java/target/surefire-reports
status=0
echo "== the jar: build and test on Java $base_major (Maven, offline)"
# Debian's maven-clean-plugin lacks a dependency offline: the folder is removed here instead.
rm -rf bindings/java/target
"${maven[@]}" package || status=$?

for java in "${newer[@]+"${newer[@]}"}"; do
    major=$(java_major "$java")
    echo "== the tests again on Java $major ($java)"
    "${maven[@]}" surefire:test@default-test -Djvm="$java" \
        -Didnumber.reports="$PWD/bindings/java/target/surefire-reports-java$major" || status=$?
done

if [ "$status" -eq 0 ]; then
    jar=bindings/java/target/idnumber-$(scripts/release_version.sh).jar
    python3 - "$jar" <<'EOF'
import os, sys, zipfile
jar = zipfile.ZipFile(sys.argv[1])
entries = [e for e in jar.infolist() if not e.is_dir()]
classes = [e for e in entries if e.filename.endswith(".class")]
print(f"== {sys.argv[1]}: {os.path.getsize(sys.argv[1])} bytes, {len(entries)} files, "
      f"{sum(e.file_size for e in entries)} bytes unpacked; {len(classes)} classes "
      f"({sum(e.file_size for e in classes)} bytes)")
for e in entries:
    if not e.filename.endswith(".class") and not e.filename.startswith("META-INF/"):
        print(f"   {e.filename}: {e.file_size} bytes ({e.compress_size} packed)")
EOF
    echo "== the benchmark, once on 10^4 lines (scripts/bench-java.sh measures)"
    head -n 10000 "$work/lines.txt" >"$work/few.txt"
    java -cp "bindings/java/target/classes:bindings/java/target/test-classes:/usr/share/java/jna.jar" \
        org.idnumbertool.idnumber.VerifyBenchmark "$work/few.txt" 1 >/dev/null || status=$?
fi

# The count of every Surefire report, of every JDK; a build that failed before its tests counts as one failure.
python3 - bindings/java/target "$status" <<'EOF'
import glob, sys, xml.etree.ElementTree as ET
tests = failed = skipped = 0
for report in glob.glob(sys.argv[1] + "/surefire-reports*/TEST-*.xml"):
    suite = ET.parse(report).getroot()
    tests += int(suite.get("tests", 0))
    failed += int(suite.get("failures", 0)) + int(suite.get("errors", 0))
    skipped += int(suite.get("skipped", 0))
passed = tests - failed - skipped
if sys.argv[2] != "0" and failed == 0:
    print("java: the build or a step outside the tests failed (see above)")
    failed = 1
print(f"java: {passed} passed, {failed} failed, {skipped} skipped")
EOF
exit "$status"
