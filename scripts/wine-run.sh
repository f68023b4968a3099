#!/usr/bin/env bash
# Runs a Windows program under wine64 in a prefix of the build's own, headless
# (Wine's null graphics driver). The 64-bit loader starts 32-bit programs too,
# where the machine runs 32-bit code and wine32 is installed.
# WINEPREFIX may be set by the caller; the default is beside the program.
# WINE_LOCALE picks the process's ANSI code page: zh_CN.UTF-8 (936, the
# default) or e.g. en_US.UTF-8 (1252).
set -eu
program=$1
shift
: "${WINEPREFIX:=$(cd "$(dirname "$program")" && pwd)/wineprefix}"
export WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
# Debian's wine64 package: the 64-bit loader and server, whatever the
# alternatives for "wine" say.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
# Create the prefix once; a marker file says it is ready.
if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
            # No Mono or Gecko: nothing here needs them, and there is no network to fetch them.
            WINEDLLOVERRIDES="mscoree,mshtml=d" LC_ALL=zh_CN.UTF-8 "$wine" wineboot -i >/dev/null 2>&1 || true
            if [ -z "${WINE_DISPLAY_DRIVER:-}" ]; then
                "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
            fi
            "$wineserver" -w 2>/dev/null || true
            touch "$WINEPREFIX/.prefix-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
# The locale is set for Wine only (the glibc locale need not exist for the
# code page). Without an installed glibc locale, though, Wine reads the
# command line as ASCII: tests that pass non-ASCII arguments to a program of
# wide calls only (idtool) use C.UTF-8.
exec env LC_ALL="${WINE_LOCALE:-zh_CN.UTF-8}" "$wine" "$program" "$@"
