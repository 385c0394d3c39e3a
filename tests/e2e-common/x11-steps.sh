# Steps shared by the end-to-end scripts that drive the real programs under Xvfb with xdotool.
# Source it from bash. The dialog steps (message_box, answer, finish) work on the process whose
# pid is in $app and call the script's own fail() when a step cannot be done; shows reads the
# screen with the game end-to-end test's X11 helper, whose path is in $x11.

# For the scripts that look at the screen: ends the script with the message and a screenshot in
# $out/failure.png (they make it their fail), and one line of progress.
fail_showing_screen() {
    echo "FAILED: $*"
    "$x11" screenshot "$out/failure.png" 2>/dev/null
    exit 1
}
ok() { echo "ok: $*"; }

# Runs the command until it succeeds, for up to 5 s: the window manager's and the game's work
# reaches the server a little after the window appears.
eventually() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

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

# The game's window id, waiting up to 10 s for it to be mapped.
wait_for_window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --class Tessiva_MainForm 2>/dev/null | head -1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

# The exit code of a process of ours, waiting up to 10 s; 124 when it did not end.
wait_for_exit() {
    local pid=$1
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return $?
        fi
        sleep 0.1
    done
    kill -9 "$pid"
    wait "$pid"
    return 124
}

# Waits for a visible window of the dialog's process other than the given ones; prints it.
message_box() {
    for _ in $(seq 100); do
        for window in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            [[ " $* " == *" $window "* ]] || { echo "$window"; return; }
        done
        sleep 0.1
    done
    fail "no message box appeared"
}

# Presses keys in a window; the message boxes are modal, so each gets the focus first.
keys() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers "$@"
}

# Answers a message box with keys and waits until it has gone.
answer() {
    local box=$1
    keys "$@"
    for _ in $(seq 100); do
        xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qx "$box" || return 0
        sleep 0.1
    done
    fail "the message box stayed"
}

# Waits up to 10 s for the dialog to end and sets code to its exit code; one still running then
# is killed, which shows in its code.
finish() {
    local state
    for _ in $(seq 100); do
        state=$(cut -d' ' -f3 "/proc/$app/stat" 2>/dev/null || true)
        [[ -z "$state" || "$state" == Z ]] && break
        sleep 0.1
    done
    kill "$app" 2>/dev/null || true
    code=0
    wait "$app" || code=$?
}
