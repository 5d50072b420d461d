#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one Qt Test main, on a program of two classes: it lists them for ctest,
# runs one by name with its own set-up, runs all of them each in a process of
# its own, and fails when a class fails or a name is unknown. Argument: the
# program.
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

[[ $("$program" --list-classes) == $'Passes\nFailsOnRequest' ]] || fail "listed: $("$program" --list-classes)"

"$program" Passes >/dev/null || fail "a passing class failed"
"$program" FailsOnRequest >/dev/null || fail "a class's set-up did not run before it"
"$program" Passes -functions | grep -qx 'passes()' || fail "Qt Test options are not passed on"

out=$("$program" 2>&1) || fail "all classes, none failing, failed: $out"
[[ $(grep -c '^Totals:' <<<"$out") == 2 ]] || fail "not every class ran: $out"

status=0
out=$(SELF_TEST_FAIL=1 "$program" 2>&1) || status=$?
[[ $status == 1 ]] || fail "one failing class gave status $status"
grep -qx 'FAILED: FailsOnRequest' <<<"$out" || fail "the failing class is not named: $out"
status=0
SELF_TEST_FAIL=1 "$program" FailsOnRequest >/dev/null 2>&1 || status=$?
[[ $status != 0 ]] || fail "a failing class passed when run alone"

status=0
"$program" NoSuchClass >/dev/null 2>&1 || status=$?
[[ $status != 0 ]] || fail "an unknown class name passed"
echo "PASS: the Qt Test main lists, runs and counts its classes"
