#!/usr/bin/env bash
# Tests the MariaDB loadable functions (databases/mariadb/) on a MariaDB 10.11
# server of its own: installs the Debian packages it needs, builds the
# `release` preset (for libidnumber.a and idtool) and idnumber_udf.so, then
# mariadb-install-db into a temporary folder and starts mariadbd there with
# --skip-networking, its socket and plugin directory in that folder. On that
# server (after test/udf_harness, which calls the module without one and
# counts its allocations: none per row):
#   - install.sql loads the functions; test/idnumber.sql gives exactly
#     test/idnumber.out (valid and refused numbers, NULL, 1 MiB texts,
#     invalid UTF-8 and binary bytes, conversions, generation, and the
#     argument checks of every init);
#   - 10^6 numbers of scripts/bench_numbers.py loaded with LOAD DATA LOCAL
#     INFILE, and the counts of GROUP BY idn_reason(id) equal to idtool
#     verify --summary's on the same file;
#   - idn_generate with a seed gives idtool generate's numbers;
#   - uninstall.sql drops the functions and install.sql loads them again.
# A trap stops the server and removes the folder, also when a check fails.
# Ends with "N passed, N failed"; exits non-zero on any failure.
set -eu
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh
root=$PWD

packages=(cmake ninja-build g++ python3 libcli11-dev mariadb-server libmariadb-dev)
install_missing_packages "${packages[@]}"

cmake --preset release >/dev/null
cmake --build --preset release -j 2
idtool=$root/build/release/idtool

make -C databases/mariadb --no-print-directory -s clean
make -C databases/mariadb --no-print-directory -s

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

# Without a server: rows allocate nothing, every init checks its arguments.
if make -C databases/mariadb --no-print-directory -s check; then pass "udf_harness"; else fail "udf_harness"; fi

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

mariadb_server_start "$work"
echo "server: $(sql_value -e 'SELECT VERSION()')"
# The module goes into the plugin directory before it is loaded: a module
# replaced while the server has it loaded brings the server down.
install -m 755 databases/mariadb/idnumber_udf.so "$work/plugins/"
mariadb_client <databases/mariadb/install.sql
pass "install.sql loaded $(sql_value -e "SELECT COUNT(*) FROM mysql.func WHERE dl = 'idnumber_udf.so'") functions"

# The client's output and its error messages in the order they come.
stdbuf -o0 mariadb --no-defaults --socket="$work/mariadb.sock" --user=root --default-character-set=utf8mb4 \
    --table -vv --force <databases/mariadb/test/idnumber.sql >"$work/idnumber.out" 2>&1 || true
if diff -u databases/mariadb/test/idnumber.out "$work/idnumber.out"; then
    pass "test/idnumber.sql gives test/idnumber.out"
else
    fail "test/idnumber.sql differs from test/idnumber.out"
fi

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
    if diff <("$idtool" generate "$@") \
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
compare_generate "440303, 19490231, NULL, 'male', 499, 18446744073709551615" 499 \
    --region 440303 --birth 19490231 --sex male --count 499 --seed 18446744073709551615
compare_generate "'新疆维吾尔自治区/乌鲁木齐市/天山区', '19500101', '20001231', NULL, 100000, 123456789" 100000 \
    --region 新疆维吾尔自治区/乌鲁木齐市/天山区 --born-between 19500101 20001231 --count 100000 --seed 123456789

mariadb_client <databases/mariadb/uninstall.sql
left=$(sql_value -e "SELECT COUNT(*) FROM mysql.func WHERE dl = 'idnumber_udf.so'")
mariadb_client <databases/mariadb/install.sql
again=$(sql_value -e "SELECT idn_valid('11010519491231002X')")
if [ "$left" -eq 0 ] && [ "$again" = 1 ]; then pass "uninstall.sql drops the functions; install.sql loads them again"; else
    fail "uninstall.sql left $left functions; idn_valid after install.sql: $again"; fi

echo "mariadb: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
