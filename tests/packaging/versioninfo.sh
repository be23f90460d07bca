#!/usr/bin/env bash
# Compiles the Windows version resource with the MinGW resource compiler
# from Debian, decompiles the result and checks what Explorer would show:
# the one Brazilian Portuguese table with every string as written, accents
# included, the project's version as text and as numbers, and the snowflake
# icon group with as many images as the .ico holds.
#   versioninfo.sh <configured versioninfo.rc> <morvantis.ico> <work dir> <version, e.g. 1.00>
set -euo pipefail
rc=$1 ico=$2 work=$3 version=$4

windres=x86_64-w64-mingw32-windres
if ! command -v "$windres" >/dev/null; then
    echo "FAIL: $windres is missing (package binutils-mingw-w64-x86-64, see tools/install-deps)"
    exit 1
fi
mkdir -p "$work"
# The host's C preprocessor stands in for the MinGW one, which Debian ships
# only with the whole cross compiler.
"$windres" --preprocessor=cpp -i "$rc" -O coff -o "$work/versioninfo.o"
"$windres" --preprocessor=cpp -i "$rc" -O res -o "$work/versioninfo.res"
"$windres" -i "$work/versioninfo.res" -O rc -o "$work/decompiled.rc"
out=$work/decompiled.rc

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# windres writes a string with characters beyond ASCII as a wide one
# (L"..."), those characters as octal escapes of their Latin-1 codes.
expect_value() {
    local key=$1 want=$2 got
    got=$(sed -n "s/^ *VALUE \"$key\", L\\{0,1\\}\"\\(.*\\)\"\$/\\1/p" "$out")
    [ "$(printf '%s\n' "$got" | grep -c .)" -le 1 ] || fail "$key appears more than once"
    got=$(printf '%b' "$got" | iconv -f latin1 -t utf-8)
    [ "$got" = "$want" ] || fail "$key is '$got', expected '$want'"
}

expect_value ProductName Morvantis
expect_value InternalName Morvantis
expect_value OriginalFilename Morvantis.exe
expect_value FileVersion "$version"
expect_value ProductVersion "$version"
while IFS=$'\t' read -r key text; do
    expect_value "$key" "$text"
done < <(sed -n 's/^ *VALUE "\([A-Za-z]*\)", "\(.*\)"$/\1\t\2/p' "$rc")
company=$(sed -n 's/^ *VALUE "CompanyName", "\(.*\)"$/\1/p' "$out")
[ -n "$company" ] || fail "CompanyName is empty"

# "1.00" is 1.0.0.0 in numbers.
numbers="${version%%.*}, $((10#${version#*.})), 0, 0"
grep -q "^ *FILEVERSION $numbers\$" "$out" || fail "FILEVERSION is not $numbers"
grep -q "^ *PRODUCTVERSION $numbers\$" "$out" || fail "PRODUCTVERSION is not $numbers"
[ "$(grep -c '^ *BLOCK "[0-9A-Fa-f]\{8\}"$' "$out")" -eq 1 ] || fail "not exactly one string table"
grep -q '^ *BLOCK "041604B0"$' "$out" || fail "the string table is not Portuguese (Brazil), Unicode"
grep -q 'VALUE "Translation", 0x416, 1200' "$out" || fail "Translation is not 0x416, 1200"

# An .ico starts with reserved 0, type 1, then its image count (little endian).
images=$(od -An -tu2 -j4 -N2 "$ico" | tr -d ' ')
grep -q '^"IDI_ICON1" 14 /\* RT_GROUP_ICON \*/' "$out" || fail "no icon group IDI_ICON1"
grep -q "/\\* Has $images elements\\.  \\*/" "$out" || fail "the icon group does not hold the $images images of $(basename "$ico")"
[ "$(grep -c '/\* RT_ICON \*/' "$out")" -eq "$images" ] || fail "not $images icon images"

if [ "$failures" -ne 0 ]; then
    echo "--- decompiled resource:"
    grep -v '^  0x' "$out"
    exit 1
fi
echo "version resource OK: $(grep -c 'VALUE "' "$out") values, $images icon images, company '$company'"
