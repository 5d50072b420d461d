#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program starts, is closed through File > Exit, and has written
# every key of the Settings section in order.
source "$(dirname "$0")/e2e_common.sh"

start_x
start_game
exit_through_menu

expected=(Credits Borrowed BonusPool Spins Maxed Sound MusicOn sndCoins sndCredits sndSpin
  sndStop sndWin sndBonus sndLose sndPowerDown sndPowerUp PowerPts Speed Bet BackColor BackMode
  BackBMP WinSound LoseSound BonusSound PowerDownSound PowerUpSound)
for family in PlayList MIDISong MIDIName; do
  for n in 0 1 2 3 4 5 6 7; do expected+=("$family$n"); done
done
expected+=(FreeSpins FreeSpinBet FreeSpinsPlayed Wager HistoryWidth HistoryHeight)
actual=$(tr -d '\r' <"$settings" | sed -n '/^\[Settings\]$/,/^\[/{/=/s/=.*//p}')
[[ $actual == "$(printf '%s\n' "${expected[@]}")" ]] ||
  fail "keys differ: $(echo "$actual" | tr '\n' ' ')"
[[ $(value_of Credits) == 1000.00 ]] || fail "Credits $(value_of Credits)"
[[ $(value_of Maxed) == 0 ]] || fail "Maxed $(value_of Maxed)"
echo "PASS: File > Exit wrote ${#expected[@]} keys in order"
