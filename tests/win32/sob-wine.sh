#!/usr/bin/env bash
# Runs a command with Windows programs under Wine on a private X server:
#   tests/win32/sob-wine.sh BUILD_DIR COMMAND...
# The Wine prefix lives in BUILD_DIR/wine and is made once (about 12 s). Xvfb
# picks a free display itself (-displayfd) and keeps its keyboard layout
# between clients (-noreset); the layout is the Brazilian ABNT2 one. The
# wineserver is started before COMMAND so that each test program does not
# wait for Wine's helpers to come up.
set -euo pipefail

build=$(realpath "$1")
shift

export WINEPREFIX="$build/wine"
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and they would ask to download.
export WINEDLLOVERRIDES="mscoree=;mshtml="
# The X input method composes dead keys only in a UTF-8 locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

tmp=$(mktemp -d)
xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# Wide enough for the main window at 200 % (1282 pixels), whose frame the
# tests read off the screen.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1920x1200x24 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.05
done
[ -s "$tmp/display" ] || { echo "Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")"
setxkbmap br

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    # A crashing program must fail its test, not wait for a click.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # No window manager runs on this X server: Wine would wait 2 s for one
    # each time a window it let one manage is hidden.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
fi
wineserver -p 2>/dev/null || true  # already running after a first wineboot -i
wineboot >/dev/null 2>&1

"$@"
