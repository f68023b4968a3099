#!/usr/bin/env bash
# Tests the MariaDB loadable functions (databases/mariadb/) on a MariaDB 10.11
# server of its own: installs the Debian packages it needs, builds the
# `release` preset's libraries and idtool, the `native` preset's sanitized
# library, and idnumber_udf.so, then runs:
#   - test/udf_harness, which calls the module without a server as the
#     server calls it: rows allocate nothing, every init checks its
#     arguments and hands its refusal to the server's error service whole;
#     and the same harness and module under AddressSanitizer and UBSan;
# then mariadb-install-db into a temporary folder and mariadbd there as the
# mysql user with --skip-networking, its socket and plugin directory in that
# folder. On that server:
#   - install.sql loads the functions into a database; test/idnumber.sql
#     gives exactly test/idnumber.out (valid and refused numbers, NULL,
#     1 MiB texts, bytes that are no UTF-8, the year limit given, generated
#     columns, masks of GBK, UTF-16, UTF-32 and latin1 columns, generation,
#     prepared statements, every refused argument with its message, and
#     ages on dates);
#   - the conformance corpus (test/conformance.py, in Debian's Python,
#     over the mariadb client);
#   - 10^6 numbers of scripts/bench_numbers.py loaded with LOAD DATA LOCAL
#     INFILE, and the counts of GROUP BY idn_reason(id) equal to idtool
#     verify --summary's on the same file;
#   - idn_generate with a seed gives idtool generate's numbers;
#   - uninstall.sql drops the functions and install.sql loads them again.
# A trap stops the server and removes the folder, also when a check fails.
# Ends with "N passed, N failed" and the time taken; exits non-zero on any
# failure.
set -eu
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh
root=$PWD
started=$SECONDS

packages=(cmake ninja-build g++ clang python3 libcli11-dev mariadb-server libmariadb-dev)
install_missing_packages "${packages[@]}"

# Only what the tests need: another build may use the same folders.
cmake --preset release >/dev/null
cmake --build --preset release -j 2 --target idnumber idnumber_static idtool
cmake --preset native >/dev/null
cmake --build --preset native -j 2 --target idnumber_static
idtool=$root/build/release/idtool

# The module builds with Clang too, warnings as errors; GCC's build is the
# one tested.
make -C databases/mariadb --no-print-directory -s clean
make -C databases/mariadb --no-print-directory -s CC=clang WERROR=-Werror
make -C databases/mariadb --no-print-directory -s clean
make -C databases/mariadb --no-print-directory -s WERROR=-Werror

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

# Without a server: rows allocate nothing, every init checks its arguments.
if make -C databases/mariadb --no-print-directory -s WERROR=-Werror check; then pass "udf_harness"; else
    fail "udf_harness"; fi
if make -C databases/mariadb --no-print-directory -s WERROR=-Werror check-sanitized; then
    pass "udf_harness under AddressSanitizer and UBSan"; else fail "udf_harness under AddressSanitizer and UBSan"; fi

work=$(mktemp -d)
# shellcheck source=databases/mariadb/server.sh
. databases/mariadb/server.sh
cleanup() {
    mariadb_server_stop "$work" || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

sql_value() { mariadb_client --batch --skip-column-names "$@"; }
# The loadable functions of the module, and whether idn_mask is a routine of the database idn_test.
installed() {
    sql_value -e "SELECT CONCAT((SELECT COUNT(*) FROM mysql.func WHERE dl = 'idnumber_udf.so'), ' ',
                                (SELECT COUNT(*) FROM information_schema.ROUTINES
                                 WHERE ROUTINE_SCHEMA = 'idn_test' AND ROUTINE_NAME = 'idn_mask'))"
}

mariadb_server_start "$work"
echo "server: $(sql_value -e 'SELECT VERSION()')"
# The module goes into the plugin directory before it is loaded: a module
# replaced while the server has it loaded brings the server down.
install -m 755 databases/mariadb/idnumber_udf.so "$work/plugins/"
mariadb_client -e 'CREATE DATABASE idn_test CHARACTER SET utf8mb4'
mariadb_client idn_test <databases/mariadb/install.sql
loaded=$(installed)
if [ "$loaded" = "18 1" ]; then pass "install.sql loaded 18 loadable functions and the stored function idn_mask"; else
    fail "install.sql loaded '$loaded' (loadable functions, idn_mask)"; fi

# The client's output and its error messages in the order they come.
stdbuf -o0 mariadb --no-defaults --socket="$work/mariadb.sock" --user=root --default-character-set=utf8mb4 \
    --table -vv --force idn_test <databases/mariadb/test/idnumber.sql >"$work/idnumber.out" 2>&1 || true
