#!/usr/bin/env bash
# The trick played on the running Morvantis.exe as a person plays it: real
# X key events on the Brazilian ABNT2 layout, the answer "não é" typed in
# secret with a dead tilde and a dead acute (and a word typed and erased with
# Ctrl+Backspace), then a question in the open.
# A second Windows program (sonda) reads both boxes as they show and
# presses the buttons. Run under tests/win32/sob-wine.sh.
#   ponta-a-ponta.sh MORVANTIS.EXE SONDA.EXE
set -euo pipefail
# shellcheck source=tests/win32/ate-a-principal.sh
source "$(dirname "$0")/ate-a-principal.sh"
# Only the main window is on the screen now; the key events go to it.
# The list is read whole, then its first line taken: a head that quits
# early would kill xdotool with SIGPIPE, and the script under pipefail.
janelas=$(xdotool search --sync --onlyvisible --classname morvantis.exe)
janela=${janelas%%$'\n'*}
xdotool windowfocus --sync "$janela"

# ";" starts the capture; five keystrokes of answer, two of them composed
# from a dead key and a letter; Enter ends the capture. At every step the
# box shows as many letters of an invocation as were typed in secret, and
# nothing else: no letter of the answer, no accent waiting for its letter.
tecle() {
    xdotool key --delay 40 "$@"
    sleep 0.2
}
tecle semicolon n dead_tilde
wine "$s" invocacao FrmMain TxtPergunta 1 ""
tecle a o space dead_acute
wine "$s" invocacao FrmMain TxtPergunta 4 ""
# A word typed and erased with Ctrl+Backspace leaves no trace.
tecle e space x y ctrl+BackSpace BackSpace
wine "$s" invocacao FrmMain TxtPergunta 5 ""
# Then the question in the open, after the invocation's letters.
tecle Return v a i
wine "$s" invocacao FrmMain TxtPergunta 5 "vai"

wine "$s" clicar FrmMain CmdPergunta
for _ in $(seq 50); do
    resposta=$(wine "$s" texto FrmMain TxtResposta | tr -d '\r')
    [ "$resposta" = "não é" ] && break
    sleep 0.1
done
echo "answer box: $resposta"
[ "$resposta" = "não é" ]

# "Sair" ends the program with status 0.
wine "$s" clicar FrmMain CmdSair
trap - EXIT
wait "$programa"
