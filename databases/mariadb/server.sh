# server.sh: a MariaDB server of its own in a temporary folder, for the tests
# and the benchmark; sourced by scripts/test-mariadb.sh and
# scripts/bench-databases.sh.
#
#   mariadb_server_start DIR   mariadb-install-db into DIR/data and start
#                              mariadbd there without networking, its socket
#                              DIR/mariadb.sock and its plugin directory
#                              DIR/plugins (put idnumber_udf.so there first),
#                              or $MARIADB_PLUGIN_DIR when set (the installed
#                              package's /usr/lib/mysql/plugin)
#   mariadb_server_stop DIR    stop it (nothing when it is not running)
#   mariadb_client ARGS...     the client, connected as root over the socket
#
# --no-defaults keeps the machine's configuration files out; the character
# set is utf8mb4, as Debian's configuration sets it. As root, the
# server runs as the `mysql` system user (Debian's package creates it), which
# then owns DIR. The caller removes DIR; a trap should call
# mariadb_server_stop first.

mariadb_server_dir=


mariadb_server_start() {
    local dir=$1 user_option=() i
    mariadb_server_dir=$dir
    mkdir -p "$dir/plugins"
    if [ "$(id -u)" -eq 0 ]; then
        chown -R mysql: "$dir"
        user_option=(--user=mysql)
    fi
    mariadb-install-db --no-defaults --datadir="$dir/data" "${user_option[@]}" \
        --auth-root-authentication-method=normal --skip-test-db >"$dir/install-db.log" 2>&1 ||
        { cat "$dir/install-db.log" >&2; return 1; }
    mariadbd --no-defaults --datadir="$dir/data" --socket="$dir/mariadb.sock" --pid-file="$dir/mariadbd.pid" \
        --skip-networking --plugin-dir="${MARIADB_PLUGIN_DIR:-$dir/plugins}" "${user_option[@]}" --log-error="$dir/server.log" \
        --innodb-buffer-pool-size=256M --innodb-flush-log-at-trx-commit=2 --innodb-doublewrite=0 \
        --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci --local-infile=1 >/dev/null 2>&1 &
    for ((i = 0; i < 300; i++)); do
        mariadb_client -e 'SELECT 1' >/dev/null 2>&1 && return 0
        kill -0 $! 2>/dev/null || break
        sleep 0.1
    done
    echo "mariadbd did not start" >&2
    cat "$dir/server.log" >&2
    return 1
}

mariadb_client() {
    mariadb --no-defaults --socket="$mariadb_server_dir/mariadb.sock" --user=root --default-character-set=utf8mb4 "$@"
}

mariadb_server_stop() {
    local dir=$1 pid i
    [ -f "$dir/mariadbd.pid" ] || return 0
    pid=$(cat "$dir/mariadbd.pid")
    kill "$pid" 2>/dev/null || return 0
    for ((i = 0; i < 300; i++)); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    echo "mariadbd $pid did not stop; killing it" >&2
    kill -9 "$pid" 2>/dev/null || true
}
