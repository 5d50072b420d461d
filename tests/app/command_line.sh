#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# --help and --version answer without a display, also among Qt's standard
# options; those reach Qt and the game starts with them; anything else gets
# the usage and a failure, and still opens no window.
set -euo pipefail
program=$1
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
out=$(mktemp)
config=$(mktemp -d)
game_pid=
source "$(dirname "$0")/../support/processes.sh"
cleanup() {
  end_and_wait "$game_pid"
  rm -rf "$out" "$config"
}
trap cleanup EXIT

for option in --version -v; do
  timeout 10 "$program" "$option" >"$out" 2>&1 || fail "$option exited with $?"
  [[ $(cat "$out") == "Voltaro Slots $version" ]] || fail "$option printed: $(cat "$out")"
done
timeout 10 "$program" -reverse -style fusion -stylesheet=none.qss --version >"$out" 2>&1 || fail "Qt options and --version"
[[ $(cat "$out") == "Voltaro Slots $version" ]] || fail "Qt options and --version printed: $(cat "$out")"
for option in --help -h; do
  timeout 10 "$program" "$option" >"$out" 2>&1 || fail "$option exited with $?"
  grep -q -- '--version' "$out" && grep -q -- '--help' "$out" || fail "$option printed: $(cat "$out")"
  # The program as a player types it, not the path it was started from.
  [[ $(head -n 1 "$out") == "Usage: voltaro-slots [options]" ]] || fail "$option's usage: $(head -n 1 "$out")"
done
for wrong in --no-such-option -x --help-all -platform stray-file; do
  status=0
  timeout 10 "$program" "$wrong" >"$out" 2>&1 || status=$?
  [[ $status != 0 && $status != 124 ]] || fail "$wrong exited with $status"
  grep -q 'Usage:' "$out" || fail "$wrong printed no usage: $(cat "$out")"
done
# The usage in the player's language, Qt's own words in it included.
LANG=de_DE.UTF-8 timeout 10 "$program" --help >"$out" 2>&1 || fail "German --help exited with $?"
grep -q '^Aufruf: voltaro-slots \[Optionen\]$' "$out" && grep -q 'Zeigt die Hilfe zu den Befehlszeilenoptionen' "$out" ||
  fail "German --help printed: $(cat "$out")"
status=0
LANG=fr_FR.UTF-8 timeout 10 "$program" stray-file >"$out" 2>&1 || status=$?
[[ $status == 2 ]] || fail "French stray argument exited with $status"
grep -q 'Argument inattendu' "$out" && grep -q '^Utilisation' "$out" ||
  fail "French usage printed: $(cat "$out")"
# With no display at all, the game starts only if -platform reached Qt; Qt
# names a style it does not know, so -style reached it too. SIGTERM closes
# the game, which writes its file.
XDG_CONFIG_HOME=$config SDL_AUDIODRIVER=dummy \
  "$program" -platform offscreen -style no-such-style -reverse >"$out" 2>&1 &
game_pid=$!
for _ in $(seq 50); do
  [[ -d $config/voltaro-slots ]] && break
  sleep 0.1
done
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the game did not start with Qt's options: $(cat "$out")"
grep -qi 'style' "$out" || fail "-style did not reach Qt: $(cat "$out")"
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=
[[ $status == 0 ]] || fail "the game ended with $status after SIGTERM: $(cat "$out")"
[[ -s $config/voltaro-slots/VOLTA.INI ]] || fail "no settings file after SIGTERM"
# A display nobody serves: one line that says so, status 1, and no core dump.
display=99
while [[ -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
status=0
(cd "$config" && ulimit -c unlimited 2>/dev/null
  DISPLAY=:$display XDG_CONFIG_HOME=$config SDL_AUDIODRIVER=dummy timeout 10 "$program") >"$out" 2>&1 ||
  status=$?
[[ $status == 1 ]] || fail "without a display the game exited with $status: $(cat "$out")"
[[ $(cat "$out") == "cannot open the display :$display: is a desktop session running?" ]] ||
  fail "without a display the game printed: $(cat "$out")"
[[ -z $(find "$config" -name 'core*') ]] || fail "without a display the game left a core dump"
echo "PASS: the command line answers without a display, passes Qt its options and names a missing display"
