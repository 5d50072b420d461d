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

work=$(mktemp -d)
xvfb_pid= game_pid=
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 number <&"$display_fd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$number XDG_CONFIG_HOME=$work SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM

"$program" >"$work/game.log" 2>&1 &
game_pid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Voltaro Slots$' 2>/dev/null | head -1 || true)
  [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || { echo "the game's window did not appear" >&2; exit 1; }
sleep 1
# No window manager runs: the keyboard focus is given directly.
xdotool windowfocus --sync "$window"
xdotool key --window "$window" m
# The coins go in one by one, the wheels turn, and any win is counted.
sleep 8
mkdir -p "$(dirname "$picture")"
import -window "$window" "$picture"
echo "wrote $picture"
