#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make install into a temporary root as a packager runs it (DESTDIR, PREFIX=/usr), then the
# installed programs through their links under Xvfb: the game's window and its exit code 1,
# Packsweep's refusal while that game runs, Packsweep over a library its user may not change
# (it reports errors and deletes nothing), and make uninstall removing every file it put in place.
# Run inside xvfb-run with -ac, so that the unprivileged player below reaches the display.
# Usage: install-e2e.sh SOURCE_DIR BUILD_DIR DIST_DIR VERSION X11_HELPER OUTPUT_FOLDER
set -euo pipefail
src=$1 bin=$2 dist=$3 version=$4 helper=$5 out=$6
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../e2e-common/x11-steps.sh"
work=$(mktemp -d /tmp/tessiva-install-XXXXXX)
chmod 755 "$work"   # the player below runs the installed programs from here
root=$work/root
folder=$root/usr/lib/tessiva
manifest=$bin/install_manifest.txt
# The build tree's manifest records the developer's own install; ours must not replace it.
if [[ -f $manifest ]]; then cp -p "$manifest" "$work/manifest.saved"; fi
cleanup() {
    if [[ -f $work/manifest.saved ]]; then cp -p "$work/manifest.saved" "$manifest"; else rm -f "$manifest"; fi
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
at_exit cleanup

# Our own registry folder, so a game started by another test does not count as running.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$out"

# The Makefile's own targets, as a user types them. CTest runs after the build, so the build
# counts as done (-o build); the job server of a make that started CTest is not for this one.
project_make() {
    env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -s -C "$src" -o build BUILD_DIR="$bin" \
        DESTDIR="$root" PREFIX=/usr "$@"
}

# 1. make install: the tree, and the program folder whole.
project_make install >"$out/install.txt" || fail "make install"
bash "$here/check-tree.sh" "$root" usr/bin "$version" >"$out/check-tree.txt" || fail "installed tree"
diff <(cd "$dist" && find . | sort) <(cd "$folder" && find . | sort) >"$out/folder-diff.txt" \
    || fail "usr/lib/tessiva differs from the program folder: $(cat "$out/folder-diff.txt")"
library() { (cd "$folder" && find . -type f -exec md5sum {} + | sort); }
library >"$work/library-before"

# Starts Packsweep with the given command; sets app (its pid) and main (its dialog).
start_packsweep() {
    start_dialog "$@" >>"$out/packsweep.txt" 2>&1 || fail "the dialog did not appear"
}
height() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\)$/\1/p'; }

# 2. The game through its link.
in_background "$root/usr/bin/tessiva" >"$out/game.txt" 2>&1
game=$!
window=$(wait_for_window) || fail "the installed game's window did not appear"
xprop -id "$window" WM_CLASS | grep -q '"Tessiva_MainForm"' || fail "the window's class"

# 3. Packsweep through its link refuses while that game runs, without asking.
start_packsweep "$root/usr/bin/packsweep"
keys "$main" Down Home Tab Return
refusal=$(message_box "$main")
! is_confirmation "$refusal" || fail "asked while the game runs"
refusal_height=$(height "$refusal")
"$helper" screenshot "$out/refusal.png"
answer "$refusal" Return
keys "$main" Escape
finish
[[ $code == 2 ]] || fail "Escape did not end Packsweep with 2, but with $code"
library | cmp -s - "$work/library-before" || fail "Packsweep changed the library while the game ran"

# 4. A close request ends the installed game with exit code 1.
"$helper" close "$window"
code=0
wait_for_exit "$game" || code=$?
[[ $code == 1 ]] || fail "the game ended with $code after a close request, not 1"

# 5. A player who may not change the installed library, as with /usr/lib/tessiva written by
#    root: the uninstall is confirmed, nothing goes, and the report is the "some errors" one.
#    Its text cannot be read from outside the program, but it is the only two-line message,
#    so its box is taller than the one-line refusal's.
if [[ $(id -u) == 0 ]]; then
    mkdir -m 700 "$work/player"
    chown 65534:65534 "$work/player"
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups
            env HOME="$work/player" XDG_RUNTIME_DIR="$work/player")
else
    chmod -R a-w "$folder"
    player=(env)
fi
start_packsweep "${player[@]}" NO_AT_BRIDGE=1 "$root/usr/bin/packsweep"
keys "$main" Down Home Tab Return
confirm=$(message_box "$main")
is_confirmation "$confirm" || fail "no confirmation"
answer "$confirm" alt+y
report=$(message_box "$main")
report_height=$(height "$report")
"$helper" screenshot "$out/read-only.png"
(( report_height > refusal_height )) \
    || fail "the report ($report_height px high) is a one-line message, not the some-errors one"
answer "$report" Return
keys "$main" Escape
finish
[[ $code == 2 ]] || fail "Escape did not end Packsweep with 2, but with $code"
chmod -R u+w "$folder"
library | cmp -s - "$work/library-before" || fail "Packsweep deleted from a library its user may not change"

# 6. make uninstall removes every file and link that make install put in place.
echo x >"$folder/99.pck"   # a player's own pack stays
project_make uninstall >"$out/uninstall.txt" || fail "make uninstall"
left=$(cd "$root" && find . ! -type d | sort | tr '\n' ' ')
[[ $left == "./usr/lib/tessiva/99.pck " ]] || fail "make uninstall left: $left"
rm "$folder/99.pck"
project_make uninstall >>"$out/uninstall.txt" || fail "make uninstall, again"
[[ ! -e $folder ]] || fail "make uninstall left the empty program folder"
echo "install end-to-end: all checks passed"
