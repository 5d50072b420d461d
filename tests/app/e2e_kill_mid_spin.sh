#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program killed outright (SIGKILL) while its wheels turn: the file
# already holds the spin as it ends, never the bet given back, and the next
# start plays on from there.
source "$(dirname "$0")/e2e_common.sh"

# Slow wheels (a spin of more than five seconds) and no sound.
mkdir -p "$(dirname "$settings")"
printf '[Settings]\r\nSound=0\r\nSpeed=2\r\n' >"$settings"
start_x
start_game

# "Bet 1" and "Spin" by their keys; the keyboard focus is given directly.
xdotool windowfocus --sync "$window"
xdotool key --window "$window" b
sleep 0.2
xdotool key --window "$window" s
sleep 1.5
kill -0 "$game_pid" 2>/dev/null || fail "the program ended during the spin"
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=

[[ $(value_of Spins) == 1 ]] || fail "Spins $(value_of Spins): the spin was not in the file"
[[ $(value_of Wager) == 0.00 ]] || fail "Wager $(value_of Wager) left on the table"
credits=$(value_of Credits)
# One coin bet: a loss leaves 999.75 and any win pays at least two coins.
[[ $credits != 1000.00 && -n $credits ]] || fail "Credits $credits: the bet came back"

start_game
exit_through_menu
[[ $(value_of Spins) == 1 ]] || fail "Spins $(value_of Spins) after the next start"
[[ $(value_of Credits) == "$credits" ]] || fail "Credits $(value_of Credits), kept $credits"
echo "PASS: killed mid-spin, the spin was kept: Credits $credits"