if diff -u databases/mariadb/test/idnumber.out "$work/idnumber.out"; then
    pass "test/idnumber.sql gives test/idnumber.out"
else
    fail "test/idnumber.sql differs from test/idnumber.out"
fi

if /usr/bin/python3 databases/mariadb/test/conformance.py --socket "$work/mariadb.sock" \
    --library build/release/capi/libidnumber.so; then pass "the conformance corpus"; else
    fail "the conformance corpus"; fi

# 10^6 rows, loaded from the file idtool reads.
numbers=$work/numbers.txt
python3 scripts/bench_numbers.py --count 1000000 "$numbers"
status=0
"$idtool" verify --only-invalid --summary "$numbers" >/dev/null 2>"$work/summary" || status=$?
[ "$status" -eq 1 ] || { cat "$work/summary" >&2; fail "idtool verify exited $status"; }
expected=$(sed 's/^idtool: verify: //' "$work/summary")
mariadb_client --local-infile=1 -e "CREATE DATABASE idn_rows; USE idn_rows;
    CREATE TABLE ids (id VARCHAR(64) NOT NULL);
    LOAD DATA LOCAL INFILE '$numbers' INTO TABLE ids (id);"
got=$(sql_value idn_rows -e "
SELECT CONCAT(SUM(n), ' lines, ', SUM(IF(reason IS NULL, n, 0)), ' valid, ',
              SUM(IF(reason = 'length', n, 0)), ' length, ', SUM(IF(reason = 'characters', n, 0)), ' characters, ',
              SUM(IF(reason = 'check', n, 0)), ' check, ', SUM(IF(reason = 'date', n, 0)), ' date')
FROM (SELECT idn_reason(id) AS reason, COUNT(*) AS n FROM ids GROUP BY 1) AS counts")
if [ "$got" = "$expected" ]; then pass "GROUP BY idn_reason(id) = idtool verify --summary: $got"; else
    fail "GROUP BY idn_reason(id) gave '$got', idtool '$expected'"; fi
invalid=$(sql_value idn_rows -e "SELECT COUNT(*) FROM ids WHERE NOT idn_valid(id)")
valid=$(sed 's/.* lines, \([0-9]*\) valid.*/\1/' <<<"$expected")
if [ "$invalid" -eq $((1000000 - valid)) ]; then pass "COUNT of NOT idn_valid(id): $invalid"; else
    fail "COUNT of NOT idn_valid(id) gave $invalid"; fi

# idn_generate with a seed gives idtool generate's numbers: number i of the
# plan for each i of a sequence table.
compare_generate() {
    local sql=$1 count=$2
    shift 2
    if diff <("$idtool" generate "$@" 2>/dev/null) \
        <(sql_value idn_rows -e "SELECT idn_generate($sql, seq) FROM seq_0_to_$((count - 1)) ORDER BY seq") \
        >"$work/diff"; then
        pass "idn_generate($sql, i) = idtool generate $*"
    else
        head "$work/diff"
        fail "idn_generate($sql, i) differs from idtool generate $*"
    fi
}
compare_generate "'110105', '19491001', NULL, NULL, 3, 7" 3 --region 110105 --birth 19491001 --count 3 --seed 7
compare_generate "'阳泉市/城区', '19800101', '19891231', 'female', 10000, 1" 10000 \
    --region 阳泉市/城区 --born-between 19800101 19891231 --sex female --count 10000 --seed 1
compare_generate "440303, 19490231, NULL, '男', 499, -1" 499 \
    --region 440303 --birth 19490231 --sex male --count 499 --seed 18446744073709551615
compare_generate "'新疆维吾尔自治区/乌鲁木齐市/天山区', '19500101', '20001231', NULL, 100000, 123456789" 100000 \
    --region 新疆维吾尔自治区/乌鲁木齐市/天山区 --born-between 19500101 20001231 --count 100000 --seed 123456789

mariadb_client idn_test <databases/mariadb/uninstall.sql
left=$(installed)
mariadb_client idn_test <databases/mariadb/install.sql
mariadb_client idn_test <databases/mariadb/install.sql
again=$(sql_value idn_test -e "SELECT CONCAT(idn_valid('11010519491231002X'), ' ', idn_mask('11010519491231002X'))")
if [ "$left" = "0 0" ] && [ "$(installed)" = "18 1" ] && [ "$again" = "1 110105********002X" ]; then
    pass "uninstall.sql drops every function; install.sql, run twice, loads them again"
else
    fail "uninstall.sql left '$left'; install.sql loaded '$(installed)'; idn_valid and idn_mask gave '$again'"
fi

echo "mariadb: $passed passed, $failed failed in $((SECONDS - started)) s"
[ "$failed" -eq 0 ]
