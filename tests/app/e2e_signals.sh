#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM, SIGHUP and SIGINT close the real program as File > Exit does: it
# ends normally and has written the game, also with a box open, in the
# middle of a spin and while Bet Max feeds its coins; a file it cannot write
# never holds it.
source "$(dirname "$0")/e2e_common.sh"

# Sends a signal and waits for the program to end; it must end by itself,
# with status 0, not by the signal's default action.
close_with() {
  kill "-$1" "$game_pid"
  wait_for_end "$game_pid" || fail "SIG$1 did not close the program"
  game_pid=
  ((ended_with == 0)) || fail "SIG$1 ended the program with status $ended_with: $(cat "$work/game.log")"
  [[ -f $settings ]] || fail "SIG$1: no settings file was written"
}

# Waits up to five seconds for a box beside the main window.
wait_for_box() {
  for _ in $(seq 50); do
    [[ -n $(xdotool search --onlyvisible --name '^Voltaro Slots$' 2>/dev/null | grep -vx "$window" || true) ]] &&
      return 0
    sleep 0.1
  done
  return 1
}

start_x

# A fresh game: nothing is written before the close.
start_game
close_with TERM
[[ $(value_of Credits) == 1000.00 ]] || fail "SIGTERM wrote Credits $(value_of Credits)"

# With the "place a bet" box open.
rm -f "$settings"
start_game
press s
wait_for_box || fail "the box asking for a bet did not appear"
close_with HUP

# Coins on the table go back to the credits; in the middle of a spin the
# spin is settled first and counted.
start_game
press b b b
sleep 0.5
close_with INT
[[ $(value_of Credits) == 1000.00 ]] || fail "the wager was lost: Credits $(value_of Credits)"

start_game
press b s
sleep 0.3
close_with TERM
[[ $(value_of Spins) == 1 ]] || fail "the spin in progress was not counted: Spins $(value_of Spins)"

# While Bet Max still feeds its coins the spin has not begun for the player:
# none is played, and the coins go back to the credits.
rm -f "$settings"
start_game
press m
sleep 0.6
close_with TERM
[[ $(value_of Spins) == 0 ]] || fail "a spin nobody saw start was played: Spins $(value_of Spins)"
[[ $(value_of Credits) == 1000.00 ]] || fail "Bet Max's coins were lost: Credits $(value_of Credits)"

# A box opened by a menu command whose handler would go on to a dialog: the
# signal ends the program within two seconds, nothing is left running, and
# the next start opens normally.
rm -f "$settings"
start_game
press alt+o
sleep 0.5
press m
sleep 0.5
press Return
wait_for_box || fail "the box saying no songs are selected did not appear"
kill -TERM "$game_pid"
for _ in $(seq 20); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "SIGTERM with the songs box open left the program running"
wait "$game_pid" || fail "SIGTERM with the songs box open ended the program with an error"
game_pid=
[[ -f $settings ]] || fail "SIGTERM with the songs box open wrote no file"
start_game
[[ -z $(xdotool search --onlyvisible --name '^Voltaro Slots$' 2>/dev/null | grep -vx "$window" || true) ]] ||
  fail "the next start showed a box: $(cat "$work/game.log")"
exit_through_menu

# Values no game at rest can hold are read as the nearest it can: a meter
# below full and a pool of at least nothing, so the next bonus never takes
# money from the credits.
sed -i -e '/^BonusPool=/d' -e '/^PowerPts=/d' \
  -e 's/^\[Settings\]\(\r\?\)$/[Settings]\1\nBonusPool=-100\1\nPowerPts=150\1/' "$settings"
credits=$(value_of Credits)
start_game
press m
sleep 0.5
press s
sleep 2
close_with TERM
awk -v pool="$(value_of BonusPool)" -v power="$(value_of PowerPts)" \
  -v before="$credits" -v after="$(value_of Credits)" \
  'BEGIN { exit !(pool >= 0 && power >= 0 && power < 100 && after >= before - 6.25) }' ||
  fail "read back BonusPool=$(value_of BonusPool) PowerPts=$(value_of PowerPts) Credits $credits -> $(value_of Credits)"

# A file that cannot be written: no box holds a signal's close. The program
# ends within two seconds, its status and stderr saying the write failed.
start_game
chmod 444 "$settings"
kill -TERM "$game_pid"
for _ in $(seq 20); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "SIGTERM with a read-only file left the program running"
status=0
wait "$game_pid" || status=$?
game_pid=
chmod 644 "$settings"
((status == 1)) || fail "SIGTERM with a read-only file ended with status $status"
grep -q "^Unable to write to .*VOLTA.INI" "$work/game.log" ||
  fail "SIGTERM with a read-only file did not say the write failed: $(cat "$work/game.log")"
echo "PASS: SIGTERM, SIGHUP and SIGINT close the game and write it"
