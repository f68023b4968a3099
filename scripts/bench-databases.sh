#!/usr/bin/env bash
# The count of invalid rows among 10^6 numbers, timed on PostgreSQL 15 and
# MariaDB 10.11 in one run, two ways on each server: with the extension's
# function (NOT idn_valid(id)), and with plain SQL written by hand (the
# pattern of 17 digits and a digit or X, the weighted sum's check character,
# the year, month and day limits), in the two forms that come to mind: the
# digits by a cast of each substring, and by their character codes. Beside
# them, a scan that only reads each value's length, the floor of any check.
#
#   scripts/bench-databases.sh [--rows N] [--runs N] [postgresql] [mariadb]
#
# Builds what it needs (as scripts/test-postgresql.sh and test-mariadb.sh
# do; run those first on a fresh machine for the packages), writes the
# numbers with scripts/bench_numbers.py (about 70% valid), starts each server
# in a temporary folder (databases/*/server.sh), loads the numbers, checks
# that every way counts the same rows, then times each query --runs times
# after one warm-up run and prints the median of each as a Markdown table.
# PostgreSQL is timed with max_parallel_workers_per_gather 0 and 2.
#
# Then, on the same servers, a column of as many short texts
# (scripts/make_scan_rows.py, one in ten holding a number) through
# idn_redact and idn_find: per row beside the floor of reading each text's
# length in bytes, the regular expression people write today (regexp_replace of 17
# digits and a check character, which finds what is no number and misses
# what is printed in groups), and the mask with options that change every
# row, which costs a scanner's setup per row where the others restart the
# call's prepared one. The mask keeps every text's length, which is checked
# first. PostgreSQL without parallel workers.
set -eu
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh

rows=1000000
runs=5
servers=()
while [ $# -gt 0 ]; do
    case "$1" in
    --rows) rows=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    postgresql | mariadb) servers+=("$1"); shift ;;
    *) echo "usage: $0 [--rows N] [--runs N] [postgresql] [mariadb]" >&2; exit 2 ;;
    esac
