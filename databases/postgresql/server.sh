# server.sh: a PostgreSQL 15 server of its own in a temporary folder, for
# the tests and the benchmark; sourced by scripts/test-postgresql.sh and
# scripts/bench-databases.sh.
#
#   pg_server_start DIR [NAME=VALUE...]
#                         initdb into DIR/data and start the server there,
#                         listening on no TCP port, its socket in DIR, with the
#                         variables given in its environment (a faked clock,
#                         say); exports PGHOST, PGPORT and PGUSER for psql and
#                         pg_regress
#   pg_server_stop DIR    stop it (nothing when it is not running)
#
# The server refuses to run as root: as root, initdb and the server run as the
# `postgres` system user (Debian's package creates it), which then owns DIR.
# The caller removes DIR; a trap should call pg_server_stop first.

PG_CONFIG=${PG_CONFIG:-/usr/lib/postgresql/15/bin/pg_config}
pg_bindir=$("$PG_CONFIG" --bindir)

# as_server_user COMMAND...: the command as the postgres user when root.
pg_as_server_user() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

pg_server_start() {
    local dir=$1
    shift
    [ "$(id -u)" -ne 0 ] || chown postgres: "$dir"
    # The port names the socket file only; no TCP port is opened.
    export PGHOST=$dir PGPORT=$((40000 + $$ % 20000)) PGUSER=postgres
    pg_as_server_user "$pg_bindir/initdb" --pgdata="$dir/data" --username=postgres --auth=trust \
        --encoding=UTF8 --locale=C.UTF-8 --no-sync >"$dir/initdb.log" 2>&1 ||
        { cat "$dir/initdb.log" >&2; return 1; }
    pg_as_server_user env "$@" "$pg_bindir/pg_ctl" --pgdata="$dir/data" --log="$dir/server.log" --wait --silent \
        -o "-c listen_addresses='' -k '$dir' -p $PGPORT -c fsync=off -c max_parallel_workers_per_gather=2" start ||
        { cat "$dir/server.log" >&2; return 1; }
}

pg_server_stop() {
    local dir=$1
    [ -f "$dir/data/postmaster.pid" ] || return 0
    pg_as_server_user "$pg_bindir/pg_ctl" --pgdata="$dir/data" --mode=fast --wait --silent stop ||
        cat "$dir/server.log" >&2
}
