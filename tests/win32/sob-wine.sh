#!/usr/bin/env bash
# Runs a command with Windows programs under Wine on a private X server:
#   tests/win32/sob-wine.sh BUILD_DIR COMMAND...
# The Wine prefix lives in BUILD_DIR/wine and is made once (about 12 s). Xvfb
# picks a free display itself (-displayfd) and keeps its keyboard layout
# between clients (-noreset); the layout is the Brazilian ABNT2 one. One
# persistent wineserver serves the whole run, started before anything else in
# the prefix and before COMMAND, so that each test program finds it and
# Wine's helpers up.
set -euo pipefail

build=$(realpath "$1")
shift

export WINEPREFIX="$build/wine"
# Wine's own errors only (a missing DLL, an unhandled exception): a program
# that fails in Wine's loader says why instead of ending with no output.
export WINEDEBUG=-all,err+all
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

# The server comes first. Started by wineboot instead, it would not be
# persistent (a second `wineserver -p` quietly leaves a running one as it
# is): it would end a few seconds after its last program, and a test program
# starting just then, on a new prefix, raced its shutdown.
mkdir -p "$WINEPREFIX"
wineserver -p
# Each step waits for the one before; a step that fails stops the run and
# shows its output.
quieto() {
    "$@" >"$tmp/passo.log" 2>&1 || { echo "failed: $*" >&2; cat "$tmp/passo.log" >&2; exit 1; }
}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    quieto wineboot -i
    # A crashing program must fail its test, not wait for a click.
    quieto wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    # No window manager runs on this X server: Wine would wait 2 s for one
    # each time a window it let one manage is hidden.
    quieto wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
fi
quieto wineboot

"$@"
