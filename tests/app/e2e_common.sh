# SPDX-License-Identifier: GPL-3.0-or-later
# Shared steps of the end-to-end runs: a private X server, a private settings
# folder, the real program, and File > Exit through the mouse and keyboard.
set -euo pipefail

program=$1
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
# The English game, whatever the desktop's language: the runs press its
# English accelerators and read its English texts. A run may start the game
# in another language by setting LANG for it.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
settings=$XDG_CONFIG_HOME/voltaro-slots/VOLTA.INI

source "$(dirname "${BASH_SOURCE[0]}")/../support/processes.sh"
xvfb_pid=
game_pid=
# Other programs a scene starts (a window manager, a bus): ended after the
# game and before the X server.
helper_pids=()
cleanup() {
  end_and_wait "$game_pid"
  end_and_wait "${helper_pids[@]}"
  end_and_wait "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_x() {
  for _ in 1 2 3 4 5; do
    try_start_x && { wait_for_display; return 0; }
  done
  fail "Xvfb did not start"
}

# Xvfbs started together may pick the same free display number, and all but
# one then end at once ("server already running"): such a start is tried
# again, with the next free number.
try_start_x() {
  local display_fd number=
  exec {display_fd}<> <(:)
  # -noreset: without it the server resets as its last client leaves, and a
  # game that connects during the reset cannot open the display and aborts.
  Xvfb -displayfd "$display_fd" -screen 0 "${screen_size:-1280x1024}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    read -r -t 0.2 number <&"$display_fd" && break || true
    kill -0 "$xvfb_pid" 2>/dev/null || break
  done
  exec {display_fd}<&-
  if [[ -n $number ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
    export DISPLAY=:$number
    return 0
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
  return 1
}

# Waits until the display answers a client.
wait_for_display() {
  for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "display $DISPLAY does not answer"
}

start_game() {
  wait_for_display
  "$program" >"$work/game.log" 2>&1 &
  game_pid=$!
  window=
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || fail "the program ended before its window appeared: $(tail -5 "$work/game.log")"
    # Only a mapped window: Qt may name a hidden one the same first.
    window=$(xdotool search --onlyvisible --name '^Voltaro Slots$' 2>/dev/null | head -1 || true)
    [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || fail "the main window did not appear: $(tail -5 "$work/game.log")"
  # Settled once the reel panel shows its grey where the face puts it. A face
  # that shows something else there gets about a second, as all once did.
  for _ in $(seq 5); do
    read_window_geometry
    [[ $(pixel $((client_x + 155)) $((client_y + 200))) == 192,192,192 ]] && return 0
    sleep 0.1
  done
  read_window_geometry
}

read_window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  window_x=$X window_y=$Y
  # The client area lies under the menu bar and is 394 high.
  client_x=$X client_y=$((Y + HEIGHT - 394))
}

# Colour of a screen pixel as "r,g,b".
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1
}

# A region of the screen saved for comparison.
snapshot() { import -window root -crop "$3x$4+$1+$2" "$5" 2>/dev/null; }

exit_through_menu() {
  xdotool mousemove --window "$window" 20 $(((client_y - window_y) / 2)) click 1
  sleep 0.7
  xdotool key x
  wait_for_end "$game_pid" || fail "the program did not exit through File > Exit"
  game_pid=
  ((ended_with == 0)) || fail "the program exited with an error"
  [[ -f $settings ]] || fail "no settings file was written"
}

# Keys reach the window only once it has the focus: no window manager gives it.
press() {
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key "$@"
}

# Waits up to ten seconds for a process of ours to end, and leaves its exit
# status in ended_with. Fails (status 1) when it is still running.
wait_for_end() {
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$1" 2>/dev/null && return 1
  ended_with=0
  wait "$1" || ended_with=$?
}

value_of() { sed -n "s/^$1=\(.*\)\r\?$/\1/p" "$settings" | tr -d '\r' | head -1; }
