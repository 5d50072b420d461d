#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game installed into a fresh prefix and started from another folder under
# Xvfb: it shows its art and background, sounds its coin, click and stop
# waves, answers its keys, opens its help, its window has the desktop entry's
# window class, and the desktop entry and metainfo carry their German and
# French texts and pass their validators.
# Then the README's removal takes the install away and leaves nothing behind.
# Arguments: the build folder and Qt's lrelease.
build=$1
lrelease=$2
source "$(dirname "$0")/../app/e2e_common.sh" ""
prefix=$work/prefix
# A file of another program, which the removal must leave.
mkdir -p "$prefix/share/applications"
touch "$prefix/share/applications/other.desktop"
# Two installs as the README makes them, each keeping its own manifest.
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
cp "$build/install_manifest.txt" "$work/installed-here.txt"
cmake --install "$build" --prefix "$work/second" >>"$work/install.log" || fail "second install failed"
cp "$build/install_manifest.txt" "$work/installed-second.txt"
program=$prefix/bin/voltaro-slots
app_id=io.github.voltaro.VoltaroSlots

# The built game's folder holds no test or tool programs beside the game.
others=$(find "$build/bin" -type f -executable ! -name voltaro-slots)
[[ -z $others ]] || fail "programs beside the built game: $others"

# The program alone in bin/, its data, the desktop files and every icon.
[[ $(ls "$prefix/bin") == voltaro-slots ]] || fail "bin/ holds: $(ls "$prefix/bin" | xargs)"
data=$prefix/share/voltaro-slots
for file in volta96.bmp volta144.bmp volta192.bmp volta120.png volta576.png BKGRND1.BMP VOLTA.HLP CATALOG.HLP \
  catalog-symbol0.png VOLTA0.WAV VOLTA8.WAV VOLTA0.MID VOLTA2.MID VOLTA.de.HLP CATALOG.de.HLP \
  VOLTA.fr.HLP CATALOG.fr.HLP translations/voltaro_de.qm translations/voltaro_fr.qm translations/voltaro_en.qm; do
  [[ -s $data/$file ]] || fail "$data/$file not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png
  [[ $(identify -format '%wx%h' "$icon" 2>/dev/null) == "${size}x$size" ]] ||
    fail "icon $icon is not $size x $size"
done
[[ -s $prefix/share/icons/hicolor/scalable/apps/$app_id.svg ]] || fail "no scalable icon"
entry=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$entry" || fail "desktop entry"
appstreamcli validate --no-net "$metainfo" || fail "metainfo did not validate"

# Each language's launcher and software-centre texts follow the English ones,
# in its own words, and take nothing else away: without them the files are
# the English ones as configured.
english=$build/packaging/english
english_paragraphs=$(sed '/<releases>/q' "$english/$app_id.metainfo.xml" | grep -c '<p>' || true)
for lang in de fr; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$lang\]=." "$entry" || fail "the desktop entry has no $key[$lang]"
  done
  [[ $(sed -n "s/^Comment\[$lang\]=//p" "$entry") != "$(sed -n 's/^Comment=//p' "$entry")" ]] ||
    fail "Comment[$lang] is the English text"
  for tag in summary caption; do
    grep -q "<$tag xml:lang=\"$lang\">.*[^ ].*</$tag>" "$metainfo" || fail "no $lang $tag"
  done
  [[ $english_paragraphs -gt 0 &&
     $(grep -c "<p xml:lang=\"$lang\">" "$metainfo") == "$english_paragraphs" ]] ||
    fail "not all $english_paragraphs paragraphs of the description are in $lang"
done
grep -v '^[A-Za-z]*\[[A-Za-z_]*\]=' "$entry" | cmp -s - "$english/$app_id.desktop" ||
  fail "the desktop entry changed besides its translations"
grep -v ' xml:lang="' "$metainfo" | cmp -s - "$english/$app_id.metainfo.xml" ||
  fail "the metainfo changed besides its translations"
# A language lacking a text, or a text of the files that is not listed for
# translation, stops the build with the text named, and nothing is written.
cat >"$work/voltaro_de.ts" <<'EOF'
<TS version="2.1" language="de"><context><name>DesktopEntry</name>
<message><source>Voltaro Slots</source><translation>Voltaro Slots</translation></message>
</context></TS>
EOF
"$lrelease" -silent "$work/voltaro_de.ts" -qm "$work/voltaro_de.qm" || fail "lrelease failed"
sed 's/^Comment=.*/Comment=Spin the wheels/' "$english/$app_id.desktop" >"$work/changed.desktop"
! "$build/packaging/voltaro_localize_desktop" "$work/changed.desktop" "$english/$app_id.metainfo.xml" \
  "$work/out.desktop" "$work/out.xml" "$work/voltaro_de.qm" 2>"$work/localize.log" ||
  fail "the desktop files were localized with a text missing"
grep -q 'no de translation of "Slot Machine" (DesktopEntry)' "$work/localize.log" ||
  fail "the missing translation was not named: $(cat "$work/localize.log")"
