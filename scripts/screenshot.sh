#!/usr/bin/env bash
# Takes a screenshot of the program's main dialog on a virtual X display.
#
# Usage: screenshot.sh [--dpi N] [PROGRAM.exe] [OUTPUT.png] [DRIVER.exe [DRIVER-ARGS...]]
#   --dpi N  the screen's pixels per inch as Windows sees them (default 96, the
#            100 % scale; 144 is 150 %), set in the prefix as
#            HKCU\Control Panel\Desktop\LogPixels before the program starts
#   PROGRAM  the built program (default build/win64/IdNumberTool.exe)
#   OUTPUT   the PNG to write (default docs/screenshot.png)
#   DRIVER   optional Windows helper run in the same prefix and display once the
#            dialog is up (e.g. to pick list items); the picture is taken when it
#            has finished.
# WINE_LOCALE  the locale Wine runs in (default zh_CN.UTF-8, code page 936;
#            en_US.UTF-8 gives 1252).
#
# Builds nothing. Runs Xvfb on a free display with Wine's X11 driver in a prefix
# of its own (SCREENSHOT_WINEPREFIX, default screenshot-prefix beside the
# program), so the headless test prefix is left alone. There is no window
# manager: the dialog opens at the top-left corner without a caption bar. The
# picture is cropped to the windows on the screen (the dialog, and any list a
# driver has opened).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
dpi=96
if [ "${1:-}" = --dpi ]; then
    dpi=${2:-}
    shift 2 || true
fi
[[ "$dpi" =~ ^[1-9][0-9]*$ ]] || { echo "screenshot.sh: --dpi wants a number of pixels per inch" >&2; exit 1; }
program=${1:-$root/build/win64/IdNumberTool.exe}
output=${2:-$root/docs/screenshot.png}
shift $(($# < 2 ? $# : 2))
driver=("$@")

[ -f "$program" ] || { echo "screenshot.sh: no program at $program" >&2; exit 1; }
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
prefix=${SCREENSHOT_WINEPREFIX:-$(dirname "$program")/screenshot-prefix}
mkdir -p "$(dirname "$output")"
work=$(mktemp -d)

xvfb_pid=
wine_pid=
cleanup() {
    if [ -n "$wine_pid" ]; then
        WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -k 2>/dev/null || true
        wait "$wine_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# A free display: no lock file and no socket; Xvfb itself refuses a taken one.
for number in $(seq 90 140); do
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
    # A 1024 x 768 screen at 96 DPI, as large in inches at any other DPI.
    Xvfb ":$number" -screen 0 "$((1024 * dpi / 96))x$((768 * dpi / 96))x24" -dpi "$dpi" -br -nolisten tcp \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$number" ]; then
        export DISPLAY=":$number"
        break
    fi
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "screenshot.sh: could not start Xvfb" >&2; exit 1; }

export WINEPREFIX=$prefix
export WINE_DISPLAY_DRIVER=x11  # wine-run.sh: keep the real display driver
# Every start sets the DPI, since the prefix is kept between screenshots; Wine
# reads it when its processes start, so none may still be running.
"$here/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >"$work/reg.log" 2>&1 ||
    { echo "screenshot.sh: could not set the DPI; Wine said:" >&2; cat "$work/reg.log" >&2; exit 1; }
# Every Windows draws Chinese in the dialog whatever its language: it has the
# dialog's font, 宋体 (SimSun), and links its user-interface fonts to a
# Chinese one. Wine does so only in a Chinese locale; in any other
# (WINE_LOCALE=en_US.UTF-8, say) the prefix is told which font stands for them.
case "${WINE_LOCALE:-zh_CN.UTF-8}" in
zh_CN*) ;;
*)
    for face in 宋体 SimSun Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif' Arial 'Segoe UI' System; do
        "$here/wine-run.sh" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'WenQuanYi Micro Hei' /f \
            >>"$work/reg.log" 2>&1 || { echo "screenshot.sh: could not name a font for $face" >&2; exit 1; }
    done
    ;;
esac
/usr/lib/wine/wineserver64 -w
"$here/wine-run.sh" "$program" >"$work/wine.log" 2>&1 &
wine_pid=$!

# Wait for the dialog's window (its caption ends in "v1.0"); the first start in
# a new prefix creates the prefix first.
dialog=
for _ in $(seq 240); do
    dialog=$(xwininfo -root -children 2>/dev/null | awk '/v1\.0"/ { print $1; exit }')
    [ -n "$dialog" ] && xwininfo -id "$dialog" | grep -q 'Map State: IsViewable' && break
    dialog=
    kill -0 "$wine_pid" 2>/dev/null || break
    sleep 0.5
done
if [ -z "$dialog" ]; then
    echo "screenshot.sh: the dialog did not appear; Wine said:" >&2
    tail -20 "$work/wine.log" >&2
    exit 1
fi
sleep 2  # let every control paint

if [ ${#driver[@]} -gt 0 ]; then
    timeout 120 "$here/wine-run.sh" "${driver[@]}"
    sleep 1
fi

# The region to keep: the union of the viewable top-level windows.
geometry=$(
    for window in $(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }'); do
        xwininfo -id "$window" | awk '
            /Absolute upper-left X/ { x = $NF }
            /Absolute upper-left Y/ { y = $NF }
            /Width:/ { w = $NF }
            /Height:/ { h = $NF }
            /Map State: IsViewable/ { viewable = 1 }
            END { if (viewable && w > 1 && h > 1) print x, y, x + w, y + h }'
    done | awk '
        NR == 1 { l = $1; t = $2; r = $3; b = $4 }
        { if ($1 < l) l = $1; if ($2 < t) t = $2; if ($3 > r) r = $3; if ($4 > b) b = $4 }
        END { if (l < 0) l = 0; if (t < 0) t = 0; printf "%dx%d+%d+%d", r - l, b - t, l, t }')

import -window root "$work/screen.png"
# Without metadata (no time stamps), so an unchanged dialog gives the same file.
convert "$work/screen.png" -crop "$geometry" +repage -strip "png:$output.tmp"
mv "$output.tmp" "$output"
echo "$output: $geometry of the screen"
