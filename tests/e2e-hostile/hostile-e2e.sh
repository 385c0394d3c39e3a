#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game and the real pack remover on a program folder full of hostile files, under a
# real X server (run inside xvfb-run, 1280x1024, no window manager, through private-registry.sh):
# huge sparse library files, packs of 100,000 ids, of ids that overflow and of one missing id
# listed five million times, FIFOs and link loops named like library files, pictures and theme
# images, pictures that are empty, cut off, not pictures at all or that claim 60000 x 60000
# pixels, beside a category and packs of good pictures. Each program must show its window within
# 5 s, show what could be read, stay below 300 MB of peak resident memory and close normally;
# tessiva-pack list must name every hostile file that carries a library name. The files are
# sparse, so the folder takes about a dozen megabytes of disk. LIMITS is "assert" to hold the
# programs to the start-time and memory limits, or "report" to print the figures only (the
# sanitizer build, which is several times slower and larger).
# Usage: hostile-e2e.sh TESSIVA PACKSWEEP TESSIVA_PACK DIST X11_HELPER PLAY_HELPER
#                       PACKSWEEP_HELPER HOSTILE_HELPER OUTPUT_FOLDER LIMITS
set -u
game=$1 packsweep=$2 pack=$3 dist=$4 x11=$5 pictures=$6 dialog=$7 hostile=$8 out=$9 limits=${10-}
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.txt

readonly start_limit_ms=5000 memory_limit_kb=$((300 * 1024))
red=d02020 grid_colour=675885
screen_w=1280 screen_h=1024

source "$(dirname "${BASH_SOURCE[0]}")/../e2e-common/x11-steps.sh"
work=$(mktemp -d /tmp/hostile-e2e-XXXXXX)
at_exit rm -rf "$work"
fail() { fail_showing_screen "$@"; }

# Held to the limits, a program gets a little over its start limit to show its window, so that
# a slow start still reports its figure; reported only, it gets what the test's timeout allows.
case $limits in
assert) window_seconds=$((start_limit_ms / 1000 + 5)) ;;
report) window_seconds=40 ;;
*) fail "LIMITS is assert or report, not '$limits'" ;;
esac

# The display libraries want a runtime folder; the window registry is private already.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

program=$work/program
puzzles=$program/Puzzles
mkdir -p "$program"
cp "$game" "$program/Tessiva"
cp "$packsweep" "$program/Packsweep"
cp -r "$dist/Themes" "$dist/UI" "$program/"

# --- The folder -------------------------------------------------------------------------------

# The hostile library of the library tests: category 1 "Hostile"; a 2.5 GB sparse 2.ctg; 3.ctg a
# link to itself; 4.pck a FIFO; 5.pck listing 100,000 missing ids; 6.pck with ids that overflow
# 32 bits (one wraps to 2147483647); 7.pck listing the missing id 9 five million times; 8.pck of
# the hostile pictures; 9.pck one byte over the 16 MiB limit. Puzzles 1 (a JPEG cut off after its
# start), 2 (empty), 3 (a frame header claiming 60000 x 60000 and no data), 6 (".JPG", one byte of
# text); 4 with a 200 MB sparse ".dat"; 5 whose ".jpg" is a link to itself; the links loop-a and
# loop-b point at each other.
"$hostile" library "$program/" || fail "cannot write the hostile library"

# The good content, made as a player makes it. 6.pck lists the largest id there is, which would
# leave add-pack no free id; it stands aside meanwhile.
"$pictures" blocks "$work/blocks.png" 400 300 || fail "cannot draw the picture"
mv "$program/6.pck" "$work/6.pck"
"$pack" add-category "$program" 20 "Good" >/dev/null || fail "cannot add the category Good"
"$pack" add-pack "$program" --id 20 --name "Good" --category 20 \
    "$work/blocks.png" "$work/blocks.png" "$work/blocks.png" >/dev/null || fail "cannot add the pack Good"
