#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed tree, from make install or from the Debian package: the program folder
# in usr/lib/tessiva/, the links to its programs, the desktop entries, the icons, the metainfo
# and the version the tools print.
# Usage: check-tree.sh ROOT LINK_FOLDER VERSION   (LINK_FOLDER: usr/bin or usr/games)
set -euo pipefail
root=$1 links=$2 version=$3
folder=$root/usr/lib/tessiva
fail() { echo "FAIL: $*" >&2; exit 1; }

for program in Tessiva Packsweep tessiva-pack tessiva-cut; do
    [[ -f $folder/$program && -x $folder/$program ]] || fail "no program $program in usr/lib/tessiva"
done
for part in Themes/Default/Jig-In-Out.png UI/Magnifier.png 1.ctg 1.pck Puzzles/00000001.jpg; do
    [[ -f $folder/$part ]] || fail "no $part in usr/lib/tessiva"
done

# Relative links, so the tree works wherever it is unpacked.
for pair in tessiva:Tessiva packsweep:Packsweep tessiva-pack:tessiva-pack tessiva-cut:tessiva-cut; do
    link=$root/$links/${pair%%:*}
    [[ -L $link ]] || fail "$links/${pair%%:*} is not a link"
    [[ $(readlink "$link") != /* ]] || fail "$links/${pair%%:*} is an absolute link"
    [[ $(readlink -f "$link") == "$(readlink -f "$folder/${pair##*:}")" ]] \
        || fail "$links/${pair%%:*} does not lead to usr/lib/tessiva/${pair##*:}"
done

applications=$root/usr/share/applications
desktop-file-validate "$applications/tessiva.desktop" "$applications/packsweep.desktop" \
    || fail "desktop-file-validate"
for line in "Name=Tessiva Orlune" "Categories=Game;LogicGame;" "Icon=tessiva" \
            "StartupWMClass=Tessiva_MainForm" "Exec=tessiva"; do
    grep -qxF "$line" "$applications/tessiva.desktop" || fail "tessiva.desktop lacks $line"
done
grep -qxF "Exec=packsweep" "$applications/packsweep.desktop" || fail "packsweep.desktop lacks Exec"

icons=$root/usr/share/icons/hicolor
for size in 48 64 128 256; do
    file -b "$icons/${size}x$size/apps/tessiva.png" | grep -q "^PNG image data, $size x $size," \
        || fail "no $size x $size PNG icon"
done
grep -q '<svg' "$icons/scalable/apps/tessiva.svg" || fail "no scalable icon"

# A staged tree carries no cache of the desktop's: the installer on the target makes those.
[[ ! -e $icons/icon-theme.cache && ! -e $applications/mimeinfo.cache ]] \
    || fail "a desktop cache was written into the staged tree"

for page in man6/tessiva.6 man6/packsweep.6 man1/tessiva-pack.1 man1/tessiva-cut.1; do
    manual=$root/usr/share/man/$page.gz
    [[ -f $manual ]] || fail "no manual page $page.gz"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man warns on $page: $warnings"
done

metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"
grep -qF "<launchable type=\"desktop-id\">tessiva.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch tessiva.desktop"

[[ $("$root/$links/tessiva-pack" --version) == "tessiva-pack $version" ]] || fail "tessiva-pack --version"
[[ $("$root/$links/tessiva-cut" --version) == "tessiva-cut $version" ]] || fail "tessiva-cut --version"
# Started through its link, the tool reads the installed program folder as its own.
[[ $("$root/$links/tessiva-pack" list) == "$("$root/$links/tessiva-pack" list "$folder")" ]] \
    || fail "tessiva-pack through its link does not read the installed library"
echo "installed tree in $root/usr: checked"
