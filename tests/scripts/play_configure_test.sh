#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The project configures and builds for playing alone: no GoogleTest, no Qt
# Test, no test, fuzzer or benchmark target, and the game that comes out runs.
# Arguments: the source folder, a build folder kept between runs so that
# only the first run pays for the whole build, and whether warnings are errors
# (as in the build that runs the test, whose compiled objects a compiler cache
# then hands to this one).
set -euo pipefail
source_dir=$1
build=$2
warnings_as_errors=${3:-OFF}
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$build"
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_COMPILE_WARNING_AS_ERROR="$warnings_as_errors" \
  >"$build/configure.log" 2>&1 ||
  fail "configure failed: $(tail -20 "$build/configure.log")"
grep -q '^Qt6Test_DIR\|^GTest_DIR' "$build/CMakeCache.txt" && fail "a test library was looked for"
targets=$(ninja -C "$build" -t targets all | sed -n 's/^\([^:]*\): phony$/\1/p')
grep -qx voltaro-slots <<<"$targets" || fail "no voltaro-slots target"
for unwanted in game_tests storage_tests app_tests storage_fuzzer_build voltaro_bench voltaro-par; do
  grep -qx "$unwanted" <<<"$targets" && fail "$unwanted is built for play"
done

cmake --build "$build" --target voltaro-slots >"$build/build.log" 2>&1 ||
  fail "the game does not build: $(tail -20 "$build/build.log")"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$build/bin/voltaro-slots" --version) ||
  fail "the game built for play does not run"
[[ $version == "Voltaro Slots "* ]] || fail "unexpected --version answer: $version"
for data in VOLTA.HLP volta96.bmp BKGRND1.BMP VOLTA0.WAV VOLTA0.MID; do
  [[ -f $build/bin/$data ]] || fail "$data is not built beside the game"
done
echo "PASS: the game configures and builds without any test package ($version)"
