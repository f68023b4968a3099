#!/usr/bin/env bash
# Installs the C API into a temporary prefix (cmake --install) and builds the
# C consumer against it twice, as users would: with pkg-config and with
# find_package (shared and static). Runs each. Checks that the shared library
# has its SONAME and exports nothing but idn_ functions.
#
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
# The soname's number is the header's major version.
major=$(sed -n 's/^#define IDN_VERSION_MAJOR \([0-9][0-9]*\)$/\1/p' "$here/../../capi/idnumber.h")
shared=libidnumber.so.$major

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in include/idnumber.h lib/$shared lib/libidnumber.a lib/pkgconfig/idnumber.pc \
    lib/cmake/idnumber/idnumberConfig.cmake; do
    [ -e "$prefix/$file" ] || { echo "FAIL: $file was not installed" >&2; exit 1; }
done

soname=$(objdump -p "$prefix/lib/$shared" | awk '$1 == "SONAME" {print $2}')
[ "$soname" = "$shared" ] || { echo "FAIL: SONAME is '$soname'" >&2; exit 1; }
others=$(nm -D --defined-only "$prefix/lib/$shared" | awk '{print $3}' | grep -v '^idn_' || true)
[ -z "$others" ] || { echo "FAIL: exported besides idn_: $others" >&2; exit 1; }
echo "$shared: SONAME $soname, $(nm -D --defined-only "$prefix/lib/$shared" | wc -l) symbols, all idn_"

export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
# shellcheck disable=SC2046
cc -std=c99 -Wall -Wextra -pedantic -Werror $(pkg-config --cflags idnumber) "$here/c_consumer.c" \
    $(pkg-config --libs idnumber) -o "$work/with_pkg_config"
LD_LIBRARY_PATH=$prefix/lib "$work/with_pkg_config"

cmake -S "$here/consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_C_FLAGS="-std=c99 -Wall -Werror" >/dev/null
cmake --build "$work/consumer" >/dev/null
LD_LIBRARY_PATH=$prefix/lib "$work/consumer/c_consumer"
"$work/consumer/c_consumer_static"
echo "installed library: built and ran with pkg-config and with find_package (shared and static)"

# A library folder two deep, as Debian's lib/x86_64-linux-gnu: idnumber.pc
# still finds the prefix from where it lies.
source=$(cd "$here/../.." && pwd)
cmake -S "$source" -B "$work/deep" -G Ninja -DCMAKE_BUILD_TYPE=Release -DIDNUMBER_TESTS=OFF \
    -DCMAKE_INSTALL_LIBDIR=lib/x86_64-linux-gnu >/dev/null
mkdir -p "$work/deep-prefix/lib/x86_64-linux-gnu/pkgconfig"
cp "$work/deep/capi/idnumber.pc" "$work/deep-prefix/lib/x86_64-linux-gnu/pkgconfig/"
for variable in includedir:include libdir:lib/x86_64-linux-gnu; do
    found=$(PKG_CONFIG_PATH=$work/deep-prefix/lib/x86_64-linux-gnu/pkgconfig pkg-config --variable="${variable%%:*}" idnumber)
    [ "$(realpath -m "$found")" = "$work/deep-prefix/${variable#*:}" ] ||
        { echo "FAIL: with LIBDIR lib/x86_64-linux-gnu, ${variable%%:*} is $found" >&2; exit 1; }
done
echo "idnumber.pc: the prefix found from LIBDIR/pkgconfig, one or two folders deep"
