#!/usr/bin/env bash
# Prints the release's version, MAJOR.MINOR.PATCH: the C API header's
# IDN_VERSION_* (capi/idnumber.h), the one place it is written. Every
# artifact name and package version of a release is this.
set -euo pipefail
header=$(dirname "$0")/../capi/idnumber.h
version=$(for part in MAJOR MINOR PATCH; do
    sed -n "s/^#define IDN_VERSION_$part \([0-9][0-9]*\)$/\1/p" "$header"
done | paste -sd.)
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "release_version.sh: no IDN_VERSION_MAJOR, _MINOR and _PATCH in $header" >&2; exit 1; }
echo "$version"
