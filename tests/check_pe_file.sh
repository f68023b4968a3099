#!/usr/bin/env bash
# Checks a built program file: a GUI PE file of the right machine, with ASLR and
# DEP, no MinGW run-time DLL among its imports, no link time stamp (so that
# builds are reproducible), and the icon, dialog, menu, manifest and version
# resources; or, given "console", a console PE file with the same machine,
# ASLR, DEP, imports and time stamp checks and nothing of the dialog; or,
# given "dll", the C API's DLL: the same checks, exports of idn_ functions
# only, and its version resource.
# Usage: check_pe_file.sh OBJDUMP EXE x86|x86_64 [console|dll]
set -u
objdump=$1 exe=$2 arch=$3 kind=${4:-gui}
# In UTC, so that a zero time stamp reads the same in every time zone.
headers=$(TZ=UTC0 "$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }
failures=0
expect() {  # expect DESCRIPTION PATTERN
    if ! grep -q -i -E -- "$2" <<<"$headers"; then echo "FAIL: $1"; failures=$((failures + 1)); fi
}
refuse() {  # refuse DESCRIPTION PATTERN
    if grep -q -i -E -- "$2" <<<"$headers"; then echo "FAIL: $1"; failures=$((failures + 1)); fi
}
if [ "$arch" = x86_64 ]; then
    expect "PE32+ file for x86-64" 'file format pei-x86-64'
    expect "high-entropy ASLR" 'HIGH_ENTROPY_VA'
else
    expect "PE32 file for i386" 'file format pei-i386'
fi
expect "ASLR" 'DYNAMIC_BASE'
expect "DEP" 'NX_COMPAT'
refuse "no MinGW run-time DLL" 'DLL Name: (libgcc|libstdc|libwinpthread|mingw)'
expect "no link time stamp" 'Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970'
if [ "$kind" = dll ]; then
    expect "a DLL" '^[[:space:]]+DLL$'
    expect "exports idn_verify" '\] idn_verify$'
    # The names of the [Ordinal/Name Pointer] table, one per line.
    others=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | grep -E '^[[:space:]]+\[ *[0-9]+\] ' |
        grep -v -E '\] idn_[a-z0-9_]+$' || true)
    [ -z "$others" ] || { echo "FAIL: exports besides idn_: $others"; failures=$((failures + 1)); }
    expect "a version resource" 'Entry: ID: 0x0*10,'
    if [ "$failures" -ne 0 ]; then echo "$failures check(s) failed for $exe"; exit 1; fi
    echo "$exe: DLL, ASLR, DEP, self-contained, no time stamp, only idn_ exports, version resource"
    exit 0
fi
if [ "$kind" = console ]; then
    expect "console subsystem" 'Subsystem[[:space:]]+0*3[[:space:]]+\(Windows CUI\)'
    if [ "$failures" -ne 0 ]; then echo "$failures check(s) failed for $exe"; exit 1; fi
    echo "$exe: console, ASLR, DEP, self-contained, no time stamp"
    exit 0
fi
expect "GUI subsystem" 'Subsystem[[:space:]]+0*2[[:space:]]+\(Windows GUI\)'
expect "imports USER32" 'DLL Name: USER32\.dll'
# Texts cross to the controls as UTF-16 with code page 936: no call whose
# result depends on the process's ANSI code page.
for ansiCall in GetWindowTextLengthA GetDlgItemTextA SetDlgItemTextA MessageBoxA; do
    refuse "no $ansiCall" "[[:space:]]$ansiCall\$"
done
expect "imports COMCTL32" 'DLL Name: COMCTL32\.dll'
# Resources as "type/name" pairs of hex IDs from the resource directory
# listing, where type entries are indented by 3 spaces and name entries by 5.
resources=$("$objdump" -p "$exe" | awk '
    function entryId(line) { sub(/.*Entry: ID: 0x/, "", line); sub(/,.*/, "", line); sub(/^0+/, "", line); return line }
    /Resource Directory section/ { inside = 1 }
    inside && /^[0-9a-f]+   Entry: ID:/ { type = entryId($0) }
    inside && /^[0-9a-f]+     Entry: ID:/ { print type "/" entryId($0) }')
# Icon images (type 3), icon group 1 (14), menu 104 (4), dialog 101 (5),
# manifest 1 (24), version 1 (16).
for wanted in "^3/ icon images" "^e/1$ icon group 1" "^4/68$ menu 104" "^5/65$ dialog 101" "^18/1$ manifest 1" \
              "^10/1$ version 1"; do
    grep -q "${wanted%% *}" <<<"$resources" || { echo "FAIL: no ${wanted#* }"; failures=$((failures + 1)); }
done
if [ "$failures" -ne 0 ]; then echo "$failures check(s) failed for $exe"; exit 1; fi
echo "$exe: GUI, ASLR, DEP, self-contained, no time stamp, resources present"
