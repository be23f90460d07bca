#!/usr/bin/env bash
# taskkill without /F, as a person or a script ends a program politely: a
# WM_CLOSE to each of its top-level windows. At the main window, the program
# ends with status 0; it never stays behind with no window. Run under
# tests/win32/sob-wine.sh.
#   taskkill.sh MORVANTIS.EXE SONDA.EXE
set -euo pipefail
# shellcheck source=tests/win32/ate-a-principal.sh
source "$(dirname "$0")/ate-a-principal.sh"
wine taskkill /im "$(basename "$exe")"
for _ in $(seq 100); do
    kill -0 "$programa" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$programa" 2>/dev/null; then
    echo "still running after taskkill" >&2
    exit 1
fi
trap - EXIT
wait "$programa"
echo "ended with status 0"
