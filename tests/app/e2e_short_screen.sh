#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a window manager on a short screen, 1024 x 600: a
# size dragged on the normal window snaps back, and maximized, the whole face
# shows, from the readouts at the top to the wheels' frame at the foot.
source "$(dirname "$0")/e2e_common.sh"

command -v openbox >/dev/null || { echo "SKIP: no openbox window manager"; exit 77; }

# A solid red face background, so anything of the face drawn on the top or
# bottom row shows.
mkdir -p "$(dirname "$settings")"
printf '[Settings]\r\nBackMode=1\r\nBackColor=255\r\n' >"$settings"

screen_size=1024x600
start_x
openbox >/dev/null 2>&1 &
helper_pids+=("$!")
sleep 1
start_game

# Sizes of the window, and colours of its own pixels: xdotool misplaces a
# window that a window manager has framed, so nothing here goes by screen
# positions.
size() { eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"; }
window_pixel() {
  import -window "$window" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1
}

size
normal_width=$WIDTH normal_height=$HEIGHT
menu_height=$((HEIGHT - 394))

xdotool windowsize "$window" 800 500
sleep 1.5
size
[[ $WIDTH == "$normal_width" && $HEIGHT == "$normal_height" ]] ||
  fail "a dragged size stayed: ${WIDTH}x$HEIGHT, not ${normal_width}x$normal_height"

# The window manager maximizes on a double click of the title bar.
xdotool mousemove --window "$window" -- 200 -8 click --repeat 2 --delay 100 1
for _ in $(seq 50); do
  size
  ((WIDTH > normal_width)) && break
  sleep 0.1
done
((WIDTH > 1000)) || fail "the window did not maximize: ${WIDTH}x$HEIGHT"
sleep 1.5
size
face_top=$menu_height
face_bottom=$((HEIGHT - 57 - 1))
centre=$((WIDTH / 2))
[[ $(window_pixel "$centre" "$face_top") == 255,0,0 ]] ||
  fail "the face's top row is cut: $(window_pixel "$centre" "$face_top")"
[[ $(window_pixel "$centre" "$face_bottom") == 255,0,0 ]] ||
  fail "the face's bottom row is cut: $(window_pixel "$centre" "$face_bottom")"
[[ $(window_pixel "$centre" $(((face_top + face_bottom) / 2))) != 255,0,0 ]] ||
  fail "no wheels in the middle of the face"
exit_through_menu
[[ $(value_of Maxed) == 1 ]] || fail "Maxed $(value_of Maxed)"
echo "PASS: stray size snapped back; maximized ${WIDTH}x$HEIGHT face shown whole"
