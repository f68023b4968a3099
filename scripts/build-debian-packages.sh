#!/usr/bin/env bash
# Builds the Debian packages of debian/ with dpkg-buildpackage -us -uc -b, in
# a copy of the tracked sources (so that nothing is written into the tree or
# beside it), and moves the .deb files into OUTDIR (default dist/debian).
# Installs the build dependencies debian/control names when missing.
#
# Usage: scripts/build-debian-packages.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/debian_packages.sh
out=$(mkdir -p "${1:-dist/debian}" && cd "${1:-dist/debian}" && pwd)

install_missing_packages dpkg-dev lintian
# The build dependencies, as debian/control names them.
mapfile -t needed < <(dpkg-checkbuilddeps 2>&1 | sed -n 's/.*Unmet build dependencies: //p' | tr ' ' '\n' |
    grep -v '^(' | grep -v ')$' | grep -v '^$' || true)
[ "${#needed[@]}" -eq 0 ] || install_missing_packages "${needed[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/idnumber"
git ls-files -z | tar --null -T - -cf - | tar -xf - -C "$work/idnumber"
# Debian's own tools first on PATH: pybuild takes the first python3.11 it
# finds, and a Python of another make (pyenv's) lacks Debian's modules.
(cd "$work/idnumber" && env PATH=/usr/sbin:/usr/bin:/sbin:/bin dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 || {
    tail -60 "$work/build.log"
    echo "dpkg-buildpackage failed (the last lines of its log are above)"
    exit 1
}
rm -f "$out"/*.deb
mv "$work"/*.deb "$out/"
echo "Debian packages in $out:"
ls -l "$out"/*.deb | awk '{print $5, $9}'
