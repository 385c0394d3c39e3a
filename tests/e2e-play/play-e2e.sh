#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole game in the real program under a real X server (run inside xvfb-run, 1280x1024, no
# window manager), driven by xdotool alone: the gallery's first thumbnail, the slider at its
# lowest value, Start, the four pieces of the 2 x 2 puzzle found on a screenshot and dragged
# together, the completion panel, "Back to Gallery", the gallery again, and exit code 1 after
# the window is closed. The program folder is a copy of our own with a library of one picture
# of four plain colour blocks.
# Usage: play-e2e.sh TESSIVA TESSIVA_PACK DIST X11_HELPER PLAY_HELPER OUTPUT_FOLDER
set -u
game=$1 pack=$2 dist=$3 x11=$4 helper=$5 out=$6
mkdir -p "$out"
rm -f "$out"/*.png

# The window is made for a screen of this size; every position below follows from it and from
# the sizes of the theme's images.
screen_w=1280 screen_h=1024
red=d02020 green=20b020 blue=2040d0 yellow=e0d020
grid_colour=675885

source "$(dirname "${BASH_SOURCE[0]}")/../e2e-common/x11-steps.sh"
work=$(mktemp -d /tmp/play-e2e-XXXXXX)
at_exit rm -rf "$work"
fail() { fail_showing_screen "$@"; }

# A registry of this run's own, so that other tests' windows (and a game being played) do not
# count, and ours does not disturb them.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The program folder: the game, our theme and UI images, one category with one puzzle.
program=$work/program
mkdir -p "$program"
cp "$game" "$program/Tessiva"
cp -r "$dist/Themes" "$dist/UI" "$program/"
"$helper" blocks "$work/blocks.png" 400 300 || fail "cannot draw the picture"
"$pack" add-category "$program" 1 "Blocks" >/dev/null || fail "cannot add the category"
"$pack" add-pack "$program" --id 1 --name "Blocks" --category 1 "$work/blocks.png" >/dev/null ||
    fail "cannot add the pack"

sizes() {   # sizes IMAGE: "WIDTH HEIGHT" of a theme or UI image
    local size
    size=$("$helper" size "$program/$1") || fail "cannot read the size of $1"
    echo "$size"
}
read -r _ button_h <<<"$(sizes Themes/Default/Jig-Middle-80.png)"
read -r wide_button_w wide_button_h <<<"$(sizes Themes/Default/Jig-Middle-120.png)"
read -r track_w track_h <<<"$(sizes UI/TrackBar_Track.png)"
read -r _ thumb_h <<<"$(sizes UI/TrackBar_Bar.png)"
[ -n "$button_h" ] && [ -n "$wide_button_h" ] && [ -n "$track_h" ] && [ -n "$thumb_h" ] ||
    fail "the theme's image sizes are unknown"

# The gallery's cells where the game puts them on this screen.
read_gallery "$helper" "$program" $screen_w $screen_h || fail "cannot lay the gallery out"
# The 4 : 3 picture fitted into the first cell: a quarter of the way into the cell lies in its
# top-left block.
thumbnail=$(point_in "${cells[0]}" 25 25)
# Where a second thumbnail would be: the grid shows only its own colour there.
beside_thumbnail=$(point_in "${cells[0]}" 150 150)

# The completion panel: a visible 400 x 200 window of the game's class.
panel() {
    local id
    for id in $(xdotool search --onlyvisible --class Tessiva_MainForm 2>/dev/null); do
        xdotool getwindowgeometry "$id" | grep -q 'Geometry: 400x200$' && { echo "$id"; return 0; }
    done
    return 1
}

cd "$program" || fail "no program folder"
in_background ./Tessiva >"$out/run.txt" 2>&1
pid=$!
window=$(wait_for_window) || fail "the main window did not appear"

# 1. The gallery: the one thumbnail in the grid's first cell.
eventually --within 10 shows $thumbnail $red || fail "the gallery shows no thumbnail"
"$x11" screenshot "$out/1-gallery.png"
ok "the gallery shows the puzzle's thumbnail"
click $(point_in "${cells[0]}" 50 50)

# 2. The set-up page: the picture, 40 % of the client area, centred above the controls.
eventually --within 10 shows 300 250 $red || fail "the set-up page did not appear"
ok "the set-up page shows the picture"
# The slider: right of the centre line by 40, its lower edge the Start button's height + 15
# above the window's. A press on the track's left end puts the thumb there; the drag goes on
# far beyond it.
slider_left=$((screen_w / 2 - track_w / 2 + 40))
slider_h=$((track_h > thumb_h ? track_h : thumb_h))
slider_y=$((screen_h - button_h - 15 - slider_h / 2))
drag $((slider_left + 2)) "$slider_y" -500 0
"$x11" screenshot "$out/2-setup.png"
# Start: centred 40 + its half width right of the centre line, 5 above the lower edge.
click $((screen_w / 2 + 40 + 40)) $((screen_h - 5 - button_h / 2))

# 3. The play page: the picture's preview in the bottom-right corner, 200 x 150 at first.
eventually --within 10 shows $((screen_w - 1 - 150)) $((screen_h - 1 - 110)) $red ||
    fail "the play page did not appear"
sleep 0.5
"$x11" screenshot "$out/3-play.png"
# The board ends 6 pixels above the bar; the preview sits in the bottom-right corner.
board_h=$((screen_h - button_h - 5 - 6))
"$helper" plan "$out/3-play.png" $screen_w $board_h $((screen_w - 210)) $((screen_h - 165)) \
    >"$out/plan.txt" || fail "the four pieces are not on the board"
ok "the play page shows the four pieces"
# Each piece in turn goes to its place beside those already placed.
read -r _ home_x home_y picture_w picture_h <"$out/plan.txt"
while read -r x y dx dy; do
    drag "$x" "$y" "$dx" "$dy"
done < <(tail -n +2 "$out/plan.txt")

# 4. The completion panel over the assembled picture.
eventually --within 10 panel >/dev/null || fail "no completion panel after the last piece"
completion=$(panel)
"$x11" screenshot "$out/4-complete.png"
# Each quarter shows its block where the panel leaves it visible: at its middle or near one of
# its corners.
read -r panel_x panel_y < <(xdotool getwindowgeometry "$completion" |
    sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
quarter_shows() {   # quarter_shows LEFT TOP WIDTH HEIGHT RRGGBB
    local point x y
    for point in "$(($1 + $3 / 2)) $(($2 + $4 / 2))" "$(($1 + 15)) $(($2 + 15))" \
        "$(($1 + $3 - 15)) $(($2 + 15))" "$(($1 + 15)) $(($2 + $4 - 15))" \
        "$(($1 + $3 - 15)) $(($2 + $4 - 15))"; do
        read -r x y <<<"$point"
        ((x >= panel_x && x < panel_x + 400 && y >= panel_y && y < panel_y + 200)) && continue
        shows "$x" "$y" "$5"
        return
    done
    return 1
}
half_w=$((picture_w / 2)) half_h=$((picture_h / 2))
quarter_shows "$home_x" "$home_y" $half_w $half_h $red &&
    quarter_shows $((home_x + half_w)) "$home_y" $half_w $half_h $green &&
    quarter_shows "$home_x" $((home_y + half_h)) $half_w $half_h $blue &&
    quarter_shows $((home_x + half_w)) $((home_y + half_h)) $half_w $half_h $yellow ||
    fail "the picture is not put together where the pieces were dropped"
ok "the puzzle is solved and the completion panel is up"
# "Back to Gallery" is the left one of its two buttons, 40 left of the panel's centre line and
# 10 above its lower edge.
click $((200 - 40 - wide_button_w / 2)) $((200 - 10 - wide_button_h / 2)) "$completion"

# 5. The gallery again, with its thumbnail, and no panel.
eventually --within 10 shows $thumbnail $red || fail "the gallery did not come back"
eventually --within 10 shows $beside_thumbnail $grid_colour ||
    fail "the gallery's grid is not shown"
panel >/dev/null && fail "the completion panel stayed"
"$x11" screenshot "$out/5-gallery.png"
ok "back in the gallery"

# 6. Closing the window ends the game with exit code 1.
"$x11" close "$window"
code=0
wait_for_exit "$pid" || code=$?
[ "$code" -eq 1 ] || fail "the game ended with $code, not 1"
[ -s "$out/run.txt" ] && fail "the game printed: $(head -3 "$out/run.txt")"
ok "closing the window ends the game with exit code 1"
echo "play end-to-end: all checks passed"
