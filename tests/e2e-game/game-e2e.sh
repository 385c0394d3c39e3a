#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game program under a real X server (run inside xvfb-run, 1280x1024, no window manager,
# -noreset so that the server does not restart between the two runs below):
# silent exit 0 without a display; the main window's title, class, size and colour; the window
# class registry seen from another process; exit code 1 after a close request; the registry
# cleared after a normal end and after kill -9.
# Usage: game-e2e.sh TESSIVA X11_HELPER REGISTRY_PROBE PLAY_HELPER OUTPUT_FOLDER
set -u
game=$1 helper=$2 probe=$3 layout=$4 out=$5
screen_w=1280 screen_h=1024
failures=0
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-common/x11-steps.sh"

# The window class registry is this run's own through private-registry.sh (the headless tests
# running beside it make main windows too, and so may a game that the user is playing); a
# runtime folder of its own keeps the display libraries quiet.
export XDG_RUNTIME_DIR=$out/runtime
rm -rf "$XDG_RUNTIME_DIR"
mkdir -m 700 "$XDG_RUNTIME_DIR"

check() {   # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

# Where the game lays its gallery out on this screen, over the library beside it.
read_gallery "$layout" "$(dirname "$game")" $screen_w $screen_h || fail "cannot lay the gallery out"
read -r column_x _ <<<"$(point_in "${categories[0]}" 50 50)"
read -r _ column_end <<<"$(point_in "${categories[-1]}" 0 100)"
read -r _ grid_y _ <<<"$grid"
read -r cell_x cell_y <<<"$(point_in "${cells[0]}" 50 0)"

# 1. No display at all: start-up fails silently with 0.
env -u DISPLAY -u WAYLAND_DISPLAY "$game" >"$out/no-display.txt" 2>&1
code=$?
check "no display: exit code 0 (got $code)" [ "$code" -eq 0 ]
check "no display: nothing printed" [ ! -s "$out/no-display.txt" ]

# 2. A normal run closed by a close request.
in_background "$game" >"$out/run.txt" 2>&1
pid=$!
window=$(wait_for_window)
check "the main window appears" [ -n "$window" ]
if [ -n "$window" ]; then
    xprop -id "$window" WM_CLASS WM_NAME >"$out/xprop.txt"
    check "WM_CLASS holds Tessiva_MainForm" grep -q 'WM_CLASS.*"Tessiva_MainForm"' "$out/xprop.txt"
    check "title is Tessiva Orlune" grep -q 'WM_NAME.*= "Tessiva Orlune"$' "$out/xprop.txt"
    maximised() {
        xwininfo -id "$window" >"$out/xwininfo.txt" &&
            grep -q "Width: $screen_w\$" "$out/xwininfo.txt" &&
            grep -q "Height: $screen_h\$" "$out/xwininfo.txt"
    }
    check "maximised to the screen ($screen_w x $screen_h)" eventually maximised
    check "the registry sees the running game" "$probe" Tessiva_MainForm
    # The page colour below the category column (halfway to the lower edge) and in the corner,
    # the grid's between its frame and its first cell.
    gallery_colours() {
        [ "$("$helper" pixel "$column_x" $(((column_end + screen_h) / 2)))" = "7856c8" ] &&
            [ "$("$helper" pixel $((screen_w - 1)) $((screen_h - 1)))" = "7856c8" ] &&
            [ "$("$helper" pixel "$cell_x" $(((grid_y + cell_y) / 2)))" = "675885" ]
    }
    check "the gallery page shows its grid on the page colour" eventually gallery_colours
    "$helper" screenshot "$out/game.png"
    "$helper" close "$window"
fi
wait_for_exit "$pid"
code=$?
check "a close request ends the game with exit code 1 (got $code)" [ "$code" -eq 1 ]
check "nothing printed during the run" [ ! -s "$out/run.txt" ]
check "the registry is empty after the game ended" bash -c "! '$probe' Tessiva_MainForm >/dev/null"

# 3. A game that is killed leaves no registration behind.
in_background "$game" >"$out/run2.txt" 2>&1
pid=$!
window=$(wait_for_window)
check "the second run's window appears" [ -n "$window" ]
check "the registry sees the second run" "$probe" Tessiva_MainForm
kill -9 "$pid"
wait_for_exit "$pid"
check "the registry is empty after kill -9" bash -c "! '$probe' Tessiva_MainForm >/dev/null"

echo "$failures failed"
[ "$failures" -eq 0 ]
