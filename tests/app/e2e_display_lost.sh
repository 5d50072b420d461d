#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The display goes away under the running game (the X server ends): the game
# is written as a close would write it before the program ends, coins on the
# table given back and a setting chosen since the start kept.
source "$(dirname "$0")/e2e_common.sh"

start_x
start_game
# Spin Speed > Slow (the third item; it has no key of its own), then two
# coins on the table.
press alt+o d
sleep 0.3
press Down Down Return
sleep 0.3
press b b
sleep 0.3
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=
wait_for_end "$game_pid" || fail "the program went on without a display"
game_pid=
[[ -f $settings ]] || fail "nothing was written when the display went away"
[[ $(value_of Speed) == 2 ]] || fail "Speed $(value_of Speed): the close handling did not run"
[[ $(value_of Credits) == 1000.00 ]] || fail "Credits $(value_of Credits): the coins bet were lost"
echo "PASS: the game was written when the display went away"
