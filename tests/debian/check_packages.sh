#!/usr/bin/env bash
# The Debian packages as their users get them: built (scripts/build-debian-
# packages.sh), clean under lintian (no error and no warning), installed with
# apt-get install ./*.deb, used each as its user would, then purged, leaving
# no file of theirs behind:
#   libidnumber3, libidnumber-dev  a C program built with pkg-config and with
#                                  find_package, and run
#   idtool                         idtool --version, a verify and its manual
#                                  pages (one per command)
#   libsqlite3-mod-idnumber        .load in the sqlite3 shell
#   postgresql-15-idnumber         CREATE EXTENSION idnumber on a server this
#                                  test starts
#   mariadb-plugin-idnumber        install.sql (CREATE FUNCTION ... SONAME) on a
#                                  server this test starts, with the package's
#                                  plugin folder
#   python3-idnumber               import idnumber in Debian's /usr/bin/python3
# Needs root (apt-get, dpkg). Servers run in a temporary folder on a Unix
# socket and are stopped and removed in a trap, also when a check fails.
# Ends with "N passed, N failed".
#
# Usage: tests/debian/check_packages.sh [DEB_DIR]   (built when not given)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
. scripts/debian_packages.sh

work=$(mktemp -d)
chmod 755 "$work"  # the servers' users (postgres, mysql) reach their folders in it
pg_dir=$work/postgresql
maria_dir=$work/mariadb
packages=(libidnumber3 libidnumber-dev idtool libsqlite3-mod-idnumber postgresql-15-idnumber
    mariadb-plugin-idnumber python3-idnumber)
