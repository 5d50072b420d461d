#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes docs/screenshot.png from the real game under a private X server:
# a fresh game after one spin of the maximum bet. Usage:
#   scripts/screenshot.sh [program [picture]]
# The program defaults to the one ./play builds.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/play/bin/voltaro-slots}")
picture=$(realpath -m "${2:-docs/screenshot.png}")
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
