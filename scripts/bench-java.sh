#!/usr/bin/env bash
# Speed of the Java library (docs/java.md's figures): builds the optimised
# libidnumber.so (preset release) and the Java classes with Maven offline,
# writes 10^6 numbers with bench_numbers.py (70% valid, the rest evenly over
# the four refusals; the same file every run) and runs VerifyBenchmark
# (bindings/java/src/test/java/.../VerifyBenchmark.java) on Java 17 and on
# every newer JDK installed: the batch call, the crossing into native memory
# alone, every field of every verdict, one verify, isValid and the SQL
# function through reflection, each beside a hand-written pure-Java loop in
# the same JVM. Run scripts/test-java.sh once first for the Debian packages.
#
#   scripts/bench-java.sh [LINES] [RUNS]      (10^6 and 7)
#   LOAD_LIMIT=1.5 scripts/bench-java.sh      (wait for a lower load first)
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-1000000}
runs=${2:-7}

cmake --preset release >/dev/null
cmake --build --preset release -j 2 --target idnumber >/dev/null
install -D -m 644 "$(readlink -f build/release/capi/libidnumber.so)" build/java-natives/linux-x86-64/libidnumber.so
mvn -o -B -q -Dstyle.color=never -f bindings/java/pom.xml -Dmaven.repo.local=/usr/share/maven-repo test-compile

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_numbers.py --count "$lines" "$work/numbers.txt"

. scripts/bench_machine.sh
wait_for_quiet_machine

classpath="bindings/java/target/classes:bindings/java/target/test-classes:/usr/share/java/jna.jar"
javas=("$(command -v java)")
for candidate in /usr/lib/jvm/*/bin/java; do
    major=$("$candidate" -version 2>&1 | sed -n 's/.*version "\([0-9]*\).*/\1/p' | head -n 1)
    [ -n "$major" ] && [ "$major" -gt 17 ] && javas+=("$(readlink -f "$candidate")")
done
for java in $(printf '%s\n' "${javas[@]}" | awk '!seen[$0]++'); do
    echo
    "$java" -Xms1g -Xmx2g --enable-native-access=ALL-UNNAMED -cp "$classpath" \
        org.idnumbertool.idnumber.VerifyBenchmark "$work/numbers.txt" "$runs"
done
say_load_after