# A category whose one picture becomes a FIFO while the game runs, before its thumbnail is drawn.
"$pack" add-category "$program" 21 "Later" >/dev/null || fail "cannot add the category Later"
"$pack" add-pack "$program" --id 21 --name "Later" --category 21 "$work/blocks.png" >/dev/null ||
    fail "cannot add the pack Later"
mv "$work/6.pck" "$program/6.pck"
later_id=$("$pack" decode "$program/21.pck" | sed -n 's/^Puzzles=\([0-9]*\).*/\1/p')
later_picture=$puzzles/$(printf '%08d' "$later_id").jpg
[ -f "$later_picture" ] || fail "Later's picture is not where it should be"

library_file() {   # library_file PATH TEXT: writes a library file as the game stores it
    printf '%s' "$2" >"$work/plain.txt"
    "$pack" encode "$work/plain.txt" >"$1" || fail "cannot encode $1"
}
# More traps, in category 1, all listed by 22.pck:
#   30 its ".jpg" a FIFO (skipped); 31 its ".jpg" and ".ogg" links to each other (skipped);
#   32 a FIFO ".ogg" beside a good ".jpg" (shown, from the ".jpg"); 33 a FIFO ".dat" (skipped);
#   34 a whole small JPEG whose header claims 60000 x 60000 (too large); 35 a sparse ".jpg" of
#   zero bytes as large as the game reads a picture file (128 MiB, no picture); 36 a sparse 1 GiB
#   ".jpg" (too large to be read).
for id in 30 31 32 34 35 36; do library_file "$puzzles/000000$id.dat" $'Category=1\r\n'; done
mkfifo "$puzzles/00000030.jpg"
ln -s 00000031.ogg "$puzzles/00000031.jpg"
ln -s 00000031.jpg "$puzzles/00000031.ogg"
cp "$work/blocks.png" "$puzzles/00000032.jpg"
mkfifo "$puzzles/00000032.ogg"
cp "$work/blocks.png" "$puzzles/00000033.jpg"
mkfifo "$puzzles/00000033.dat"
"$hostile" claimed-jpeg "$puzzles/00000034.jpg" 60000 60000 || fail "cannot write the claiming JPEG"
truncate -s 128M "$puzzles/00000035.jpg"
truncate -s 1G "$puzzles/00000036.jpg"
library_file "$program/22.pck" $'Name=Traps\r\nPuzzles=30,31,32,33,34,35,36\r\n'
# A FIFO named like a category file.
mkfifo "$program/23.ctg"

# Theme and UI images that are no pictures: a FIFO where the gallery's command buttons get their
# image, text, an empty file, a PNG header claiming 60000 x 60000, a PNG cut off, a link to itself.
# The category buttons keep their images, so that they can be clicked.
theme=$program/Themes/Default
rm -f "$theme/Jig-Middle-120.png" && mkfifo "$theme/Jig-Middle-120.png"
for image in Jig-Left.png Jig-Right.png Dialog-Pause.png; do echo "not a picture" >"$theme/$image"; done
: >"$theme/Label-Page-xOfy.png"
printf '\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\xea\x60\x00\x00\xea\x60\x08\x06\x00\x00\x00\x00\x00\x00\x00' \
    >"$theme/Button-Next-Page.png"
head -c 40 "$dist/Themes/Default/Button-Previous-Page.png" >"$theme/Button-Previous-Page.png"
rm -f "$theme/Jig-In-Out.png" && ln -s Jig-In-Out.png "$theme/Jig-In-Out.png"
echo "not a picture" >"$program/UI/Magnifier.png"
rm -f "$program/UI/TrackBar_Bar.png" && mkfifo "$program/UI/TrackBar_Bar.png"

du -sh "$program" | sed 's/^/disk used by the program folder: /'

# --- Measures ----------------------------------------------------------------------------------

