#!/usr/bin/env bash
# Builds the 64-bit program and starts it under wine64 on the current display.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ -z "${DISPLAY:-}" ]; then
    echo "No DISPLAY: the program needs a screen (or see scripts/screenshot.sh for Xvfb)." >&2
    exit 1
fi
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target IdNumberTool
# A prefix of its own that draws on the display (the tests' prefix is headless).
WINEPREFIX="$PWD/build/win64/run-prefix" WINE_DISPLAY_DRIVER=x11 \
    exec scripts/wine-run.sh build/win64/IdNumberTool.exe
