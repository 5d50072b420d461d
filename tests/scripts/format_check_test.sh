#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The format step of ./check on a small tree of its own: a tree in the
# committed style passes, one badly indented line fails and is named, and a
# tree without any source is an error rather than a pass. Argument: the source
# folder.
set -euo pipefail
source_dir=$1
script=$source_dir/scripts/check-format.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp "$source_dir/.clang-format" "$work/"
mkdir -p "$work/game"
printf '%s\n' '// Tidy.' '#pragma once' '' 'int Twice(int value);' >"$work/game/Tidy.h"
printf '%s\n' '#include "Tidy.h"' '' 'int Twice(int value) { return 2 * value; }' >"$work/game/Tidy.cpp"

"$script" "$work" >"$work/out" 2>&1 || fail "a tidy tree was refused: $(cat "$work/out")"
grep -q '^2 C++ sources are formatted' "$work/out" || fail "not both files checked: $(cat "$work/out")"

printf '%s\n' '#include "Tidy.h"' '' 'int Twice(int value) {' '      return 2 * value;' '}' \
  >"$work/game/Untidy.cpp"
if "$script" "$work" >"$work/out" 2>&1; then fail "a badly indented file passed"; fi
grep -q 'game/Untidy.cpp:4' "$work/out" || fail "the bad line is not named: $(cat "$work/out")"
grep -q 'Tidy.cpp' <(grep -v Untidy "$work/out") && fail "a tidy file was named: $(cat "$work/out")"

rm "$work"/game/*
if "$script" "$work" >"$work/out" 2>&1; then fail "an empty tree passed"; fi
echo "PASS: the format check passes tidy sources and names the untidy line"
