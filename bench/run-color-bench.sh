#!/usr/bin/env bash
# Runs a benchmark under Wine's X11 driver on a virtual X server: its own
# display and its own Wine prefix (build/wineprefix-x11), both stopped again
# at the end. The program is color_bench unless named (themes_page_bench).
# Build x86_64 first (scripts/common.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
export WINEPREFIX=$ROOT/build/wineprefix-x11
export WINEDEBUG=-all
BENCH=$ROOT/build/x86_64/bin/${1:-color_bench}.exe
[ -f "$BENCH" ] || { echo "build x86_64 first: $BENCH is missing" >&2; exit 1; }

# A free display number.
display=90
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do
    display=$((display + 1))
done
Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
stop() {
    wineserver -k 2>/dev/null || true
    kill $xvfb 2>/dev/null || true
}
trap stop EXIT
export DISPLAY=:$display
sleep 1

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating the Wine prefix with the X11 driver"
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
wineserver -p
wine "$BENCH"
