#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mouse input through the SDL backend under a real X server (inside xvfb-run, no window
# manager): a press in the window, a drag out of it to the top-left and a release there all
# reach the window, with client coordinates that turn negative outside it; then a modal panel
# is ended by its own timer.
# Usage: sdl-input-e2e.sh PROBE OUTPUT_FILE
set -u
probe=$1 out=$2
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-common/process-steps.sh"
in_background "$probe" >"$out" 2>&1
pid=$!
eventually --within 10 grep -q ready "$out"
sleep 0.3
xdotool mousemove 150 160 mousedown 1
sleep 0.2
xdotool mousemove 250 180
sleep 0.2
xdotool mousemove 20 30
sleep 0.2
xdotool mouseup 1
code=0
wait_for_exit "$pid" 5 || code=$?
cat "$out"
failures=0
expect() {
    if grep -qx "$1" "$out"; then echo "ok: $1"; else echo "FAILED: missing '$1'"; failures=$((failures + 1)); fi
}
expect "down 50 60"
expect "move 150 80"
expect "move -80 -70"
expect "up -80 -70"
expect "panel 5"
[ "$code" -eq 0 ] || { echo "FAILED: probe ended with $code"; failures=$((failures + 1)); }
echo "$failures failed"
[ "$failures" -eq 0 ]
