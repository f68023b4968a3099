#!/usr/bin/env bash
# Tests the PostgreSQL extension (databases/postgresql/) on a PostgreSQL 15
# server of its own: installs the Debian packages it needs, builds the
# `release` preset's libraries and idtool and the extension, installs the
# extension into the server's own directories (pg_config's pkglibdir and
# sharedir), then initdb into a temporary folder and starts the server there
# with no TCP port, its socket in that folder. On that server:
#   - the regression tests (pg_regress: sql/ against expected/), the update
#     of a database from the extension's version 2.0.0, finding and
#     redaction, and the view that gives a reporting role a de-identified
#     column among them;
#   - the conformance corpus (databases/postgresql/conformance.py, in
#     Debian's Python, over psql);
#   - 10^6 numbers of scripts/bench_numbers.py loaded with COPY, and the
#     counts of GROUP BY idn_reason(id) equal to idtool verify --summary's
#     on the same file, once in a serial and once in a parallel plan;
#   - idn_redact_number and idn_find over the same rows give the same
#     sums in parallel workers as in one process;
#   - EXPLAIN allows a parallel plan for the count with
#     max_parallel_workers_per_gather 2;
#   - idn_generate with a seed gives idtool generate's numbers.
# Then, on a second server whose clock libfaketime sets to 16:30 UTC on 31
# December 2030 (00:30 on 1 January 2031 in Asia/Shanghai): rows born in 2031
# inserted from a Shanghai session, dumped with pg_dump and restored with
# pg_restore from a UTC session. A CHECK of idn_valid(id) loses the table's
# rows there; one of idn_valid(id, 2031) keeps every row.
# A trap stops the servers and removes the folder, also when a check fails.
# Ends with "N passed, N failed"; exits non-zero on any failure.
set -eu
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh
root=$PWD

packages=(cmake ninja-build g++ clang python3 libcli11-dev postgresql-15 postgresql-server-dev-15 libfaketime)
install_missing_packages "${packages[@]}"
faketime=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$')

cmake --preset release >/dev/null
# Only what the tests need: another build may use the same folder.
cmake --build --preset release -j 2 --target idnumber idnumber_static idtool
idtool=$root/build/release/idtool

export PG_CONFIG=/usr/lib/postgresql/15/bin/pg_config
# The module builds with Clang too, warnings as errors; GCC's build is the
# one tested.
make -C databases/postgresql --no-print-directory -s clean
make -C databases/postgresql --no-print-directory -s CC=clang WERROR=-Werror
make -C databases/postgresql --no-print-directory -s clean
make -C databases/postgresql --no-print-directory -s WERROR=-Werror
as_root make -C databases/postgresql --no-print-directory -s install