cleanup() {
    if [ -n "${PGHOST:-}" ]; then pg_server_stop "$pg_dir" || true; fi
    if declare -F mariadb_server_stop >/dev/null; then mariadb_server_stop "$maria_dir" || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
check() {
    local what=$1
    shift
    if "$@" >"$work/out" 2>&1; then pass "$what"; else fail "$what"; sed 's/^/    /' "$work/out" | tail -20; fi
}

debs=${1:-$work/debs}
if [ -z "${1:-}" ]; then scripts/build-debian-packages.sh "$debs"; fi
install_missing_packages lintian sqlite3 pkg-config cmake gcc postgresql-15 mariadb-server python3-numpy

# Lintian: no error and no warning on any package (information and pedantic
# tags are shown, not failed on).
lint() {
    lintian --fail-on error,warning "$debs"/*.deb
}
check "lintian: no error and no warning on $(ls "$debs"/*.deb | wc -l) packages" lint

# Install them as a user would, with their dependencies.
debs_of_ours=()
for package in "${packages[@]}"; do debs_of_ours+=("$debs/${package}_"*.deb); done
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${debs_of_ours[@]}" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; exit 1; }
files_of_ours() { dpkg -L "${packages[@]}" 2>/dev/null | sort -u; }
files_of_ours >"$work/files"

# The C library, by pkg-config and by find_package.
mkdir "$work/c"
cp tests/capi/c_consumer.c "$work/c/"
# Each check is one command, or a chain of them with &&, run in a subshell
# of its own folder (errexit does not hold inside a condition).
with_pkg_config() (
    cd "$work/c" &&
        # shellcheck disable=SC2046
        cc -std=c99 -Wall -Werror c_consumer.c $(pkg-config --cflags --libs idnumber) -o with_pkg_config &&
        ./with_pkg_config
)
check "libidnumber-dev: a C program built with pkg-config runs" with_pkg_config
# The system's paths as they are: no -I/usr/lib/.../pkgconfig/../../../include.
pkg_config_paths() {
    local flags
    flags=$(pkg-config --cflags --libs idnumber) && echo "pkg-config --cflags --libs idnumber: $flags" &&
        [[ "$flags" =~ ^(-I/usr/include\ +)?-lidnumber\ *$ ]]
}
check "libidnumber-dev: pkg-config gives -lidnumber, and -I/usr/include or nothing" pkg_config_paths
with_find_package() (
    cd "$work/c" && cat >CMakeLists.txt <<'CMAKE' &&
cmake_minimum_required(VERSION 3.25)
project(consumer LANGUAGES C)
find_package(idnumber 3 REQUIRED)
add_executable(shared c_consumer.c)
target_link_libraries(shared PRIVATE idnumber::idnumber)
add_executable(static c_consumer.c)
target_link_libraries(static PRIVATE idnumber::idnumber_static)
CMAKE
        cmake -S . -B build >/dev/null && cmake --build build >/dev/null && build/shared && build/static
)
check "libidnumber-dev: find_package(idnumber 3), shared and static" with_find_package

idtool_version() { [ "$(idtool --version)" = "idtool $(scripts/release_version.sh)" ]; }
check "idtool: --version gives the release's version" idtool_version
idtool_verifies() { printf '11010519491231002X\n' | idtool verify --no-history --fields valid,sex | grep -qx $'true\t女'; }
check "idtool: verifies a number" idtool_verifies
check "idtool: a manual page for the program and each of its commands, as man -l shows them" \
    python3 tests/idtool/check_man_pages.py /usr/bin/idtool /usr/share/man/man1

sqlite_loads() {
    sqlite3 :memory: ".load /usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/sqlite3/idnumber" \
        "SELECT idn_valid('11010519491231002X'), idn_sex('11010519491231002X'), idn_province('11010519491231002X');" |
        grep -qx '1|女|北京市'
}
check "libsqlite3-mod-idnumber: .load in sqlite3" sqlite_loads

# PostgreSQL: a server of this test's own, the package's extension.
mkdir "$pg_dir"
. databases/postgresql/server.sh
pg_server_start "$pg_dir"
pg_extension() {
    psql -X -At -v ON_ERROR_STOP=1 -c 'CREATE EXTENSION idnumber' \
        -c "SELECT idn_valid('11010519491231002X'), idn_county('140302199001010018'), idn_valid('11010520200101002X', 2019)" |
        grep -qx 't|城区|f' &&
        [ "$(psql -X -At -c "SELECT extversion FROM pg_extension WHERE extname = 'idnumber'")" = "$(scripts/release_version.sh)" ]
}
check "postgresql-15-idnumber: CREATE EXTENSION idnumber, of the release's version" pg_extension
pg_server_stop "$pg_dir"
unset PGHOST

# MariaDB: a server of this test's own whose plugin folder is the package's.
mkdir "$maria_dir"
. databases/mariadb/server.sh
MARIADB_PLUGIN_DIR=/usr/lib/mysql/plugin mariadb_server_start "$maria_dir"
maria_functions() {
    mariadb_client -e 'CREATE DATABASE people' &&
        mariadb_client people </usr/share/mariadb-plugin-idnumber/install.sql &&
        mariadb_client people -N -e "SELECT idn_valid('11010519491231002X'), idn_sex('11010519491231002X')" |
        grep -qx $'1\t女' &&
        mariadb_client people </usr/share/mariadb-plugin-idnumber/uninstall.sql
}
check "mariadb-plugin-idnumber: CREATE FUNCTION ... SONAME and DROP" maria_functions
# Removal drops the functions on a server it reaches as root (this one: the
# client's configuration in root's home, ~/.my.cnf, names its socket), so that
# none is left pointing at the removed module; where it reaches none, it says
# so and still removes.
client_home() {
    mkdir -p "$work/$1" && printf '[client]\nsocket=%s\nuser=root\n' "$2" >"$work/$1/.my.cnf" && echo "$work/$1"
}
maria_removal() {
    mariadb_client people </usr/share/mariadb-plugin-idnumber/install.sql &&
        as_root env HOME="$(client_home reaching "$maria_dir/mariadb.sock")" DEBIAN_FRONTEND=noninteractive \
            apt-get remove -y -q mariadb-plugin-idnumber >"$work/remove.log" 2>&1 &&
        grep -q 'dropped the loadable functions of idnumber_udf.so' "$work/remove.log" &&
        grep -q 'idn_mask, which called them, stays in the database(s) people' "$work/remove.log" &&
        [ "$(mariadb_client -N -e "SELECT count(*) FROM mysql.func WHERE dl = 'idnumber_udf.so'")" = 0 ] &&
        ! mariadb_client -N -e "SELECT idn_valid('11010519491231002X')" 2>/dev/null
}
check "mariadb-plugin-idnumber: apt-get remove drops the functions on the server it reaches" maria_removal
maria_removal_unreached() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$debs"/mariadb-plugin-idnumber_*.deb \
        >"$work/reinstall.log" 2>&1 &&
        mariadb_client people </usr/share/mariadb-plugin-idnumber/install.sql &&
        as_root env HOME="$(client_home unreached "$work/no-server.sock")" DEBIAN_FRONTEND=noninteractive \
            apt-get remove -y -q mariadb-plugin-idnumber >"$work/remove.log" 2>&1 &&
        grep -q 'no MariaDB server reachable as root here' "$work/remove.log" &&
        [ ! -e /usr/lib/mysql/plugin/idnumber_udf.so ] || return 1
    # Left behind, as the warning says: DROP FUNCTION each, the module gone.
    local name
    for name in $(mariadb_client -N -e "SELECT name FROM mysql.func WHERE dl = 'idnumber_udf.so'"); do
        mariadb_client -e "DROP FUNCTION $name" || return 1
    done
    mariadb_client people -e 'DROP FUNCTION idn_mask'
}
check "mariadb-plugin-idnumber: apt-get remove with no server reached warns and removes" maria_removal_unreached
mariadb_server_stop "$maria_dir"

python_imports() (
    cd "$work" && /usr/bin/python3 -c 'import idnumber, sys
v = idnumber.verify("11010519491231002X")
assert v.valid and v.sex == "女", v
assert idnumber.__file__.startswith("/usr/lib/python3/dist-packages/"), idnumber.__file__
print(idnumber.__version__)'
)
check "python3-idnumber: import idnumber in /usr/bin/python3" python_imports

# Purge: nothing of theirs stays (mariadb-plugin-idnumber is removed already).
installed=()
for package in "${packages[@]}"; do package_installed "$package" && installed+=("$package"); done
as_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q "${installed[@]}" >"$work/purge.log" 2>&1 ||
    { cat "$work/purge.log"; exit 1; }
left_behind() {
    local file left=0
    while IFS= read -r file; do
        [ -n "$file" ] || continue
        # Folders other packages share (/usr/lib, /usr/share/doc) stay.
        if [ -e "$file" ] && [ ! -d "$file" ]; then echo "left: $file"; left=1; fi
    done <"$work/files"
    for package in "${packages[@]}"; do
        if package_installed "$package"; then echo "still installed: $package"; left=1; fi
    done
    return "$left"
}
check "purged: no file of the packages is left" left_behind

echo "Debian packages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