grep -q "Comment \"Spin the wheels\" is not listed" "$work/localize.log" ||
  fail "the text not listed was not named: $(cat "$work/localize.log")"
[[ ! -e $work/out.desktop && ! -e $work/out.xml ]] || fail "a failed localization wrote its files"

# Only the quiet memory sounds stay on, so any sound heard comes from the
# installed wave files; SDL's disk driver writes what is played to a file.
# The win sound is named where an earlier copy of the game lay.
mkdir -p "$XDG_CONFIG_HOME/voltaro-slots" "$work/elsewhere"
printf '[Settings]\r\nMusicOn=0\r\nsndWin=0\r\nsndLose=0\r\nsndBonus=0\r\nsndPowerUp=0\r\nsndPowerDown=0\r\nWinSound=%s\r\n' \
  "$work/moved-away/VOLTA5.WAV" >"$settings"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/heard.raw
cd "$work/elsewhere"
start_x
start_game

# A missing file would have shown a box titled like the main window.
boxes() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
[[ $(boxes '^Voltaro Slots$') == 1 ]] || fail "a message box opened at start"
# The launcher knows the window by the desktop entry's StartupWMClass.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/$app_id.desktop")
[[ -n $wm_class ]] || fail "the desktop entry names no StartupWMClass"
xdotool search --onlyvisible --classname "^$wm_class\$" >/dev/null ||
  fail "no window of class $wm_class"
# Under the machine lies a strip of the tiled background; without its picture
# the face falls back to the plain button-face colour. The wheels show the art.
# A loaded machine may take a moment over the first paint.
colours() { import -window root -crop "$3x$4+$1+$2" -format '%k' info: 2>/dev/null; }
# The window may still be mapped and placed while it paints (a busy machine
# can list a hidden window of the same name first): it is found anew.
painted() {
  window=$(xdotool search --onlyvisible --name '^Voltaro Slots$' 2>/dev/null | head -1 || true)
  [[ -n $window ]] || return 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  window_x=$X window_y=$Y client_x=$X client_y=$((Y + HEIGHT - 394))
  [[ $(colours "$client_x" $((client_y + 322)) 632 12) -gt 10 &&
     $(colours $((client_x + 170)) $((client_y + 60)) 280 270) -gt 40 ]]
}
for _ in $(seq 50); do painted && break; sleep 0.1; done
[[ $(colours "$client_x" $((client_y + 322)) 632 12) -gt 10 ]] ||
  fail "no tiled background under the machine at client $client_x,$client_y"
[[ $(colours $((client_x + 170)) $((client_y + 60)) 280 270) -gt 40 ]] || fail "no symbol art"

# "Bet 1" and "Spin" by their keys; the coin, clicks and stops are heard.
# No window manager runs: the keyboard focus is given directly.
xdotool windowfocus --sync "$window"
xdotool key --window "$window" b
sleep 0.5
xdotool key --window "$window" s
sleep 3
[[ -s $SDL_DISKAUDIOFILE ]] || fail "nothing was played"
[[ $(tr -d '\0' <"$SDL_DISKAUDIOFILE" | wc -c) -ge 1000 ]] || fail "only silence"

# F1 opens the manual, with no message about a missing help file.
xdotool key --window "$window" F1
for _ in $(seq 50); do
  [[ $(boxes '^Voltaro Slots Help$') == 1 ]] && break
  sleep 0.1
done
[[ $(boxes '^Voltaro Slots Help$') == 1 ]] || fail "the help window did not open"
[[ $(boxes '^Voltaro Slots$') == 1 ]] || fail "a message box opened with the help"
# Moved out of the way of the main window's menu, which closes the game.
xdotool search --onlyvisible --name '^Voltaro Slots Help$' windowmove 1000 0
xdotool windowfocus --sync "$window"
sleep 0.5

exit_through_menu
[[ $(value_of Spins) == 1 ]] || fail "the S key did not spin: Spins $(value_of Spins)"
[[ $(value_of BackBMP) == "$data/BKGRND1.BMP" ]] || fail "BackBMP $(value_of BackBMP)"
[[ $(value_of WinSound) == "$data/VOLTA5.WAV" ]] || fail "WinSound $(value_of WinSound)"

# Removal of the first install leaves the other program's file, the usual
# folders empty and nothing else; the second install is whole.
source_dir=$(dirname "$0")/../..
"$source_dir/scripts/uninstall.sh" "$work/installed-here.txt" >/dev/null || fail "uninstall failed"
left=$(cd "$prefix" && find . -mindepth 1 | sort | xargs)
[[ $left == "./bin ./share ./share/applications ./share/applications/other.desktop ./share/doc ./share/icons ./share/man ./share/metainfo" ]] ||
  fail "left after removal: $left"
[[ -x $work/second/bin/voltaro-slots && -s $work/second/share/voltaro-slots/VOLTA.HLP ]] ||
  fail "removing one install touched the other"
"$source_dir/scripts/uninstall.sh" "$work/installed-second.txt" >/dev/null || fail "second uninstall"
[[ -z $(find "$work/second" -type f) ]] || fail "files left: $(find "$work/second" -type f)"
echo "PASS: the installed game runs from $prefix"
