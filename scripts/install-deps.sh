#!/usr/bin/env bash
# Installs what building, testing and running need, from Debian 12's packages.
# Idempotent: installs only what is missing. Needs root (or sudo) when it does.
set -eu
packages=(
    cmake ninja-build g++ python3
    googletest libbenchmark-dev
    libcli11-dev                 # idtool's command line (header-only, also for MinGW)
    iso-codes                    # ISO 3166-1 and its zh_CN names: the nationality table's source
    time                         # /usr/bin/time, for measuring idtool's memory by hand
    hyperfine                    # timings of scripts/bench_idtool.sh
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine64
    xvfb fonts-wqy-microhei imagemagick x11-utils
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
# wine32 runs the 32-bit release under Wine; whether this machine can execute
# 32-bit code at all is probed when the tests run.
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' || missing+=(wine32:i386)
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
