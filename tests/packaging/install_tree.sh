#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree a desktop
# reads: the executable, the desktop entry, the hicolor icons at their sizes
# and the AppStream metainfo, that they name each other consistently, that
# the metainfo's releases are CHANGELOG.md's versions and dates, the newest
# the project's version, and that the freedesktop validators accept them.
#   install_tree.sh <build dir> <source dir> <version, e.g. 1.00>
set -euo pipefail
build=$1 source=$2 version=$3
id=io.github.morvantis.Morvantis
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -x "$prefix/bin/morvantis" ] || fail "bin/morvantis is not installed as an executable"
[ -f "$desktop" ] || fail "no desktop entry $desktop"
[ -f "$metainfo" ] || fail "no metainfo $metainfo"

# A PNG's width and height are big-endian words at bytes 16 and 20.
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$icon" ]; then
        fail "no ${size}x${size} icon"
        continue
    fi
    dims=$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')
    [ "$dims" = "$(printf '%08x%08x' "$size" "$size")" ] || fail "the ${size}x${size} icon is $dims"
done

if [ -f "$desktop" ]; then
    key() { sed -n "s/^$1=//p" "$desktop"; }
    [ "$(key Exec)" = morvantis ] || fail "Exec is '$(key Exec)', not the installed executable"
    [ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not the installed icon's name"
    [ "$(key Categories)" = "Game;" ] || fail "Categories is '$(key Categories)'"
    [ -n "$(key 'Comment\[pt_BR\]')" ] || fail "no Portuguese comment"
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
    if grep -qE 'error|warning' <<<"$out"; then fail "desktop-file-validate: $out"; fi
fi

if [ -f "$metainfo" ]; then
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    historia=$(sed -n 's/^## \[\([^]]*\)\] - \([0-9-]*\)$/\1 \2/p' "$source/CHANGELOG.md")
    releases=$(sed -n 's/^ *<release version="\([^"]*\)" date="\([^"]*\)">$/\1 \2/p' "$metainfo")
    [ -n "$historia" ] && [ "$historia" = "$releases" ] ||
        fail "the metainfo's releases ($releases) are not CHANGELOG.md's ($historia)"
    [ "${historia%% *}" = "$version" ] || fail "CHANGELOG.md's newest version is not the project's, $version"
    [ "$(grep -c '<image>.*/docs/img/[a-z]*\.png</image>' "$metainfo")" -eq 4 ] ||
        fail "the metainfo does not show the four windows"
    for shot in $(sed -n 's|.*<image>.*/\(docs/img/[a-z]*\.png\)</image>.*|\1|p' "$metainfo"); do
        [ -f "$source/$shot" ] || fail "the metainfo shows $shot, which is not in the tree (make screenshots)"
    done
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
fi

[ "$failures" -eq 0 ] || exit 1
echo "install tree OK in $prefix: $(find "$prefix" -type f | wc -l) files"