done
[ ${#servers[@]} -gt 0 ] || servers=(postgresql mariadb)

cmake --preset release >/dev/null
cmake --build --preset release -j 2 >/dev/null
export PG_CONFIG=/usr/lib/postgresql/15/bin/pg_config
for server in "${servers[@]}"; do
    if [ "$server" = postgresql ]; then
        make -C databases/postgresql --no-print-directory -s >/dev/null
        as_root make -C databases/postgresql --no-print-directory -s install >/dev/null
    else
        make -C databases/mariadb --no-print-directory -s >/dev/null
    fi
done

work=$(mktemp -d)
chmod 755 "$work"
. databases/postgresql/server.sh
. databases/mariadb/server.sh
cleanup() {
    [ ! -d "$work/postgresql" ] || pg_server_stop "$work/postgresql" || true
    [ ! -d "$work/mariadb" ] || mariadb_server_stop "$work/mariadb" || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

numbers=$work/numbers.txt
python3 scripts/bench_numbers.py --count "$rows" "$numbers"
texts=$work/texts.txt
python3 scripts/make_scan_rows.py "$rows" "$texts"
chmod 644 "$numbers" "$texts"
results=$work/results.tsv
scan_results=$work/scan_results.tsv
: >"$results"
: >"$scan_results"

# The plain checks. A non-digit is caught by the pattern before any cast.
pg_cast_check="CASE WHEN id ~ '^[0-9]{17}[0-9X]\$' THEN
  substr('10X98765432', (substr(id,1,1)::int*7 + substr(id,2,1)::int*9 + substr(id,3,1)::int*10
    + substr(id,4,1)::int*5 + substr(id,5,1)::int*8 + substr(id,6,1)::int*4 + substr(id,7,1)::int*2
    + substr(id,8,1)::int + substr(id,9,1)::int*6 + substr(id,10,1)::int*3 + substr(id,11,1)::int*7
    + substr(id,12,1)::int*9 + substr(id,13,1)::int*10 + substr(id,14,1)::int*5 + substr(id,15,1)::int*8
    + substr(id,16,1)::int*4 + substr(id,17,1)::int*2) % 11 + 1, 1) = substr(id, 18, 1)
  AND substr(id,7,4)::int <= extract(year FROM current_date) AND substr(id,11,2)::int <= 12
  AND substr(id,13,2)::int <= 31
ELSE false END"
# Character codes: each digit's code is 48 more than the digit, and the
# weights add up to 100, so the sum is 4800 more than the weighted sum.
pg_code_check="CASE WHEN id ~ '^[0-9]{17}[0-9X]\$' THEN
  substr('10X98765432', (ascii(substr(id,1,1))*7 + ascii(substr(id,2,1))*9 + ascii(substr(id,3,1))*10
    + ascii(substr(id,4,1))*5 + ascii(substr(id,5,1))*8 + ascii(substr(id,6,1))*4 + ascii(substr(id,7,1))*2
    + ascii(substr(id,8,1)) + ascii(substr(id,9,1))*6 + ascii(substr(id,10,1))*3 + ascii(substr(id,11,1))*7
    + ascii(substr(id,12,1))*9 + ascii(substr(id,13,1))*10 + ascii(substr(id,14,1))*5 + ascii(substr(id,15,1))*8
    + ascii(substr(id,16,1))*4 + ascii(substr(id,17,1))*2 - 4800) % 11 + 1, 1) = substr(id, 18, 1)
  AND substr(id,7,4)::int <= extract(year FROM current_date) AND substr(id,11,2)::int <= 12
  AND substr(id,13,2)::int <= 31
ELSE false END"
# MariaDB compares in the column's case-insensitive collation unless told:
# the pattern and the check character are compared as binary.
my_cast_check="CASE WHEN id COLLATE utf8mb4_bin REGEXP '^[0-9]{17}[0-9X]\$' THEN
  SUBSTRING('10X98765432', (SUBSTRING(id,1,1)*7 + SUBSTRING(id,2,1)*9 + SUBSTRING(id,3,1)*10
    + SUBSTRING(id,4,1)*5 + SUBSTRING(id,5,1)*8 + SUBSTRING(id,6,1)*4 + SUBSTRING(id,7,1)*2
    + SUBSTRING(id,8,1) + SUBSTRING(id,9,1)*6 + SUBSTRING(id,10,1)*3 + SUBSTRING(id,11,1)*7
    + SUBSTRING(id,12,1)*9 + SUBSTRING(id,13,1)*10 + SUBSTRING(id,14,1)*5 + SUBSTRING(id,15,1)*8
    + SUBSTRING(id,16,1)*4 + SUBSTRING(id,17,1)*2) % 11 + 1, 1) = BINARY SUBSTRING(id, 18, 1)
  AND SUBSTRING(id,7,4) <= YEAR(CURDATE()) AND SUBSTRING(id,11,2) <= 12 AND SUBSTRING(id,13,2) <= 31
ELSE FALSE END"
my_code_check="CASE WHEN id COLLATE utf8mb4_bin REGEXP '^[0-9]{17}[0-9X]\$' THEN
  SUBSTRING('10X98765432', (ASCII(SUBSTRING(id,1,1))*7 + ASCII(SUBSTRING(id,2,1))*9 + ASCII(SUBSTRING(id,3,1))*10
    + ASCII(SUBSTRING(id,4,1))*5 + ASCII(SUBSTRING(id,5,1))*8 + ASCII(SUBSTRING(id,6,1))*4
    + ASCII(SUBSTRING(id,7,1))*2 + ASCII(SUBSTRING(id,8,1)) + ASCII(SUBSTRING(id,9,1))*6
    + ASCII(SUBSTRING(id,10,1))*3 + ASCII(SUBSTRING(id,11,1))*7 + ASCII(SUBSTRING(id,12,1))*9
    + ASCII(SUBSTRING(id,13,1))*10 + ASCII(SUBSTRING(id,14,1))*5 + ASCII(SUBSTRING(id,15,1))*8
    + ASCII(SUBSTRING(id,16,1))*4 + ASCII(SUBSTRING(id,17,1))*2 - 4800) % 11 + 1, 1) = BINARY SUBSTRING(id, 18, 1)
  AND SUBSTRING(id,7,4) + 0 <= YEAR(CURDATE()) AND SUBSTRING(id,11,2) + 0 <= 12 AND SUBSTRING(id,13,2) + 0 <= 31
ELSE FALSE END"

# median: the middle of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# record SERVER SETTING WAY MILLISECONDS
record() { printf '%s\t%s\t%s\t%s\n' "$@" >>"$results"; }
# record_scan SERVER QUERY MILLISECONDS
record_scan() { printf '%s\t%s\t%s\n' "$@" >>"$scan_results"; }

# The scan's queries, one a line: a name, a tab, the query.
key_hex=000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f
pg_scan_queries="floor: octet_length(note)	SELECT sum(octet_length(note)) FROM notes
regexp_replace of [0-9]{17}[0-9Xx]	SELECT sum(octet_length(regexp_replace(note, '[0-9]{17}[0-9Xx]', '******************', 'g'))) FROM notes
idn_redact(note), mask	SELECT sum(octet_length(idn_redact(note))) FROM notes
idn_redact(note, as_of), mask	SELECT sum(octet_length(idn_redact(note, date '2024-06-30'))) FROM notes
idn_redact(note, 'token', key)	SELECT sum(octet_length(idn_redact(note, 'token', '\\x$key_hex'::bytea))) FROM notes
idn_find(note), its rows counted	SELECT count(*) FROM notes, idn_find(note)
mask, mask_first changing every row	SELECT sum(octet_length(idn_redact(note, mask_first => (id % 2)::int + 5))) FROM notes"
my_scan_queries="floor: LENGTH(note)	SELECT SUM(LENGTH(note)) FROM notes
REGEXP_REPLACE of [0-9]{17}[0-9Xx]	SELECT SUM(LENGTH(REGEXP_REPLACE(note, '[0-9]{17}[0-9Xx]', '******************'))) FROM notes
idn_redact(note), mask	SELECT SUM(LENGTH(idn_redact(note))) FROM notes
idn_redact(note, 'token', key)	SELECT SUM(LENGTH(idn_redact(note, 'token', X'$key_hex'))) FROM notes
idn_find_json(note), its matches counted	SELECT SUM(JSON_LENGTH(idn_find_json(note))) FROM notes
mask, mask_first changing every row	SELECT SUM(LENGTH(idn_redact(note, 'mask', NULL, 'mask_first', id % 2 + 5))) FROM notes"

bench_postgresql() {
    local dir=$work/postgresql workers way query
    mkdir "$dir"
    pg_server_start "$dir"
    export PGDATABASE=postgres
    psql -X -q -v ON_ERROR_STOP=1 -c 'CREATE EXTENSION idnumber' -c 'CREATE TABLE ids (id text)' \
        -c "\\copy ids FROM '$numbers'" -c 'VACUUM ANALYZE ids'
    local counts
    counts=$(psql -X -A -t -v ON_ERROR_STOP=1 \
        -c "SELECT count(*) FILTER (WHERE NOT idn_valid(id)), count(*) FILTER (WHERE NOT ($pg_cast_check)),
                   count(*) FILTER (WHERE NOT ($pg_code_check)) FROM ids")
    echo "postgresql: invalid rows by the extension, the cast check and the code check: $counts"
    [ "$(tr '|' '\n' <<<"$counts" | sort -u | wc -l)" -eq 1 ] || { echo "the ways disagree" >&2; exit 1; }
    for workers in 0 2; do
        for way in extension cast code scan; do
            case $way in
            extension) query="SELECT count(*) FROM ids WHERE NOT idn_valid(id)" ;;
            cast) query="SELECT count(*) FROM ids WHERE NOT ($pg_cast_check)" ;;
            code) query="SELECT count(*) FROM ids WHERE NOT ($pg_code_check)" ;;
            scan) query="SELECT count(*) FROM ids WHERE octet_length(id) <> 18" ;;
            esac
            # One session: the setting, a warm-up run, then the timed runs.
            { echo "SET max_parallel_workers_per_gather = $workers;"; echo "$query;"; echo '\timing on'
              for ((i = 0; i < runs; i++)); do echo "$query;"; done; } |
                psql -X -q -v ON_ERROR_STOP=1 >"$work/timing"
            record postgresql "$workers" "$way" "$(sed -n 's/^Time: \([0-9.]*\) ms.*/\1/p' "$work/timing" | median)"
        done
    done
    bench_postgresql_scan
    pg_server_stop "$dir"
}