work=$(mktemp -d)
# shellcheck source=databases/postgresql/server.sh
. databases/postgresql/server.sh
cleanup() {
    pg_server_stop "$work/clock" || true
    pg_server_stop "$work" || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
psql_value() { psql -X -q -v ON_ERROR_STOP=1 -A -t "$@"; }

pg_server_start "$work"
echo "server: $(psql_value -c 'SELECT version()')"

# pg_regress writes its results beside the tests; they are left there on a
# failure, with regression.diffs, for reading.
if make -C databases/postgresql --no-print-directory installcheck; then
    pass "pg_regress: idnumber, idnumber_encodings, idnumber_owner, idnumber_update, idnumber_scan, idnumber_redact_view"
else
    cat databases/postgresql/regression.diffs 2>/dev/null || true
    fail "pg_regress"
fi

# The conformance corpus through the SQL functions; it names each failure.
if PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 databases/postgresql/conformance.py \
    --library "$root/build/release/capi/libidnumber.so" >"$work/conformance" 2>&1; then
    pass "$(tail -n 1 "$work/conformance")"
else
    grep -v '^skipped' "$work/conformance" || true
    fail "the conformance corpus"
fi

# 10^6 rows, loaded from the file idtool reads.
numbers=$work/numbers.txt
python3 scripts/bench_numbers.py --count 1000000 "$numbers"
chmod 644 "$numbers"
status=0
"$idtool" verify --only-invalid --summary "$numbers" >/dev/null 2>"$work/summary" || status=$?
[ "$status" -eq 1 ] || { cat "$work/summary" >&2; fail "idtool verify exited $status"; }
expected=$(sed 's/^idtool: verify: //' "$work/summary")
export PGDATABASE=idn_rows
psql_value -d postgres -c 'CREATE DATABASE idn_rows'
psql_value -c 'CREATE EXTENSION idnumber' -c 'CREATE TABLE ids (id text)' -c "\\copy ids FROM '$numbers'" \
    -c 'VACUUM ANALYZE ids'

summary_query="
SELECT format('%s lines, %s valid, %s length, %s characters, %s check, %s date',
              sum(n), sum(n) FILTER (WHERE reason IS NULL), sum(n) FILTER (WHERE reason = 'length'),
              sum(n) FILTER (WHERE reason = 'characters'), sum(n) FILTER (WHERE reason = 'check'),
              sum(n) FILTER (WHERE reason = 'date'))
FROM (SELECT idn_reason(id) AS reason, count(*) AS n FROM ids GROUP BY 1) AS counts"
serial=$(psql_value -c 'SET max_parallel_workers_per_gather = 0' -c "$summary_query")
if [ "$serial" = "$expected" ]; then pass "GROUP BY idn_reason(id) = idtool verify --summary: $serial"; else
    fail "GROUP BY idn_reason(id) gave '$serial', idtool '$expected'"; fi
# The same in parallel workers, the plan forced so that they surely run.
parallel=$(psql_value -c 'SET max_parallel_workers_per_gather = 2' -c 'SET parallel_setup_cost = 0' \
    -c 'SET parallel_tuple_cost = 0' -c 'SET min_parallel_table_scan_size = 0' -c "$summary_query")
if [ "$parallel" = "$expected" ]; then pass "the same counts from parallel workers"; else
    fail "parallel GROUP BY idn_reason(id) gave '$parallel', idtool '$expected'"; fi

# idn_redact_number and idn_find (PARALLEL SAFE, one prepared scanner per
# call site and process) give the same in parallel workers as in one process.
scan_query="SELECT sum(hashtext(idn_redact_number(id, 'token', '\\x000102030405060708090a0b0c0d0e0f'::bytea,
                                                  min_confidence => 'low'))),
                   count(idn_redact_number(id, 'label')),
                   (SELECT count(*) FROM ids AS i, idn_find(i.id || ' ' || i.id, 'low') AS f)
            FROM ids"
scan_serial=$(psql_value -c 'SET max_parallel_workers_per_gather = 0' -c "$scan_query")
scan_parallel=$(psql_value -c 'SET max_parallel_workers_per_gather = 2' -c 'SET parallel_setup_cost = 0' \
    -c 'SET parallel_tuple_cost = 0' -c 'SET min_parallel_table_scan_size = 0' -c "$scan_query")
if [ -n "$scan_serial" ] && [ "$scan_serial" = "$scan_parallel" ]; then
    pass "idn_redact_number and idn_find: the same sums from parallel workers: $scan_serial"
else
    fail "idn_redact_number and idn_find gave '$scan_serial' serially, '$scan_parallel' in parallel workers"
fi

# With the server's default costs, the planner chooses a parallel plan for
# the count of invalid rows.
plan=$(psql_value -c 'SET max_parallel_workers_per_gather = 2' \
    -c 'EXPLAIN (COSTS OFF) SELECT count(*) FROM ids WHERE NOT idn_valid(id)')
if grep -q 'Gather' <<<"$plan" && grep -q 'Parallel Seq Scan on ids' <<<"$plan" &&
    grep -q 'Workers Planned: 2' <<<"$plan"; then
    pass "EXPLAIN: a parallel plan for the count: $(tr '\n' ' ' <<<"$plan" | tr -s ' ')"
else
    echo "$plan"
    fail "EXPLAIN shows no parallel plan"
fi
workers=$(psql_value -c 'SET max_parallel_workers_per_gather = 2' \
    -c 'EXPLAIN (ANALYZE, COSTS OFF, TIMING OFF, SUMMARY OFF) SELECT count(*) FROM ids WHERE NOT idn_valid(id)' |
    sed -n 's/.*Workers Launched: \([0-9]*\).*/\1/p')
if [ "${workers:-0}" -ge 1 ]; then pass "the count ran in $workers parallel workers"; else
    fail "no parallel worker was launched"; fi

