#!/usr/bin/env bash
# Runs a test program on its own Xvfb with a Brazilian ABNT2 keyboard layout.
# The server never resets (a resetting one drops the layout between clients)
# and picks a free display itself, so nothing else on the machine clashes.
set -euo pipefail
program=$1
shift

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r display <"$fifo"
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
setxkbmap -layout br -model abnt2
"$program" "$@"