bench_postgresql_scan() {
    local name query same
    psql -X -q -v ON_ERROR_STOP=1 -c 'CREATE TABLE notes (id bigint GENERATED ALWAYS AS IDENTITY, note text)' \
        -c "\\copy notes (note) FROM '$texts'" -c 'VACUUM ANALYZE notes'
    same=$(psql -X -A -t -v ON_ERROR_STOP=1 -c "SELECT sum(length(note)) = sum(length(idn_redact(note))) FROM notes")
    [ "$same" = t ] || { echo "postgresql: the mask changed the texts' length" >&2; exit 1; }
    while IFS=$'\t' read -r name query; do
        { echo "SET max_parallel_workers_per_gather = 0;"; echo "$query;"; echo '\timing on'
          for ((i = 0; i < runs; i++)); do echo "$query;"; done; } | psql -X -q -v ON_ERROR_STOP=1 >"$work/timing"
        record_scan postgresql "$name" "$(sed -n 's/^Time: \([0-9.]*\) ms.*/\1/p' "$work/timing" | median)"
    done <<<"$pg_scan_queries"
}

bench_mariadb() {
    local dir=$work/mariadb way query
    mkdir "$dir"
    mariadb_server_start "$dir"
    install -m 755 databases/mariadb/idnumber_udf.so "$dir/plugins/"
    mariadb_client -e "CREATE DATABASE bench"
    mariadb_client bench <databases/mariadb/install.sql
    mariadb_client --local-infile=1 bench -e "
        CREATE TABLE ids (id VARCHAR(64) NOT NULL);
        LOAD DATA LOCAL INFILE '$numbers' INTO TABLE ids (id); ANALYZE TABLE ids;" >/dev/null
    local counts
    counts=$(mariadb_client --batch --skip-column-names bench -e "SELECT SUM(NOT idn_valid(id)),
        SUM(NOT ($my_cast_check)), SUM(NOT ($my_code_check)) FROM ids")
    echo "mariadb: invalid rows by the functions, the cast check and the code check: $counts"
    [ "$(tr '\t' '\n' <<<"$counts" | sort -u | wc -l)" -eq 1 ] || { echo "the ways disagree" >&2; exit 1; }
    for way in extension cast code scan; do
        case $way in
        extension) query="SELECT COUNT(*) FROM ids WHERE NOT idn_valid(id)" ;;
        cast) query="SELECT COUNT(*) FROM ids WHERE NOT ($my_cast_check)" ;;
        code) query="SELECT COUNT(*) FROM ids WHERE NOT ($my_code_check)" ;;
        scan) query="SELECT COUNT(*) FROM ids WHERE LENGTH(id) <> 18" ;;
        esac
        # One session; -vvv prints each statement's time as "(S sec)".
        { for ((i = 0; i <= runs; i++)); do echo "$query;"; done; } |
            mariadb_client -vvv bench >"$work/timing"
        record mariadb - "$way" "$(sed -n 's/.*rows\{0,1\} in set (\([0-9.]*\) sec).*/\1/p' "$work/timing" | tail -n +2 |
            awk '{ print $1 * 1000 }' | median)"
    done
    bench_mariadb_scan
    mariadb_server_stop "$dir"
}

