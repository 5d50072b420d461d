#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# --help and --version answer without a display; anything else gets the usage
# and a failure, and still opens no window.
set -euo pipefail
program=$1
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$(mktemp)
trap 'rm -f "$out"' EXIT

for option in --version -v; do
  timeout 10 "$program" "$option" >"$out" 2>&1 || fail "$option exited with $?"
  [[ $(cat "$out") == "Voltaro Slots $version" ]] || fail "$option printed: $(cat "$out")"
done
for option in --help -h; do
  timeout 10 "$program" "$option" >"$out" 2>&1 || fail "$option exited with $?"
  grep -q -- '--version' "$out" && grep -q -- '--help' "$out" || fail "$option printed: $(cat "$out")"
done
for wrong in --no-such-option -x --help-all -platform stray-file; do
  status=0
  timeout 10 "$program" "$wrong" >"$out" 2>&1 || status=$?
  [[ $status != 0 && $status != 124 ]] || fail "$wrong exited with $status"
  grep -q 'Usage:' "$out" || fail "$wrong printed no usage: $(cat "$out")"
done
echo "PASS: the command line answers without a display"