now_ms() { echo $(($(date +%s%N) / 1000000)); }
peak_kb() { sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB$/\1/p' "/proc/$1/status"; }

check_start() {   # check_start MS NAME: the time the program took to show its window
    echo "$2's window appeared after $1 ms"
    [ "$limits" = report ] || (($1 <= start_limit_ms)) ||
        fail "$2 took $1 ms to show its window, the limit is $start_limit_ms ms"
}

check_memory() {   # check_memory PID NAME
    local kb
    kb=$(peak_kb "$1")
    [ -n "$kb" ] || fail "$2: no peak memory figure"
    echo "$2: peak resident memory $((kb / 1024)) MB"
    [ "$limits" = report ] || ((kb < memory_limit_kb)) ||
        fail "$2 used $((kb / 1024)) MB, the limit is $((memory_limit_kb / 1024)) MB"
}

# --- The game ----------------------------------------------------------------------------------

# The gallery as the game lays it out over this folder (the first page shows Good's three
# cells; every category uses the same grid). A quarter of the way into a cell lies in the top-left
# block of a 4 : 3 picture fitted into it.
read_gallery "$pictures" "$program" $screen_w $screen_h || fail "cannot lay the gallery out"
((${#cells[@]} == 3 && ${#categories[@]} == 3)) ||
    fail "the gallery has ${#cells[@]} cells and ${#categories[@]} categories, not 3 of each"
thumbnail() { point_in "${cells[$1]}" 25 25; }
# The category buttons down the left, sorted by name: Good, Hostile, Later.
category() { click $(point_in "${categories[$1]}" 50 50); }
good_thumbnails() {
    shows $(thumbnail 0) $red && shows $(thumbnail 1) $red && shows $(thumbnail 2) $red
}

cd "$program" || fail "no program folder"
began=$(now_ms)
in_background ./Tessiva >"$out/game-output.txt" 2>&1
pid=$!
window=$(wait_for_window --within $window_seconds) || fail "the game showed no window"
game_start_ms=$(($(now_ms) - began))
check_start $game_start_ms "the game"

# 1. The gallery opens on Good, with its three thumbnails.
eventually good_thumbnails || fail "the gallery does not show the three good thumbnails"
"$x11" screenshot "$out/1-good.png"
ok "the gallery shows the good category's thumbnails"

# 2. Hostile: puzzle 32's good picture first, then empty cells for the pictures that cannot be
#    shown. A click on the too-large one leaves the gallery as it is.
rm -f "$later_picture" && mkfifo "$later_picture"
category 1
eventually shows $(thumbnail 1) $grid_colour ||
    fail "Hostile shows something for a picture that is too large"
shows $(thumbnail 0) $red || fail "Hostile does not show puzzle 32's picture"
"$x11" screenshot "$out/2-hostile.png"
click $(thumbnail 1)
ok "the hostile category shows what could be read"

# 3. Later, whose picture became a FIFO: an empty cell, and a click on it goes nowhere.
category 2
eventually shows $(thumbnail 0) $grid_colour || fail "Later shows a picture that is a FIFO"
click $(thumbnail 0)
"$x11" screenshot "$out/3-later.png"
category 0
eventually good_thumbnails || fail "the game stopped answering after the FIFO picture"
ok "a picture that became a FIFO neither blocks the thumbnail nor the click"

check_memory "$pid" "the game"
game_peak_kb=$(peak_kb "$pid")
"$x11" close "$window"
wait_for_exit "$pid"
code=$?
[ "$code" -eq 1 ] || fail "the game ended with $code, not 1"
ok "closing the window ends the game with exit code 1"
[ -s "$out/game-output.txt" ] && echo "the game printed: $(head -3 "$out/game-output.txt")"

# --- tessiva-pack list -------------------------------------------------------------------------

"$pack" list "$program" >"$out/list.txt" || fail "tessiva-pack list failed"
listed() { grep -qxF -- "$1" "$out/list.txt" || fail "the list lacks: $1"; }
listed "  2.ctg: Util::ReadFileAscii (74)"
listed "  3.ctg: Util::ReadFileAscii (72)"
listed "  23.ctg: Util::ReadFileAscii (72)"
listed "  4.pck: Util::ReadFileAscii (72)"
listed "  9.pck: Util::ReadFileAscii (74)"
listed "  puzzle 4: Util::ReadFileAscii (74)  files: Puzzles/00000004.dat, Puzzles/00000004.jpg"
listed "  puzzle 5: Puzzle::ReadPuzzle (65)  files: Puzzles/00000005.dat, Puzzles/00000005.jpg (not a plain file)"
listed "  puzzle 9: Puzzle::ReadPuzzle (65)"
listed "  puzzle 1000: Puzzle::ReadPuzzle (65)"
listed "  puzzle 100999: Puzzle::ReadPuzzle (65)"
listed "  puzzle 2147483647: Puzzle::ReadPuzzle (65)"
listed "  puzzle 30: Puzzle::ReadPuzzle (65)  files: Puzzles/00000030.dat, Puzzles/00000030.jpg (not a plain file)"
listed "  puzzle 31: Puzzle::ReadPuzzle (65)  files: Puzzles/00000031.dat, Puzzles/00000031.jpg (not a plain file), Puzzles/00000031.ogg (not a plain file)"
listed "  puzzle 33: Puzzle::ReadPuzzle (66)  files: Puzzles/00000033.dat (not a plain file), Puzzles/00000033.jpg"
listed "  Puzzles/00000032.ogg (puzzle 32): not a plain file"
listed "  Puzzles/00000034.jpg (puzzle 34): too large for the game"
listed "  Puzzles/00000035.jpg (puzzle 35): unknown format, truncated or corrupt"
listed "  Puzzles/00000036.jpg (puzzle 36): too large for the game"
for id in 1 2 3; do listed "  Puzzles/0000000$id.jpg (puzzle $id): unknown format, truncated or corrupt"; done
listed "  Puzzles/00000006.JPG (puzzle 6): unknown format, truncated or corrupt"
# Later's picture became a FIFO while the game ran, so its puzzle is skipped now.
listed "  puzzle $later_id: Puzzle::ReadPuzzle (65)  files: Puzzles/$(basename "${later_picture%.jpg}").dat, Puzzles/$(basename "$later_picture") (not a plain file)"
[ "$(grep -c ': Puzzle::ReadPuzzle (65)' "$out/list.txt")" -eq $((100000 + 7)) ] ||
    fail "the list does not give each missing puzzle once"
ok "tessiva-pack list names every hostile library file with its reason"

# --- Packsweep ---------------------------------------------------------------------------------

began=$(now_ms)
start_dialog --within $window_seconds ./Packsweep >"$out/packsweep-output.txt" 2>&1 ||
    fail "Packsweep showed no window"
packsweep_start_ms=$(($(now_ms) - began))
check_start $packsweep_start_ms Packsweep
"$x11" screenshot "$out/4-packsweep.png"

# Every row selected and uninstalled: exactly the readable packs go (the good ones among them),
# with every puzzle file they list; the unreadable 4.pck and 9.pck stay, as do the links that
# carry no puzzle's name.
keys "$main" Down Home shift+End Tab Return
confirm=$(message_box "$main")
is_confirmation "$confirm" || fail "no confirmation"
answer "$confirm" alt+y
done_box=$(message_box "$main")
"$x11" screenshot "$out/5-uninstalled.png"
answer "$done_box" Return
remaining=$(cd "$program" && find . -name '*.pck' -o -path './Puzzles/*' | sort | tr '\n' ' ')
[ "$remaining" == "./4.pck ./9.pck ./Puzzles/loop-a ./Puzzles/loop-b " ] ||
    fail "after uninstalling every listed pack these remain: $remaining"
ok "Packsweep lists every readable pack, the good ones among them, and uninstalls them"

check_memory "$app" "Packsweep"
packsweep_peak_kb=$(peak_kb "$app")
"$dialog" close-window "$main"
finish
[ "$code" -eq 2 ] || fail "Packsweep's close box ended it with $code, not 2"
ok "Packsweep's close box ends it with exit code 2"

printf 'start: game %d ms, Packsweep %d ms; peak memory: game %d MB, Packsweep %d MB\n' \
    "$game_start_ms" "$packsweep_start_ms" $((game_peak_kb / 1024)) $((packsweep_peak_kb / 1024)) |
    tee "$out/figures.txt"
echo "hostile program folder end-to-end: all checks passed"
