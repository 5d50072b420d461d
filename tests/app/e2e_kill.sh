#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program killed (SIGKILL) at random moments of auto spin, bets,
# borrowing and free spins, and started again each time: the file it leaves
# is always whole, its money always adds up over the plays and loans it
# records, and no spin once decided is ever undone.
# Arguments: the program, the file checker, the number of kills.
source "$(dirname "$0")/e2e_common.sh"
checker=$2
kills=${3:-16}

# A moment from 0.2 to 3 seconds, tenths of a second.
random_wait() { sleep "$((RANDOM % 29 / 10 + 0)).$((RANDOM % 10))"; }

borrow_dialog() {
  local dialog=
  press alt+o c
  for _ in $(seq 30); do
    dialog=$(xdotool search --onlyvisible --name '^Use this form to borrow' 2>/dev/null | head -1 || true)
    [[ -n $dialog ]] && break
    sleep 0.1
  done
  echo "$dialog"
}

# Edits keys of the file between runs (no money moves with them).
set_keys() {
  tr -d '\r' <"$settings" | sed "$@" | sed 's/$/\r/' >"$work/edited.ini"
  mv "$work/edited.ini" "$settings"
}
# The free-spin round of a bonus, as a kill during it leaves the file.
start_free_spins() { set_keys -e 's/^FreeSpins=.*/FreeSpins=7/' -e 's/^FreeSpinBet=.*/FreeSpinBet=1.25/'; }
# The other scenes play paid spins and borrow: a round left running ends.
end_free_spins() { set_keys -e 's/^FreeSpins=.*/FreeSpins=0/'; }

spins_in() {
  local spins
  spins=$(sed -n 's/^Spins=\([0-9]*\).*/\1/p' "$1")
  echo "${spins:-0}"
}

start_x
mkdir -p "$(dirname "$settings")"
for round in $(seq "$kills"); do
  scene=$((round % 4))
  # Free spins need a written game to resume.
  [[ $scene == 3 && -f $settings ]] && start_free_spins
  [[ $scene != 3 && -f $settings ]] && end_free_spins
  if [[ -f $settings ]]; then cp "$settings" "$work/before.ini"; else : >"$work/before.ini"; fi
  start_game
  case $scene in
    0) # Auto spin from a one-coin bet.
      press b s
      sleep 0.5
      press alt+a a
      random_wait
      random_wait ;;
    1) # Bets, a spin, more bets.
      for _ in $(seq $((RANDOM % 6 + 1))); do press b; done
      press s
      sleep 0.5
      random_wait
      press b b ;;
    2) # Borrowing, while nothing spins.
      dialog=$(borrow_dialog)
      [[ -n $dialog ]] || fail "the borrow dialog did not open"
      for _ in $(seq $((RANDOM % 4 + 1))); do
        xdotool mousemove --window "$dialog" 49 132 click 1
        sleep 0.$((RANDOM % 5))
      done ;;
    3) # The free spins play on by themselves.
      random_wait
      random_wait ;;
  esac
  sleep "0.$((RANDOM % 10))"
  kill -KILL "$game_pid"
  wait "$game_pid" 2>/dev/null || true
  game_pid=
  [[ -f $settings ]] || fail "round $round: no file after the kill"
  report=$("$checker" "$work/before.ini" "$settings" 2>&1) ||
    fail "round $round (scene $scene): $report"
  # A spin asked for half a second before the kill was decided, and kept.
  if [[ $scene == 0 || $scene == 1 ]] &&
    (($(spins_in "$settings") <= $(spins_in "$work/before.ini"))); then
    fail "round $round (scene $scene): the spin played before the kill is not in the file"
  fi
  echo "round $round, scene $scene: $report"
done
echo "PASS: $kills kills, the file whole and the money accounted for each time"
