#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes docs/screenshot.png from the real game under a private X server:
# a fresh game after one spin of the maximum bet; and docs/screenshot-charts.png,
# the charts of Game History after a few dozen more. Usage:
#   scripts/screenshot.sh [program [picture [charts picture]]]
# The program defaults to the one ./play builds.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/play/bin/voltaro-slots}")
picture=$(realpath -m "${2:-docs/screenshot.png}")
charts=$(realpath -m "${3:-docs/screenshot-charts.png}")
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshot.sh needs $tool" >&2; exit 1; }
done
[[ -x $program ]] || { echo "no game at $program: run ./play or give its path" >&2; exit 1; }

# The end-to-end runs' own steps: a private X server and settings folder,
# the real program, and the wait for its window.
source tests/app/e2e_common.sh "$program"
screen_size=1024x768 start_x
start_game
# No window manager runs: the keyboard focus is given directly.
xdotool windowfocus --sync "$window"
xdotool key --window "$window" m
# The coins go in one by one, the wheels turn, and any win is counted.
sleep 8
mkdir -p "$(dirname "$picture")"
import -window "$window" "$picture"
echo "wrote $picture"

# Forty presses of Bet Max, each spin hurried with S (a press while the last
# spin still counts is lost), then the charts of File > Game History.
for _ in $(seq 40); do
  xdotool key --window "$window" m
  sleep 1
  xdotool key --window "$window" s
  sleep 0.5
  xdotool key --window "$window" s
  sleep 0.5
done
sleep 2
xdotool key --window "$window" alt+f
sleep 0.5
xdotool key h
history=
for _ in $(seq 50); do
  history=$(xdotool search --onlyvisible --name '^Game History$' 2>/dev/null | head -1 || true)
  [[ -n $history ]] && break
  sleep 0.1
done
[[ -n $history ]] || fail "Game History did not open"
xdotool windowfocus --sync "$history"
xdotool key --window "$history" alt+c
sleep 1
import -window "$history" "$charts"
echo "wrote $charts"
