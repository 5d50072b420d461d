#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a screen reader finds it on the AT-SPI bus, the real program
# under a private X server and a private session bus: the face named,
# described with its readouts and symbols, and reached by Tab; the windows
# the game opens without a button, picture or field that has no name or
# buttons that share one, and
# the game history read as a table.
if [[ -z ${VOLTARO_OWN_SESSION_BUS:-} ]]; then
  export VOLTARO_OWN_SESSION_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/e2e_common.sh"
reader=$(dirname "$0")/read_face_accessible.py

# The accessibility bus of this session, and Qt told to speak on it even
# though no screen reader asked. Its socket lies in the runtime folder, or
# without one in the home folder, where the bus of another run beside this
# one would take its place: the scene has a runtime folder of its own.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
helper_pids+=("$!")
# Ready once it owns its name on the session bus: a client asking before that
# would have the bus start a second one.
a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 100); do a11y_bus_up && break; sleep 0.1; done
a11y_bus_up || fail "the accessibility bus did not start"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

start_x
start_game

IFS='|' read -r role description focusable focused < <("$reader") ||
  fail "the face could not be read on the accessibility bus"
[[ $role == "canvas " ]] || fail "role '$role'"
expected="Middle row: Magnet, Voltaro, Magnet. No line pays. No spin yet."
[[ $description == *"Credits 1000"*"spins 0. $expected "* ]] ||
  fail "description '$description'"
[[ $focusable == " focusable " && $focused == " not focused" ]] ||
  fail "focus states '$focusable' '$focused' before Tab"

# Spin, the last button, holds the focus at start; the face above the
# buttons comes next.
press Tab
sleep 0.5
IFS='|' read -r role description focusable focused < <("$reader") ||
  fail "the face could not be read after Tab"
[[ $focused == " focused" ]] || fail "the face has no focus after Tab: '$focused'"

# One play, for the history to have a row.
press b s
sleep 5

# Opens a window of the game by its keys, reads it as a screen reader does,
# and closes it with Escape; what was read is left in $work/window.txt.
read_window() {
  local title=$1
  shift
  press "$@"
  "$reader" --window "$title" >"$work/window.txt" || fail "the window '$title' could not be read"
  ! grep '^unnamed\|^repeated' "$work/window.txt" ||
    fail "'$title' has controls a screen reader cannot tell apart"
  local dialog
  local pattern
  pattern=$(sed 's/[][().*+?^$|\\]/./g' <<<"$title")
  dialog=$(xdotool search --onlyvisible --name "^$pattern\$" | head -1)
  [[ -n $dialog ]] || fail "no window '$title' to close"
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  xdotool key Escape
  sleep 0.5
}
read_window "Game History" alt+f h
table=$(grep '^table' "$work/window.txt") || fail "the game history has no table"
[[ $table == "table 1x9 | Played ; Coin ; Coins ; Spin ; Window ; Win ; Pool paid ; Credits ; Meter | "* ]] ||
  fail "the history reads '$table'"
[[ $table == *" ; Top row: "*", "*", "*". Middle row: "*" ; "* ]] ||
  fail "the history's picture is not in words: '$table'"
read_window "Change Sounds (WAV Files)" alt+o s Up Return
read_window "Change MIDI Files]" alt+o m Up Return
read_window "Save a Game -- Select Game Slot" alt+f s
read_window "Voltaro Slots Payoffs" p

# Started in German, the game names and describes its face in German.
kill -TERM "$game_pid"
wait_for_end "$game_pid" || fail "the program did not end at SIGTERM"
# A new game: the English one kept its play.
rm -rf "$XDG_CONFIG_HOME"
LANG=de_DE.UTF-8 start_game
IFS='|' read -r role description focusable focused < <("$reader" Spielautomat) ||
  fail "the German face could not be read on the accessibility bus"
expected="Mittlere Reihe: Magnet, Voltaro, Magnet. Keine Linie gewinnt. Noch keine Drehung."
[[ $description == *"Credits 1000"*"Drehungen 0. $expected "* ]] ||
  fail "German description '$description'"
echo "PASS: the face is read through AT-SPI, in English and in German, and reached by Tab;" \
  "every window opened names its controls and the history reads as a table"
