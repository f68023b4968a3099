#!/usr/bin/env bash
# Checks a built program file: a GUI PE file of the right machine, with ASLR and
# DEP, no MinGW run-time DLL among its imports, and the icon, dialog, menu and
# manifest resources. Usage: check_pe_file.sh OBJDUMP EXE x86|x86_64
set -u
objdump=$1 exe=$2 arch=$3
headers=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }
failures=0
expect() {  # expect DESCRIPTION PATTERN
    if ! grep -q -E -- "$2" <<<"$headers"; then echo "FAIL: $1"; failures=$((failures + 1)); fi
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
expect "GUI subsystem" 'Subsystem[[:space:]]+0*2[[:space:]]+\(Windows GUI\)'
expect "ASLR" 'DYNAMIC_BASE'
expect "DEP" 'NX_COMPAT'
refuse "no MinGW run-time DLL" 'DLL Name: (libgcc|libstdc|libwinpthread|mingw)'
expect "imports USER32" 'DLL Name: (USER32|user32)\.dll'
expect "imports COMCTL32" 'DLL Name: (COMCTL32|comctl32)\.dll'
# Resource directory: type 3 icon, 4 menu, 5 dialog, 14 icon group, 24 manifest.
resources=$("$objdump" -s -j .rsrc "$exe" >/dev/null 2>&1 && "$objdump" -p "$exe" | sed -n '/Resource Directory/,$p')
for type in 'Type: 3' 'Type: 4' 'Type: 5' 'Type: 14' 'Type: 24'; do
    grep -q "$type\b" <<<"$resources" || { echo "FAIL: resource $type missing"; failures=$((failures + 1)); }
done
grep -q 'Name: ID: 101\|ID: 101' <<<"$resources" || { echo "FAIL: dialog 101 missing"; failures=$((failures + 1)); }
grep -q 'ID: 104' <<<"$resources" || { echo "FAIL: menu 104 missing"; failures=$((failures + 1)); }
if [ "$failures" -ne 0 ]; then echo "$failures check(s) failed for $exe"; exit 1; fi
echo "$exe: GUI, ASLR, DEP, self-contained, resources present"
