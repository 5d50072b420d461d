#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One running game per settings file: a second start on the same file says so
# in a box and ends without touching the file, the first plays on, and a
# killed game leaves the file free for the next start.
source "$(dirname "$0")/e2e_common.sh"

other_pid=
trap '[[ -n $other_pid ]] && kill -9 "$other_pid" 2>/dev/null; cleanup' EXIT

# The visible top-level window of a process, once it is up.
window_of() {
  local found=
  for _ in $(seq 100); do
    found=$(xdotool search --all --onlyvisible --pid "$1" --name '^Voltaro Slots$' 2>/dev/null |
      head -1 || true)
    [[ -n $found ]] && break
    sleep 0.1
  done
  echo "$found"
}

mkdir -p "$(dirname "$settings")"
printf '[Settings]\r\nCredits=321.50\r\nSound=0\r\n' >"$settings"
cp "$settings" "$work/before.ini"
touch -d '2020-01-01 00:00' "$settings"
stamp=$(stat -c '%Y %i' "$settings")

start_x
start_game

"$program" >"$work/second.log" 2>&1 &
other_pid=$!
box=$(window_of "$other_pid")
[[ -n $box ]] || fail "the second start showed no box"
eval "$(xdotool getwindowgeometry --shell "$box")"
((WIDTH < 600)) || fail "the second start opened a game window"
[[ $(xdotool search --all --onlyvisible --pid "$other_pid" --name . | wc -l) == 1 ]] ||
  fail "the second start showed more than its box"
xdotool windowfocus --sync "$box"
xdotool key Return
wait_for_end "$other_pid" || fail "the second start did not end after its box"
other_pid=
((ended_with != 0)) || fail "the second start ended with status 0"
cmp -s "$settings" "$work/before.ini" || fail "the second start changed the file"
[[ $(stat -c '%Y %i' "$settings") == "$stamp" ]] || fail "the second start replaced the file"

# The first game is still there and writes its own game at its close.
kill -0 "$game_pid" || fail "the first game ended"
exit_through_menu
[[ $(value_of Credits) == 321.50 && -n $(value_of Spins) ]] ||
  fail "the first game's close wrote $(tr -d '\r' <"$settings" | head -4 | tr '\n' ' ')"

# A game killed outright holds nothing: the next start opens its window.
"$program" >"$work/killed.log" 2>&1 &
other_pid=$!
[[ -n $(window_of "$other_pid") ]] || fail "the game to be killed did not start"
kill -9 "$other_pid"
wait "$other_pid" 2>/dev/null || true
"$program" >"$work/after.log" 2>&1 &
other_pid=$!
window=$(window_of "$other_pid")
[[ -n $window ]] || fail "no window after a killed game: $(cat "$work/after.log")"
# The main window, not the box, which is far narrower.
eval "$(xdotool getwindowgeometry --shell "$window")"
((WIDTH >= 600)) || fail "a box of width $WIDTH instead of the main window after a killed game"
echo "PASS: a second start on one settings file ends and leaves the file alone"
