#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The pack remover's real dialog under Xvfb: the sorted list, an uninstall with its refreshed
# list, the refusal while a game window is registered or shown by the X server (whatever the
# environment of either program), and the exit codes of Exit, Escape and the close box. Run it
# through private-registry.sh, so that other tests' windows are not the game's.
# Usage: packsweep-e2e.sh PACKSWEEP HELPER SCREENSHOT_FOLDER [GAME]
set -euo pipefail

if [[ -z "${PACKSWEEP_E2E_UNDER_XVFB:-}" ]]; then
  for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  exec xvfb-run -a -s "-screen 0 1024x768x24" \
    env PACKSWEEP_E2E_UNDER_XVFB=1 bash "$0" "$@"
fi

packsweep=$1 helper=$2 shots=$3 game=${4:-}
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-common/x11-steps.sh"
work=$(mktemp -d /tmp/packsweep-e2e-XXXXXX)
at_exit rm -rf "$work"

# The game's stand-ins run with a runtime folder of their own and the dialog with none: the
# registry must not depend on either.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$shots"

# The program reads the folder it lives in: three packs, sorted alpha, Mid, Zeta ignoring case.
program=$work/program
mkdir -p "$program/Puzzles"
cp "$packsweep" "$program/Packsweep"
"$helper" write-pack "$program/1.pck" Zeta "1,7"
"$helper" write-pack "$program/2.pck" alpha "2,7"
"$helper" write-pack "$program/3.pck" Mid "3"
for id in 1 2 3 7; do
  for ext in dat jpg; do echo x > "$program/Puzzles/0000000$id.$ext"; done
done
echo x > "$program/Puzzles/00000003.ogg"
echo x > "$program/Puzzles/00000001.dat.bak"

files() { (cd "$program" && find . -mindepth 1 | sort | tr '\n' ' '); }
expect_files() {
  local expected
  expected=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
  [[ "$(files)" == "$expected" ]] || fail "files: $(files), expected: $expected"
}

# Starts the dialog; sets app (its pid) and main (its window).
start() {
  start_dialog env -u XDG_RUNTIME_DIR "$program/Packsweep" || fail "the dialog did not appear"
}

shot() {
  "$helper" screenshot "$shots/$1.png" 0 0 1024 768 || fail "screenshot $1"
}

# 0. Without a display there is no dialog: exit code 0, and nothing is touched.
code=0
env -u DISPLAY -u WAYLAND_DISPLAY "$program/Packsweep" || code=$?
[[ $code == 0 ]] || fail "without a display it ended with $code"

# 1. Rows 2 and 3 of the sorted list are Mid and Zeta: uninstalling them removes packs 3 and 1
#    with puzzles 3 and 1; puzzle 7 stays with alpha.
start
shot dialog
keys "$main" Down Home Down shift+Down Tab Return
confirm=$(message_box "$main")
is_confirmation "$confirm" || fail "no confirmation"
shot confirmation
answer "$confirm" alt+y
done_box=$(message_box "$main")
shot success
answer "$done_box" Return
expect_files ./2.pck ./Packsweep ./Puzzles ./Puzzles/00000001.dat.bak ./Puzzles/00000002.dat \
  ./Puzzles/00000002.jpg ./Puzzles/00000007.dat ./Puzzles/00000007.jpg

# 2. While a game window is registered the dialog refuses without asking (its message box looks
#    like the one for an empty selection; step 3 shows that the selection was there), although
#    the window's program has another runtime folder. The list has been read anew, so its last
#    row is now alpha.
mkdir -m 700 "$work/other-run"
in_background env XDG_RUNTIME_DIR="$work/other-run" "$helper" hold-class Tessiva_MainForm \
  > "$work/held"
holder=$!
eventually --within 10 grep -q held "$work/held" || fail "no lock"
keys "$main" shift+Tab End space Tab Return
refusal=$(message_box "$main")
! is_confirmation "$refusal" || fail "asked while the game runs"
shot refusal
answer "$refusal" Return
expect_files ./2.pck ./Packsweep ./Puzzles ./Puzzles/00000001.dat.bak ./Puzzles/00000002.dat \
  ./Puzzles/00000002.jpg ./Puzzles/00000007.dat ./Puzzles/00000007.jpg
end_process "$holder"

# 2b. The same while the X server shows a window of the game's class that has no registry mark.
in_background "$helper" hold-x-window Tessiva_MainForm > "$work/shown"
holder=$!
eventually --within 10 grep -q held "$work/shown" || fail "no X window"
keys "$main" Return
refusal=$(message_box "$main")
! is_confirmation "$refusal" || fail "asked while the X server shows the game"
answer "$refusal" Return
end_process "$holder"

# 3. With the game gone the same selection is confirmed and removed with puzzles 2 and 7.
keys "$main" Return
confirm=$(message_box "$main")
is_confirmation "$confirm" || fail "no confirmation"
answer "$confirm" alt+y
done_box=$(message_box "$main")
answer "$done_box" Return
expect_files ./Packsweep ./Puzzles ./Puzzles/00000001.dat.bak

# 4. Escape is the cancel command: exit code 2.
keys "$main" Escape
finish
[[ $code == 2 ]] || fail "Escape did not end with 2, but with $code"

# 5. Exit, the last button (Shift+Tab from the list wraps to it): exit code 1002, which the
#    system reports in its low 8 bits.
start
keys "$main" shift+Tab Return
finish
[[ $code == $((1002 & 0xFF)) ]] || fail "Exit did not end with 1002, but with $code"

# 6. The close box: exit code 2.
start
"$helper" close-window "$main"
finish
[[ $code == 2 ]] || fail "the close box did not end with 2, but with $code"

# 7. The real game, when it has been built, is recognised as running too.
if [[ -n "$game" && -x "$game" ]]; then
  in_background "$game"
  game_pid=$!
  wait_for_window --within 20 >/dev/null || fail "the game did not start"
  "$helper" write-pack "$program/4.pck" Kept "4"
  echo x > "$program/Puzzles/00000004.jpg"
  start
  keys "$main" Down Home Tab Return
  refusal=$(message_box "$main")
  ! is_confirmation "$refusal" || fail "asked while the game runs"
  shot refusal-game
  answer "$refusal" Return
  [[ -e "$program/4.pck" && -e "$program/Puzzles/00000004.jpg" ]] \
    || fail "deleted while the game runs"
  # Once the game has ended the same selection is confirmed; No keeps it.
  end_process "$game_pid"
  keys "$main" Return
  confirm=$(message_box "$main")
  is_confirmation "$confirm" || fail "no confirmation"
  answer "$confirm" alt+n
  [[ -e "$program/4.pck" && -e "$program/Puzzles/00000004.jpg" ]] || fail "deleted after No"
  keys "$main" Escape
  finish
  [[ $code == 2 ]] || fail "Escape did not end with 2, but with $code"
  echo "refusal checked with the game running"
fi

echo "packsweep end-to-end: all checks passed"
