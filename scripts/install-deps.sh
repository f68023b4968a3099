#!/usr/bin/env bash
# Installs what building, testing and running need, from Debian 12's packages.
# Idempotent: installs only what is missing. Needs root (or sudo) when it does.
set -eu
. "$(dirname "$0")/debian_packages.sh"
packages=(
    cmake ninja-build g++ python3
    clang libclang-rt-14-dev     # the native suite built with Clang too (preset native-clang), its sanitizers
    googletest libbenchmark-dev
    libcli11-dev                 # idtool's command line (header-only, also for MinGW)
    nlohmann-json3-dev           # the conformance corpus's reader in the C API's tests
    libssl-dev                   # OpenSSL's libcrypto: SHA-256 for the scanner's tokens and pseudonyms
    iso-codes                    # ISO 3166-1 and its zh_CN names: the nationality table's source
    time                         # /usr/bin/time, for measuring idtool's memory by hand
    man-db                       # man -l renders idtool's manual pages in their test
    hyperfine                    # timings of scripts/bench_idtool.sh and scripts/bench_scan.sh
    ripgrep                      # scripts/bench_scan.sh: the scanner beside rg counting [0-9]{17}[0-9Xx]
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine64
    xvfb fonts-wqy-microhei imagemagick x11-utils
)
install_missing_packages "${packages[@]}"
# wine32 runs the 32-bit release under Wine; whether this machine can execute
# 32-bit code at all is probed when the tests run. Only that Wine suite needs
# it (it is skipped without it), so a mirror that cannot give it now does not
# stop everything else.
package_installed wine32:i386 || dpkg --print-foreign-architectures | grep -qx i386 ||
    as_root dpkg --add-architecture i386
if ! install_missing_packages wine32:i386; then
    echo "install-deps: wine32:i386 could not be installed; the 32-bit program will not be run under Wine" >&2
    # The architecture serves nothing else then; left in place, a mirror's
    # broken i386 index would fail every later apt-get update (the pages'
    # install lines run one).
    if ! dpkg-query -W -f='${Architecture}\n' 2>/dev/null | grep -qx i386; then
        echo "install-deps: no i386 package is installed: the i386 architecture is removed again" >&2
        as_root dpkg --remove-architecture i386
    fi
fi
