#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One running game per settings file: a second start on the same file says so
# in a box and ends without touching the file, the first plays on, and a
# killed game leaves the file free for the next start. The same holds when the
# second start reaches the file through a link, when the folder was removed
# and made again under the running game, and in a folder a player may write
# but not read.
source "$(dirname "$0")/e2e_common.sh"

other_pid=
player_pid=
trap 'end_and_wait "$other_pid" "$player_pid"; cleanup' EXIT

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

# A start that must be refused (what, the settings file, the command): it
# shows the box alone, ends after it with a non-zero status and leaves the
# file as it was.
expect_refused() {
  local what=$1 file=$2
  shift 2
  cp "$file" "$work/before.ini"
  touch -d '2020-01-01 00:00' "$file"
  local stamp box
  stamp=$(stat -c '%Y %i' "$file")
  "$@" >"$work/second.log" 2>&1 &
  other_pid=$!
  box=$(window_of "$other_pid")
  [[ -n $box ]] || fail "$what showed no box"
  eval "$(xdotool getwindowgeometry --shell "$box")"
  ((WIDTH < 600)) || fail "$what opened a game window"
  [[ $(xdotool search --all --onlyvisible --pid "$other_pid" --name . | wc -l) == 1 ]] ||
    fail "$what showed more than its box"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  wait_for_end "$other_pid" || fail "$what did not end after its box"
  other_pid=
  ((ended_with != 0)) || fail "$what ended with status 0"
  cmp -s "$file" "$work/before.ini" || fail "$what changed the file"
  [[ $(stat -c '%Y %i' "$file") == "$stamp" ]] || fail "$what replaced the file"
}

mkdir -p "$(dirname "$settings")"
printf '[Settings]\r\nCredits=321.50\r\nSound=0\r\n' >"$settings"

start_x
start_game

expect_refused "the second start" "$settings" "$program"

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
kill -9 "$other_pid"
wait "$other_pid" 2>/dev/null || true
other_pid=

# Another config folder whose file is a link to this one, and one whose whole
# folder is a link to this folder.
start_game
mkdir -p "$work/linked/voltaro-slots" "$work/folder-link"
ln -s "$settings" "$work/linked/voltaro-slots/VOLTA.INI"
ln -s "$(dirname "$settings")" "$work/folder-link/voltaro-slots"
expect_refused "a start through a linked file" "$settings" \
  env XDG_CONFIG_HOME="$work/linked" "$program"
expect_refused "a start through a linked folder" "$settings" \
  env XDG_CONFIG_HOME="$work/folder-link" "$program"

# The folder removed while the game runs: the game's next write ("Bet Max"
# spins) makes it again, and the game holds it again.
rm -rf "$(dirname "$settings")"
xdotool mousemove --window "$window" 240 $((client_y - window_y + 337 + 28)) click 1
for _ in $(seq 100); do
  [[ -f $settings ]] && break
  sleep 0.1
done
[[ -f $settings ]] || fail "the game did not make its folder again"
expect_refused "a start on the folder made again" "$settings" "$program"
sleep 6 # the spin ends
exit_through_menu
[[ $(value_of Spins) == 1 ]] || fail "the game in the folder made again wrote Spins $(value_of Spins)"

# A folder the player may write but not read, as a player: the super-user
# reads any folder.
players=$work/player/config
mkdir -p "$players/voltaro-slots"
printf '[Settings]\r\nCredits=5.00\r\nSound=0\r\n' >"$players/voltaro-slots/VOLTA.INI"
# Qt makes its runtime folder in the temporary folder: the player's own.
as_player=(env HOME="$work/player" XDG_CONFIG_HOME="$players" TMPDIR="$work/player")
players_program=$program
if ((EUID == 0)); then
  chown -R nobody: "$work/player"
  chmod o+x "$work"
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${as_player[@]}")
  # A clone in root's own home is closed to other users: the player gets a
  # copy of the program's folder, with the files it plays with.
  if ! "${as_player[@]}" test -x "$program"; then
    cp -r "$(dirname "$program")" "$work/program"
    chmod -R a+rX "$work/program"
    players_program=$work/program/$(basename "$program")
  fi
fi
chmod 0300 "$players/voltaro-slots"
"${as_player[@]}" "$players_program" >"$work/player.log" 2>&1 &
player_pid=$!
player_window=$(window_of "$player_pid")
[[ -n $player_window ]] || fail "no window for the player: $(cat "$work/player.log")"
eval "$(xdotool getwindowgeometry --shell "$player_window")"
((WIDTH >= 600)) || fail "a box instead of the player's game in a folder without read permission"
expect_refused "a second start in a folder without read permission" \
  "$players/voltaro-slots/VOLTA.INI" "${as_player[@]}" "$players_program"
kill "$player_pid"
wait "$player_pid" 2>/dev/null || true
player_pid=
echo "PASS: a second start on one settings file, by any path, ends and leaves the file alone"
