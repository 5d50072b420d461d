#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The start tells the player everything: a signal while a box of the start
# is open ends the program with status 1 and one line on stderr, never by
# the signal itself; a folder in place of the settings file is told as the
# game starts, the title says the game is not kept, and no lock file is made
# beside it.
source "$(dirname "$0")/e2e_common.sh"

# Qt names its runtime folder in the system's temporary folder unless given one.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
folder=$(dirname "$settings")
mkdir -p "$folder"

# Every program started here is ended and waited for before the folder goes.
started=()
end_all() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  for pid in "${started[@]}" $xvfb_pid; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap end_all EXIT

launch() {
  "$program" >"$work/$1.out" 2>"$work/$1.err" &
  game_pid=$!
  started+=("$game_pid")
}

# Waits up to ten seconds for a visible window with exactly this name.
wait_for_window() {
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || fail "the program ended early: $(cat "$work"/*.err)"
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | head -1 || true)
    [[ -n $found ]] && return 0
    sleep 0.1
  done
  fail "no window named '$1' appeared"
}

# SIGTERM to the program in front of its box: status 1 and one line.
term_during_box() {
  local name=$1 lines
  kill -TERM "$game_pid"
  wait_for_end "$game_pid" || fail "SIGTERM with the $name box open did not end the program"
  ((ended_with == 1)) || fail "SIGTERM with the $name box open ended with status $ended_with"
  lines=$(wc -l <"$work/$name.err")
  [[ $lines == 1 ]] && grep -q 'SIGTERM before the game had started' "$work/$name.err" ||
    fail "SIGTERM with the $name box open told: $(cat "$work/$name.err")"
}

start_x

# A lock file that cannot be one: the "cannot lock" box, then SIGTERM.
mkdir "$folder/.VOLTA.INI.lock"
launch lock
wait_for_window 'Voltaro Slots'
term_during_box lock
rmdir "$folder/.VOLTA.INI.lock"

# A game already running: the second start's box, then SIGTERM; the first
# game plays on.
start_game
first=$game_pid
started+=("$first")
launch second
wait_for_window 'Voltaro Slots' "$window"
term_during_box second
game_pid=$first
kill -0 "$game_pid" 2>/dev/null || fail "the first game ended with the second"
exit_through_menu

# A folder in place of the settings file: told at start, the title says the
# game is not kept, no lock file is made beside it.
rm -f "$settings" "$folder/.VOLTA.INI.lock"
mkdir "$settings"
launch folder
wait_for_window 'Voltaro Slots \(not saved\)'
main=$found
wait_for_window 'Voltaro Slots' "$main"
[[ $(ls -A "$folder") == VOLTA.INI ]] || fail "beside the folder: $(ls -A "$folder")"
# The close cannot write either: it says so and ends with status 1.
kill -TERM "$game_pid"
wait_for_end "$game_pid" || fail "SIGTERM did not close the game with a folder in place of its file"
((ended_with == 1)) && grep -q "Unable to write to $settings" "$work/folder.err" ||
  fail "the close ended with status $ended_with: $(cat "$work/folder.err")"
[[ -z $(ls -A "$settings") && $(ls -A "$folder") == VOLTA.INI ]] || fail "the close left $(ls -AR "$folder")"
echo "PASS: the start tells what it cannot do, and a signal in its boxes is told"
