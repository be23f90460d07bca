#!/usr/bin/env bash
# The two downloads, as a Windows user gets them: the zip holds the program;
# the installer installs silently (/S) with a Start-menu shortcut, an
# uninstaller and a full Add/Remove Programs entry; the program started
# through the shortcut's own target plays the trick (ponta-a-ponta.sh); the
# uninstaller leaves nothing of it on disk or in the registry. Run under
# tests/win32/sob-wine.sh after `cpack` has made the packages in BUILD_DIR.
#   pacotes.sh BUILD_DIR SONDA.EXE
set -euo pipefail
build=$1
s=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

shopt -s nullglob
zips=("$build"/Morvantis-*-win64.zip)
instaladores=("$build"/Morvantis-*-win64.exe)
[ ${#zips[@]} -eq 1 ] && [ ${#instaladores[@]} -eq 1 ] || { echo "run cpack in $build first" >&2; exit 1; }
versao=${zips[0]##*/Morvantis-}
versao=${versao%-win64.zip}

# Every listing is read whole before it is searched: under pipefail, a grep
# that stops at its first match would kill the writer with SIGPIPE.
conteudo=$(unzip -l "${zips[0]}")
grep -q " Morvantis-$versao-win64/Morvantis.exe$" <<<"$conteudo"
echo "zip: holds Morvantis.exe"

# What the machine holds of programs, to compare after the uninstaller: the
# registry's program keys (a publisher's key among them) and the folders the
# installer writes to.
vestigios() {
    for raiz in 'HKLM\Software' 'HKCU\Software' 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'; do
        { wine reg query "$raiz" 2>/dev/null || true; } | tr -d '\r' | grep -i '^HKEY' || true
    done
    find "$WINEPREFIX/drive_c/Program Files" "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu" \
        -maxdepth 3
}
vestigios | sort >"$tmp/antes"

wine "${instaladores[0]}" /S
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

# Started as the Start menu starts it, from the target the shortcut holds,
# the installed program plays the trick, dead keys and all, and ends with
# status 0.
alvo=$(wine "$s" atalho "$(winepath -w "$atalho")" | tr -d '\r')
echo "shortcut's target: $alvo"
[ -f "$(winepath -u "$alvo")" ]
"$(dirname "$0")/ponta-a-ponta.sh" "$alvo" "$s"
echo "installed program, from the shortcut: plays the trick"

wine "$pasta/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once; the
# Add/Remove Programs entry is the last thing it takes away.
for _ in $(seq 100); do
    [ ! -e "$pasta" ] && ! wine reg query "$chave" >/dev/null 2>&1 && break
    sleep 0.1
done
[ ! -e "$pasta" ]
vestigios | sort >"$tmp/depois"
if comm -13 "$tmp/antes" "$tmp/depois" | grep .; then
    echo "left behind by the uninstaller (above)" >&2
    exit 1
fi
echo "uninstaller: nothing left on disk or in the registry"
