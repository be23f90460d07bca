#!/usr/bin/env bash
# The two downloads, as a Windows user gets them: the zip holds the program;
# the installer installs silently (/S) with a Start-menu shortcut, an
# uninstaller and a full Add/Remove Programs entry; run again over it and
# cancelled, it leaves the installed program as it was; the program started
# through the shortcut's own target plays the trick (ponta-a-ponta.sh); the
# uninstaller leaves nothing of it on disk or in the registry. Run under
# tests/win32/sob-wine.sh after `cpack` has made the packages in BUILD_DIR.
#   pacotes.sh BUILD_DIR SONDA.EXE VERSION
set -euo pipefail
build=$1
s=$2
versao=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

zip=$build/Morvantis-$versao-win64.zip
instalador=$build/Morvantis-$versao-win64.exe
[ -f "$zip" ] && [ -f "$instalador" ] || { echo "run cpack in $build first" >&2; exit 1; }

# Every listing is read whole before it is searched: under pipefail, a grep
# that stops at its first match would kill the writer with SIGPIPE.
conteudo=$(unzip -l "$zip")
grep -q " Morvantis-$versao-win64/Morvantis.exe$" <<<"$conteudo"
echo "zip: holds Morvantis.exe"

# What the machine holds of programs, to compare after the uninstaller: the
# registry's program keys (a publisher's key among them), the folders the
# installer writes to, %TEMP%, and the files Windows is to delete at its
# next start.
temp=$(realpath "$(winepath -u "$(wine cmd /c echo %TEMP% | tr -d '\r')")")
sessao='HKLM\System\CurrentControlSet\Control\Session Manager'
vestigios() {
    for raiz in 'HKLM\Software' 'HKCU\Software' 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'; do
        { wine reg query "$raiz" 2>/dev/null || true; } | tr -d '\r' | grep -i '^HKEY' || true
    done
    { wine reg query "$sessao" /v PendingFileRenameOperations 2>/dev/null || true; } | tr -d '\r' | grep -i pending || true
    find "$WINEPREFIX/drive_c/Program Files" "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu" \
        -maxdepth 3
    find "$temp"
}
vestigios | sort >"$tmp/antes"

wine "$instalador" /S
pasta="$WINEPREFIX/drive_c/Program Files/Morvantis"
[ -f "$pasta/Morvantis.exe" ] && [ -f "$pasta/Uninstall.exe" ]
atalho=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Morvantis/Morvantis.lnk')
[ -n "$atalho" ]
chave='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvantis'
entrada=$(wine reg query "$chave" | tr -d '\r')
grep -Eq "DisplayVersion +REG_SZ +$versao$" <<<"$entrada"
grep -Eq 'DisplayIcon +REG_SZ +C:\\Program Files\\Morvantis\\Morvantis\.exe$' <<<"$entrada"
grep -Eq 'InstallLocation +REG_SZ +C:\\Program Files\\Morvantis$' <<<"$entrada"
grep -Eq 'Publisher +REG_SZ +[^ ]' <<<"$entrada"
grep -Eq 'EstimatedSize +REG_DWORD +0x0*[1-9a-f]' <<<"$entrada"
echo "installer: program, shortcut, uninstaller and Add/Remove Programs entry"

# Run again over the installed program, the wizard asks nothing and removes
# nothing: Próximo on the welcome and licence pages, Escape on the folder
# page (the last before the files are copied), Return for "Sim" when asked
# whether to quit. The installed program, its shortcuts and its entry stay
# exactly as they were, to the second.
estado() {
    find "$pasta" "$(dirname "$atalho")" -printf '%p %s %T@\n' | sort
    wine reg query "$chave" | tr -d '\r'
}
estado >"$tmp/instalado"
wine "$instalador" &
assistente=$!
janelas=$(xdotool search --sync --onlyvisible --name '^Instalação do Morvantis$')
xdotool windowfocus --sync "${janelas%%$'\n'*}" key --delay 300 Return Return Escape Return
for _ in $(seq 300); do
    kill -0 "$assistente" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$assistente" 2>/dev/null; then
    kill "$assistente"
    echo "the installer did not end when cancelled" >&2
    exit 1
fi
fim=0
wait "$assistente" || fim=$?
[ "$fim" -eq 1 ] || { echo "the installer ended with $fim, not cancelled (1)" >&2; exit 1; }
estado | diff "$tmp/instalado" -
echo "installer run again and cancelled: the installed program as it was"

# Started as the Start menu starts it, from the target the shortcut holds,
# the installed program plays the trick, dead keys and all, and ends with
# status 0.
alvo=$(wine "$s" atalho "$(winepath -w "$atalho")" | tr -d '\r')
echo "shortcut's target: $alvo"
[ "$alvo" = 'C:\Program Files\Morvantis\Morvantis.exe' ]
"$(dirname "$0")/ponta-a-ponta.sh" "$alvo" "$s"
echo "installed program, from the shortcut: plays the trick"

wine "$pasta/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once; the
# Add/Remove Programs entry is the last of the program it takes away.
for _ in $(seq 100); do
    [ ! -e "$pasta" ] && ! wine reg query "$chave" >/dev/null 2>&1 && break
    sleep 0.1
done
[ ! -e "$pasta" ]
# That copy, in a folder of its own under %TEMP%, is Windows' to delete at
# its next start: once the copy has ended, a start of the prefix (wineboot)
# does it.
for _ in $(seq 100); do
    [ -z "$(grep -ls -- "$temp/~nsu" /proc/[0-9]*/maps || true)" ] && break
    sleep 0.1
done
wineboot
vestigios | sort >"$tmp/depois"
if comm -13 "$tmp/antes" "$tmp/depois" | grep .; then
    echo "left behind by the uninstaller (above)" >&2
    exit 1
fi
echo "uninstaller: nothing left on disk or in the registry"
