# SPDX-License-Identifier: GPL-3.0-or-later
# Steps shared by the end-to-end scripts that drive the real programs under Xvfb with xdotool.
# Source it from bash; it brings the process steps along. The dialog steps (message_box, answer,
# finish) work on the process whose pid is in $app and call the script's fail() when a step
# cannot be done; shows reads the screen with the game end-to-end test's X11 helper, whose path
# is in $x11; click and drag work in $window unless told otherwise.
source "$(dirname "${BASH_SOURCE[0]}")/process-steps.sh"

# For the scripts that look at the screen: ends the script with the message and a screenshot in
# $out/failure.png (they make it their fail), and one line of progress.
fail_showing_screen() {
    echo "FAILED: $*"
    "$x11" screenshot "$out/failure.png" 2>/dev/null
    exit 1
}
ok() { echo "ok: $*"; }

# Whether two rrggbb colours agree within a scaled picture's blending.
near() {
    local a=$((16#$1)) b=$((16#$2)) shift d
    for shift in 16 8 0; do
        d=$((((a >> shift) & 255) - ((b >> shift) & 255)))
        ((d > 40 || d < -40)) && return 1
    done
    return 0
}
shows() { near "$("$x11" pixel "$1" "$2")" "$3"; }   # shows X Y RRGGBB

# --- Windows -----------------------------------------------------------------------------------

# window_of SEARCH...: prints the first visible window that xdotool search finds; false when none.
window_of() {
    local id
    id=$(xdotool search --onlyvisible "$@" 2>/dev/null)
    [ -n "$id" ] && echo "${id%%$'\n'*}"
}

# wait_for_window [--within SECONDS] [SEARCH...]: prints the window, waiting up to SECONDS (10)
# for it to be mapped; false when none came. Without a search it is the game's main window.
wait_for_window() {
    local seconds=10
    if [[ ${1-} == --within ]]; then
        seconds=$2
        shift 2
    fi
    (($#)) || set -- --class Tessiva_MainForm
    eventually --within "$seconds" window_of "$@"
}

# start_dialog [--within SECONDS] COMMAND...: starts the pack remover with the command (and the
# caller's redirections) in the background and waits up to SECONDS (20) for its dialog; sets app
# to its pid and main to its window, and is false when no dialog came.
start_dialog() {
    local seconds=20
    if [[ ${1-} == --within ]]; then
        seconds=$2
        shift 2
    fi
    in_background "$@"
    app=$!
    main=$(wait_for_window --within "$seconds" --all --pid "$app" --name '^Tessiva Orlune$')
}

# Prints a visible window of the dialog's process other than the given ones; false when none.
new_window() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        [[ " $* " == *" $window "* ]] || { echo "$window"; return 0; }
    done
    return 1
}
# Waits up to 10 s for a window of the dialog's process other than the given ones; prints it.
message_box() { eventually --within 10 new_window "$@" || fail "no message box appeared"; }

# Whether a message box of the pack remover is its confirmation, the one box that asks.
is_confirmation() { [[ $(xdotool getwindowname "$1" 2>/dev/null) == "Confirm Uninstall" ]]; }

# Presses keys in a window; the message boxes are modal, so each gets the focus first.
keys() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers "$@"
}

# Answers a message box with keys and waits up to 10 s until it has gone.
box_gone() { ! grep -qx "$1" <<<"$(xdotool search --onlyvisible --pid "$app" 2>/dev/null)"; }
answer() {
    keys "$@"
    eventually --within 10 box_gone "$1" || fail "the message box stayed"
}

# Waits up to 10 s for the dialog to end and sets code to its exit code; one still running then
# is killed, which shows in its code.
finish() {
    code=0
    wait_for_exit "$app" || code=$?
}

# --- The mouse ---------------------------------------------------------------------------------

click() {   # click X Y [WINDOW]
    xdotool mousemove --window "${3:-$window}" "$1" "$2" click 1
}

# Presses at (X, Y), moves by (DX, DY) in steps with the button held, releases there.
drag() {
    local x=$1 y=$2 dx=$3 dy=$4 k
    xdotool mousemove --window "$window" "$x" "$y" mousedown 1
    sleep 0.1
    for k in 1 2 3 4; do
        xdotool mousemove --window "$window" $((x + dx * k / 4)) $((y + dy * k / 4))
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 0.2
}

# --- The gallery's layout ----------------------------------------------------------------------

# read_gallery PLAY_HELPER FOLDER WIDTH HEIGHT: the gallery as the game lays it out over the
# program folder for a client area of WIDTH x HEIGHT (the play helper's gallery command). Sets
# grid, cells (those of the first page) and categories (top to bottom) to "X Y WIDTH HEIGHT".
read_gallery() {
    local layout what rest
    layout=$("$1" gallery "$2" "$3" "$4") || return 1
    grid="" cells=() categories=()
    while read -r what rest; do
        case $what in
        grid) grid=$rest ;;
        cell) cells[${rest%% *}]=${rest#* } ;;
        category) categories[${rest%% *}]=${rest#* } ;;
        esac
    done <<<"$layout"
    [ -n "$grid" ]
}

# point_in "X Y WIDTH HEIGHT" PX PY: the point PX per cent across and PY per cent down the
# rectangle (beyond it for more than 100).
point_in() {
    local x y w h
    read -r x y w h <<<"$1"
    echo "$((x + w * $2 / 100)) $((y + h * $3 / 100))"
}
