# Sourced by the end-to-end tests: starts Morvantis.exe ($1), ended on exit,
# and goes through its entry window with the probe ($2) until the main
# window shows. Leaves exe, s and programa set.
exe=$1
s=$2

wine "$exe" &
programa=$!
trap 'kill $programa 2>/dev/null || true' EXIT

wine "$s" esperar FrmEntrada
wine "$s" clicar FrmEntrada CmdEntrar
wine "$s" esperar FrmMain
