#!/usr/bin/env bash
# The platform choice against a real compositor: weston's headless backend
# beside an Xvfb display. Skipped (77) where weston is not installed.
#   platform-under-weston.sh <platform_probe>
set -euo pipefail
probe=$1
command -v weston >/dev/null || { echo "weston is not installed: skipped"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$runtime"
}
trap cleanup EXIT

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$runtime/display" 2>/dev/null &
pids+=($!)
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=wayland-morvantis --idle-time=0 \
    --no-config >"$runtime/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$runtime/display" ] && [ -S "$runtime/wayland-morvantis" ] && break
    sleep 0.1
done
[ -S "$runtime/wayland-morvantis" ] || { cat "$runtime/weston.log"; echo "weston did not start" >&2; exit 1; }
x=":$(head -n1 "$runtime/display")"

# Under `make sanitize`, Qt's Wayland client leaves 688 bytes in
# libwayland-client and in a library already unloaded at exit, which
# LeakSanitizer cannot name: leaks are not what this test looks for.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

falhas=0
# what the environment holds | what Qt must end up on
while IFS='|' read -r ambiente esperado; do
    obtido=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        XDG_RUNTIME_DIR="$runtime" $ambiente "$probe" 2>"$runtime/probe.log") || obtido="$obtido (exit $?)"
    if [ "$obtido" = "$esperado" ]; then
        echo "ok: $ambiente -> $obtido"
    else
        echo "FAILED: $ambiente -> '$obtido', expected '$esperado'"
        cat "$runtime/probe.log"
        falhas=$((falhas + 1))
    fi
done <<TABELA
DISPLAY=$x WAYLAND_DISPLAY=wayland-morvantis|xcb exposed
DISPLAY=$x WAYLAND_DISPLAY=wayland-morvantis XDG_SESSION_TYPE=wayland|xcb exposed
WAYLAND_DISPLAY=wayland-morvantis|wayland exposed
DISPLAY=$x WAYLAND_DISPLAY=wayland-morvantis QT_QPA_PLATFORM=wayland|wayland exposed
DISPLAY=$x|xcb exposed
TABELA
exit $((falhas > 0))