bench_mariadb_scan() {
    local name query same
    mariadb_client --local-infile=1 bench -e "
        CREATE TABLE notes (id BIGINT AUTO_INCREMENT PRIMARY KEY, note VARCHAR(255) NOT NULL) CHARACTER SET utf8mb4;
        LOAD DATA LOCAL INFILE '$texts' INTO TABLE notes CHARACTER SET utf8mb4 (note); ANALYZE TABLE notes;" >/dev/null
    same=$(mariadb_client --batch --skip-column-names bench \
        -e "SELECT SUM(LENGTH(note)) = SUM(LENGTH(idn_redact(note))) FROM notes")
    [ "$same" = 1 ] || { echo "mariadb: the mask changed the texts' length" >&2; exit 1; }
    while IFS=$'\t' read -r name query; do
        { for ((i = 0; i <= runs; i++)); do echo "$query;"; done; } | mariadb_client -vvv bench >"$work/timing"
        record_scan mariadb "$name" "$(sed -n 's/.*rows\{0,1\} in set (\([0-9.]*\) sec).*/\1/p' "$work/timing" |
            tail -n +2 | awk '{ print $1 * 1000 }' | median)"
    done <<<"$my_scan_queries"
}

for server in "${servers[@]}"; do "bench_$server"; done

echo
echo "$rows rows, median of $runs runs after one warm-up:"
echo
echo "| Server | Parallel workers | Extension | Plain SQL, digits by cast | Plain SQL, digits by code | Best plain SQL / extension | Scan only |"
echo "|---|---|---|---|---|---|---|"
python3 - "$results" <<'EOF'
import collections, sys
times = collections.OrderedDict()
for line in open(sys.argv[1]):
    server, workers, way, ms = line.rstrip("\n").split("\t")
    times.setdefault((server, workers), {})[way] = float(ms)
names = {"postgresql": "PostgreSQL 15", "mariadb": "MariaDB 10.11"}
for (server, workers), t in times.items():
    best = min(t["cast"], t["code"])
    print(f"| {names[server]} | {'none' if workers == '-' else workers} | {t['extension']:.0f} ms | {t['cast']:.0f} ms"
          f" | {t['code']:.0f} ms | {best / t['extension']:.1f}x | {t['scan']:.0f} ms |")
EOF

echo
echo "$rows short texts through the functions that find and redact, median of $runs runs after one warm-up:"
echo
echo "| Server | Query | Time | ns per row |"
echo "|---|---|---|---|"
python3 - "$scan_results" "$rows" <<'EOF'
import sys
names = {"postgresql": "PostgreSQL 15", "mariadb": "MariaDB 10.11"}
rows = int(sys.argv[2])
for line in open(sys.argv[1], encoding="utf-8"):
    server, query, ms = line.rstrip("\n").split("\t")
    print(f"| {names[server]} | `{query}` | {float(ms):.0f} ms | {float(ms) * 1e6 / rows:.0f} |")
EOF
