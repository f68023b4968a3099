#!/usr/bin/env bash
# The pages' examples against a release as users install it: every Debian
# package of DIST installed (apt-get install ./*.deb), a PostgreSQL and a
# MariaDB server of this test's own, in a temporary folder on Unix sockets,
# with the packages' extension and module; then
# tests/docs/check_pages.py examples DIST (the npm tarball and the jar are
# taken from DIST by the runners themselves). The servers are stopped, the
# folder removed and the packages purged in a trap, also on failure.
# Needs root (apt-get).
#
# Usage: tests/docs/check_examples.sh DIST [--page NAME]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(cd "$1" && pwd)
shift
cd "$root"
. scripts/debian_packages.sh
# What the examples call besides the release: the shells and compilers of
# the pages, the servers, pandas for Python's DataFrames, a JDK and Debian's
# JNA for the jar; Node 18 or later with npm, for the tarball, are the
# machine's (scripts/test-javascript.sh needs them too).
install_missing_packages sqlite3 pkg-config gcc postgresql-15 mariadb-server python3-numpy python3-pandas \
    openjdk-17-jdk-headless libjna-java man-db
command -v node >/dev/null && command -v npm >/dev/null || { echo "check_examples.sh: no node and npm" >&2; exit 1; }

work=$(mktemp -d)
chmod 755 "$work"  # the servers' users (postgres, mysql) reach their folders in it
packages=(libidnumber3 libidnumber-dev idtool libsqlite3-mod-idnumber postgresql-15-idnumber
    mariadb-plugin-idnumber python3-idnumber)
cleanup() {
    if declare -F pg_server_stop >/dev/null; then pg_server_stop "$work/postgresql" || true; fi
    if declare -F mariadb_server_stop >/dev/null; then mariadb_server_stop "$work/mariadb" || true; fi
    local installed=() package
    for package in "${packages[@]}"; do package_installed "$package" && installed+=("$package"); done
    if [ ${#installed[@]} -gt 0 ]; then
        as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q "${installed[@]}" >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

debs=()
for package in "${packages[@]}"; do debs+=("$dist/${package}_"*.deb); done
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${debs[@]}" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; exit 1; }

mkdir "$work/postgresql" "$work/mariadb"
. databases/postgresql/server.sh
pg_server_start "$work/postgresql"
. databases/mariadb/server.sh
MARIADB_PLUGIN_DIR=/usr/lib/mysql/plugin mariadb_server_start "$work/mariadb"
export MARIADB_SOCKET=$work/mariadb/mariadb.sock

python3 tests/docs/check_pages.py examples "$dist" "$@"
