#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The face as a screen reader finds it on the AT-SPI bus, the real program
# under a private X server and a private session bus: named, described with
# its readouts and symbols, and reached by Tab.
if [[ -z ${VOLTARO_OWN_SESSION_BUS:-} ]]; then
  export VOLTARO_OWN_SESSION_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/e2e_common.sh"
reader=$(dirname "$0")/read_face_accessible.py

# The accessibility bus of this session, and Qt told to speak on it even
# though no screen reader asked.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
trap 'kill "$bus_pid" 2>/dev/null || true; cleanup' EXIT
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

# Spin holds the focus at start; Tab passes the other three buttons, then
# comes to the face.
press Tab Tab Tab Tab
sleep 0.5
IFS='|' read -r role description focusable focused < <("$reader") ||
  fail "the face could not be read after Tab"
[[ $focused == " focused" ]] || fail "the face has no focus after Tab: '$focused'"

# Started in German, the game names and describes its face in German.
kill -TERM "$game_pid"
wait_for_end "$game_pid" || fail "the program did not end at SIGTERM"
LANG=de_DE.UTF-8 start_game
IFS='|' read -r role description focusable focused < <("$reader" Spielautomat) ||
  fail "the German face could not be read on the accessibility bus"
expected="Mittlere Reihe: Magnet, Voltaro, Magnet. Keine Linie gewinnt. Noch keine Drehung."
[[ $description == *"Credits 1000"*"Drehungen 0. $expected "* ]] ||
  fail "German description '$description'"
echo "PASS: the face is read through AT-SPI, in English and in German, and reached by Tab"
