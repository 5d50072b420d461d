#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A spin played through the real program: "Bet Max" clicked with the mouse,
# the face checked on a screenshot, and the game written on exit.
source "$(dirname "$0")/e2e_common.sh"

start_x
start_game

# Known points of the face at 632 x 394: the reel panel is button face, the
# CREDITS box is black inside, the button panel starts at y 337.
[[ $(pixel $((client_x + 155)) $((client_y + 200))) == 192,192,192 ]] ||
  fail "reel panel colour $(pixel $((client_x + 155)) $((client_y + 200)))"
[[ $(pixel $((client_x + 600)) $((client_y + 20))) == 0,0,0 ]] ||
  fail "CREDITS box colour $(pixel $((client_x + 600)) $((client_y + 20)))"

# The SPINS readout's last digit cell, before the spin.
spins_cell=(129 40 15 20)
snapshot $((client_x + spins_cell[0])) $((client_y + spins_cell[1])) "${spins_cell[2]}" \
  "${spins_cell[3]}" "$work/spins0.png"

# "Bet Max" is the second button: left 174, top 4 in the panel.
xdotool mousemove --window "$window" 240 $((client_y - window_y + 337 + 28)) click 1
changed=
for _ in $(seq 100); do
  sleep 0.1
  snapshot $((client_x + spins_cell[0])) $((client_y + spins_cell[1])) "${spins_cell[2]}" \
    "${spins_cell[3]}" "$work/spins1.png"
  if ! compare -metric AE "$work/spins0.png" "$work/spins1.png" null: 2>/dev/null; then
    changed=1
    break
  fi
done
[[ -n $changed ]] || fail "the SPINS readout did not change"
# Let the wheels stop and the win, if any, be counted.
sleep 6
[[ $(pixel $((client_x + 155)) $((client_y + 200))) == 192,192,192 ]] ||
  fail "reel panel colour after the spin"

exit_through_menu
[[ $(value_of Spins) == 1 ]] || fail "Spins $(value_of Spins)"
# A 25-coin bet feeds the pool one coin whatever the spin wins (a win of
# exactly 25 coins leaves the credits at 1000.00).
[[ $(value_of BonusPool) == 50.25 ]] || fail "the bet of 6.25 was not taken"
credits=$(value_of Credits)
echo "PASS: one spin played, Credits now $credits"
