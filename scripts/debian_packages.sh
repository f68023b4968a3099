# Sourced by the scripts that install what they need from Debian's packages.
# Offers package_installed PACKAGE, as_root COMMAND... and
# install_missing_packages PACKAGE..., which installs only those not yet
# installed (so a second run does nothing) and needs root or sudo only then.

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local missing=() package
    for package in "$@"; do
        package_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    # A mirror in the middle of a sync serves index files that do not match
    # their Release file: ask again; if one index still fails, apt-get has
    # kept the others (and any older copy), so the install is tried with them.
    local try
    for try in 1 2 3; do
        as_root apt-get update -q && break
        if [ "$try" -lt 3 ]; then
            echo "apt-get update failed (try $try of 3); again in 20 s" >&2
            sleep 20
        else
            echo "apt-get update failed 3 times; installing from the package lists it has" >&2
        fi
    done
    # Another build may hold dpkg's lock for a while.
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -q \
        --no-install-recommends "${missing[@]}"
}
