#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The project configures for playing alone: no GoogleTest, no Qt Test, and no
# test, fuzzer or benchmark target in the build. Arguments: the source folder.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake -S "$source_dir" -B "$work" -G Ninja -DBUILD_TESTING=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$work/configure.log" 2>&1 ||
  fail "configure failed: $(tail -20 "$work/configure.log")"
grep -q '^Qt6Test_DIR\|^GTest_DIR' "$work/CMakeCache.txt" && fail "a test library was looked for"
targets=$(ninja -C "$work" -t targets all | sed -n 's/^\([^:]*\): phony$/\1/p')
grep -qx voltaro-slots <<<"$targets" || fail "no voltaro-slots target"
for unwanted in game_tests storage_tests app_tests storage_fuzzer_build voltaro_bench voltaro-par; do
  grep -qx "$unwanted" <<<"$targets" && fail "$unwanted is built for play"
done
echo "PASS: the game configures without any test package"
