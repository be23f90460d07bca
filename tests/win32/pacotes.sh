#!/usr/bin/env bash
# The two downloads, as a Windows user gets them: the zip holds the program;
# the installer installs silently (/S) with a Start-menu shortcut, an
# uninstaller and an Add/Remove Programs entry showing the icon and the
# version; the installed program plays the trick (ponta-a-ponta.sh);
# the uninstaller takes it all away. Run under tests/win32/sob-wine.sh after
# `cpack` has made the packages in BUILD_DIR.
#   pacotes.sh BUILD_DIR SONDA.EXE
set -euo pipefail
build=$1
s=$2

shopt -s nullglob
zips=("$build"/Morvantis-*-win64.zip)
instaladores=("$build"/Morvantis-*-win64.exe)
[ ${#zips[@]} -eq 1 ] && [ ${#instaladores[@]} -eq 1 ] || { echo "run cpack in $build first" >&2; exit 1; }
versao=${zips[0]##*/Morvantis-}
versao=${versao%-win64.zip}

unzip -l "${zips[0]}" | grep -q " Morvantis-$versao-win64/Morvantis.exe$"
echo "zip: holds Morvantis.exe"

wine "${instaladores[0]}" /S
pasta="$WINEPREFIX/drive_c/Program Files/Morvantis"
[ -f "$pasta/Morvantis.exe" ] && [ -f "$pasta/Uninstall.exe" ]
find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Morvantis/Morvantis.lnk' | grep -q .
entrada=$(wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Morvantis" | tr -d '\r')
grep -Eq "DisplayVersion +REG_SZ +$versao$" <<<"$entrada"
grep -Eq 'DisplayIcon +REG_SZ +.*\\Morvantis\.exe$' <<<"$entrada"
echo "installer: program, shortcut, uninstaller and Add/Remove Programs entry"

# The installed program plays the trick, dead keys and all, and ends with
# status 0.
"$(dirname "$0")/ponta-a-ponta.sh" "$pasta/Morvantis.exe" "$s"
echo "installed program: plays the trick"

wine "$pasta/Uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once.
for _ in $(seq 100); do
    [ -e "$pasta/Morvantis.exe" ] || break
    sleep 0.1
done
[ ! -e "$pasta/Morvantis.exe" ]
echo "uninstaller: program removed"
