#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package made by CPack from the install rules: its name, its
# dependencies, its description whole, lintian without errors or hardening
# tags, the launcher's window class, and its program unpacked into a
# temporary root, started headless, playing a song from its own data folder.
# Arguments: the build folder, and ON when it is a sanitized build.
set -euo pipefail
build=$1
sanitized=${2:-OFF}
work=$(mktemp -d)
game_pid=
source "$(dirname "$0")/../support/processes.sh"
# The game writes its settings file into $work as it closes: it is gone
# before $work is removed.
cleanup() {
  end_and_wait "$game_pid"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# A command that ends the script under set -e says which one it was.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(tail -5 "$work/cpack.log")"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
package=$work/out/voltaro-slots_${version}_$(dpkg --print-architecture).deb
[[ -f $package ]] || fail "no $package; made: $(ls "$work/out")"

depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libsdl2-mixer timgm6mb-soundfont qt6-qpa-plugins; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

for recommended in qt6-wayland qt6-translations-l10n; do
  [[ $(dpkg-deb -f "$package" Recommends) == *$recommended* ]] ||
    fail "Recommends lacks $recommended: $(dpkg-deb -f "$package" Recommends)"
done
# The description as written, its semicolon included.
description=$(dpkg-deb -f "$package" Description)
[[ $description == *"over five paylines; a power meter charged"* ]] ||
  fail "the description lost its text: $description"

# Errors and the hardening tags (shown as information) fail; the other
# findings are printed for the reader. A sanitized build goes without the
# fortified functions (AddressSanitizer checks those calls itself), so there
# the tag that asks for them is expected. lintian leaves a file in its
# temporary folder: the work folder, removed at the end.
TMPDIR=$work lintian --display-info --tag-display-limit 0 "$package" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
! grep -q '^E: ' "$work/lintian.log" || fail "lintian reported errors"
hardening=$(grep 'hardening-' "$work/lintian.log" || true)
[[ $sanitized == ON ]] && hardening=$(grep -v 'hardening-no-fortify-functions' <<<"$hardening" || true)
[[ -z $hardening ]] || fail "lintian: $hardening"

# Unpacked, started headless from another folder, with the music on and the
# first song chosen: it is heard only if the program found its data in the
# unpacked root.
dpkg-deb -x "$package" "$work/root"
# The launcher matches the window by its X11 class, the program's name.
grep -qx 'StartupWMClass=voltaro-slots' \
  "$work/root/usr/share/applications/io.github.voltaro.VoltaroSlots.desktop" ||
  fail "the desktop entry has no StartupWMClass=voltaro-slots"
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/heard.raw
mkdir -p "$XDG_CONFIG_HOME/voltaro-slots" "$work/elsewhere"
printf '[Settings]\r\nMusicOn=1\r\nPlayList0=1\r\n' >"$XDG_CONFIG_HOME/voltaro-slots/VOLTA.INI"
cd "$work/elsewhere"
"$work/root/usr/bin/voltaro-slots" >"$work/game.log" 2>&1 &
game_pid=$!
heard=0
for _ in $(seq 100); do
  sleep 0.1
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended: $(cat "$work/game.log")"
  [[ -f $SDL_DISKAUDIOFILE ]] || continue
  # Counted whole: cutting tr's output short would kill tr with SIGPIPE
  # and, under pipefail, end this script without a word.
  heard=$(tr -d '\0' <"$SDL_DISKAUDIOFILE" | wc -c)
  [[ $heard -ge 1000 ]] && break
done
[[ $heard -ge 1000 ]] || fail "no song was heard from the unpacked program"
echo "PASS: $(basename "$package") installs a game that finds its data"