# idn_generate with a seed gives idtool generate's numbers.
compare_generate() {
    local sql=$1
    shift
    if diff <("$idtool" generate "$@") <(psql_value -c "SELECT * FROM idn_generate($sql)") >"$work/diff"; then
        pass "idn_generate($sql) = idtool generate $*"
    else
        head "$work/diff"
        fail "idn_generate($sql) differs from idtool generate $*"
    fi
}
compare_generate "'110105', '19491001', count => 3, seed => 7" --region 110105 --birth 19491001 --count 3 --seed 7
compare_generate "'阳泉市/城区', '19800101', '19891231', 'female', 10000, 1" \
    --region 阳泉市/城区 --born-between 19800101 19891231 --sex female --count 10000 --seed 1
compare_generate "'440303', '19490231', sex => 'male', count => 499, seed => -1" \
    --region 440303 --birth 19490231 --sex male --count 499 --seed 18446744073709551615
compare_generate "'新疆维吾尔自治区/乌鲁木齐市/天山区', '19500101', '20001231', count => 100000, seed => 123456789" \
    --region 新疆维吾尔自治区/乌鲁木齐市/天山区 --born-between 19500101 20001231 --count 100000 --seed 123456789

# Rows lost on restore: a constraint that reads the clock and the session's
# time zone refuses, in pg_restore's COPY, rows that it took when they were
# inserted, and the whole table's copy fails.
pg_server_stop "$work"
mkdir "$work/clock"
pg_server_start "$work/clock" LD_PRELOAD=$faketime "FAKETIME=@2030-12-31 16:30:00" TZ=UTC \
    FAKETIME_DONT_FAKE_MONOTONIC=1
unset PGDATABASE
export PGTZ=Asia/Shanghai
clock=$(psql_value -d postgres -c "SELECT to_char(now(), 'YYYY-MM-DD HH24:MI TZ')")
echo "faked clock, Shanghai: $clock; UTC: $(PGTZ=UTC psql_value -d postgres -c "SELECT to_char(now(), 'YYYY-MM-DD HH24:MI TZ')")"
psql_value -d postgres -c 'CREATE DATABASE idn_source' -c 'CREATE DATABASE idn_restored_utc' \
    -c 'CREATE DATABASE idn_restored_shanghai'
psql_value -d idn_source -c 'CREATE EXTENSION idnumber' \
    -c 'CREATE TABLE clock_form (id text CHECK (idn_valid(id)))' \
    -c 'CREATE TABLE year_form (id text CHECK (idn_valid(id, 2031)))' \
    -c "INSERT INTO clock_form VALUES ('11010519491231002X'), ('110105203101010017')" \
    -c "INSERT INTO year_form VALUES ('11010519491231002X'), ('110105203101010017')"
pg_dump -Fc -d idn_source -f "$work/source.dump"
restore_status=0
PGTZ=UTC pg_restore -d idn_restored_utc "$work/source.dump" 2>"$work/restore_utc.log" || restore_status=$?
pg_restore -d idn_restored_shanghai "$work/source.dump"
rows() { psql_value -d "$1" -c "SELECT (SELECT count(*) FROM clock_form) || ' ' || (SELECT count(*) FROM year_form)"; }
utc_rows=$(rows idn_restored_utc)
if [[ $clock == 2031-01-01* ]] && [ "$(rows idn_source)" = "2 2" ] && [ "$(rows idn_restored_shanghai)" = "2 2" ] &&
    [ "${utc_rows% *}" = 0 ] && [ "$restore_status" -ne 0 ] && grep -q 'clock_form_id_check' "$work/restore_utc.log"
then
    pass "restored from UTC just after new year in Shanghai, CHECK (idn_valid(id)) loses its table (0 of 2 rows)"
else
    cat "$work/restore_utc.log"
    fail "the restore from UTC did not show the one-argument constraint's loss: rows $utc_rows, status $restore_status"
fi
if [ "${utc_rows#* }" = 2 ]; then
    pass "restored from UTC, CHECK (idn_valid(id, 2031)) keeps every row"
else
    fail "CHECK (idn_valid(id, 2031)) kept ${utc_rows#* } of 2 rows restored from UTC"
fi
unset PGTZ
pg_server_stop "$work/clock"

echo "postgresql: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
