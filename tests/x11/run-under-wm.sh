#!/usr/bin/env bash
# Runs a test program under a real window manager, as players run the
# program:
#   run-under-wm.sh openbox <program> [args]   openbox on a private Xvfb
#   run-under-wm.sh xfwm4 <program> [args]     Xfce's xfwm4 on a private Xvfb
#   run-under-wm.sh mutter <program> [args]    GNOME's compositor, headless,
#                                              with its own Xwayland
# Exits 77 (skipped) when the window manager is not installed.
set -euo pipefail
wm=$1
shift
command -v "$wm" >/dev/null || { echo "$wm is not installed: skipped"; exit 77; }

# Waits until a window manager owns the display's root window.
esperar_wm() {
    for _ in $(seq 400); do
        [[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null || true)" == *'window id'* ]] && return 0
        sleep 0.05
    done
    echo "$wm did not start" >&2
    return 1
}

case "$wm" in
openbox | xfwm4)
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    pids=()
    trap 'kill "${pids[@]}" 2>/dev/null || true; rm -f "$fifo"' EXIT
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
    pids+=($!)
    read -r display <"$fifo"
    export DISPLAY=":$display"
    if [ "$wm" = openbox ]; then
        openbox --sm-disable >/dev/null 2>&1 &
    else
        # xfwm4 reads its settings over a session bus (xfconf); with none it
        # gives up before it manages the screen. A bus of its own, ended
        # with the test, and no accessibility bus started from it.
        mapfile -t bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
        pids+=("${bus[1]}")
        DBUS_SESSION_BUS_ADDRESS=${bus[0]} NO_AT_BRIDGE=1 xfwm4 --sm-client-disable >/dev/null 2>&1 &
    fi
    pids+=($!)
    esperar_wm
    QT_QPA_PLATFORM=xcb "$@"
    ;;
mutter)
    # mutter's Xwayland gives up when it finds X lock files for displays 0
    # to 49, and other programs on the machine may hold them: it runs in a
    # mount namespace of its own with an empty /tmp, where it takes :0, and
    # a network namespace of its own, where no other X server holds :0's
    # abstract socket.
    if [ -z "${MORVANTIS_TMP_PROPRIO:-}" ]; then
        propria=(unshare --mount --net)
        [ "$(id -u)" -eq 0 ] || propria=(unshare --map-root-user --mount --net)
        command -v dbus-run-session >/dev/null || { echo "dbus-run-session is not installed: skipped"; exit 77; }
        "${propria[@]}" true 2>/dev/null || { echo "no mount namespace here: skipped"; exit 77; }
        # mutter 43 itself sometimes dies of an X error it does not trap
        # ("BadWindow" on a window already gone) while a slow, sanitized
        # program opens and closes its windows: that run, and only that, is
        # played once more on a fresh mutter.
        status=0
        MORVANTIS_TMP_PROPRIO=1 "${propria[@]}" "$0" "$wm" "$@" || status=$?
        [ "$status" -eq 75 ] || exit "$status"
        echo "mutter died of an X error of its own: once more" >&2
        MORVANTIS_TMP_PROPRIO=1 exec "${propria[@]}" "$0" "$wm" "$@"
    fi
    # The machine's /tmp stays in sight at /mnt (in this namespace only), and
    # a checkout or build under it that the test runs from is put back.
    mount --bind /tmp /mnt
    mount -t tmpfs tmpfs /tmp
    for caminho in "$@" "$PWD"; do
        case "$caminho" in
        /tmp/?*)
            topo=${caminho#/tmp/}
            topo=${topo%%/*}
            if [ -e "/mnt/$topo" ] && [ ! -e "/tmp/$topo" ]; then
                mkdir "/tmp/$topo"
                mount --bind "/mnt/$topo" "/tmp/$topo"
            fi
            ;;
        esac
    done
    cd "$PWD"
    # mutter refuses an X socket directory that anyone cannot write to.
    mkdir -m 1777 /tmp/.X11-unix
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    # mutter wants a session bus; the test runs inside the same one.
    # shellcheck disable=SC2016
    exec dbus-run-session -- bash -c '
        set -euo pipefail
        mutter --headless --wayland --virtual-monitor 1280x800 >"$XDG_RUNTIME_DIR/mutter.log" 2>&1 &
        trap "kill $! 2>/dev/null || true" EXIT
        for _ in $(seq 400); do
            compgen -G "$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*" >/dev/null && break
            sleep 0.05
        done
        XAUTHORITY=$(compgen -G "$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*") || { echo "mutter did not start" >&2; exit 1; }
        export XAUTHORITY DISPLAY=:0
        '"$(declare -f esperar_wm)"'
        wm=mutter esperar_wm
        # Should the X server go away under the test, mutter says why.
        env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$@" || {
            status=$?
            echo "--- mutter, last lines:" >&2
            tail -n 40 "$XDG_RUNTIME_DIR/mutter.log" >&2
            grep -q "mutter.* received an X Window System error" "$XDG_RUNTIME_DIR/mutter.log" && exit 75
            exit $status
        }
    ' bash "$@"
    ;;
*)
    echo "usage: run-under-wm.sh openbox|xfwm4|mutter <program> [args]" >&2
    exit 2
    ;;
esac
