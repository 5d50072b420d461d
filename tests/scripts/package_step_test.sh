#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package step run against stand-in dpkg-query, apt-get and sudo that
# record what they are asked: playing asks for no test package, checking asks
# for both lists, nothing is installed twice, and the ways out (no apt, the
# skip switch, a missing build tool) say what they mean.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
script=$source_dir/scripts/ensure-packages.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

list() { grep -v '^#' "$source_dir/scripts/packages/$1.txt" | grep -v '^$'; }
play_list=$(list play)
check_list=$(list check)

# Stand-ins. INSTALLED names the packages dpkg-query reports as installed.
tools=$work/tools
mkdir -p "$tools"
cat >"$tools/dpkg-query" <<'STANDIN'
#!/bin/bash
package=${!#}
echo "$package" >>"$RECORD/queried"
grep -qx "$package" "$RECORD/installed" && echo -n "install ok installed" && exit 0
echo "dpkg-query: no packages found matching $package" >&2
exit 1
STANDIN
cat >"$tools/apt-get" <<'STANDIN'
#!/bin/bash
echo "$*" >>"$RECORD/apt-get"
STANDIN
cat >"$tools/sudo" <<'STANDIN'
#!/bin/bash
exec "$@"
STANDIN
for tool in cmake ninja c++ pkg-config; do printf '#!/bin/bash\n' >"$tools/$tool"; done
chmod +x "$tools"/*
for tool in id dirname grep; do ln -s "$(command -v "$tool")" "$tools/$tool"; done

# Runs the step with PATH holding only the stand-ins (and without the ones
# named after the mode); output in $work/out, exit status in $status.
run() {
  local mode=$1
  shift
  export RECORD=$work/record
  rm -rf "$RECORD" "$work/path"
  mkdir -p "$RECORD" "$work/path"
  printf '%s\n' "${installed[@]}" >"$RECORD/installed"
  touch "$RECORD/queried" "$RECORD/apt-get"
  cp -P "$tools"/* "$work/path/"
  for absent in "$@"; do rm "$work/path/$absent"; done
  status=0
  env -i PATH="$work/path" RECORD="$RECORD" VOLTARO_PACKAGE_RECORD="$work/installed-packages.txt" \
    ${skip:+VOLTARO_SKIP_PACKAGES=$skip} \
    "$BASH" "$script" "$mode" >"$work/out" 2>&1 || status=$?
}
asked_to_install() { sed -n 's/^install -y -qq --no-install-recommends //p' "$RECORD/apt-get" | tr ' ' '\n'; }

# Nothing installed: play asks for exactly the play list, check for both.
installed=() skip=
run play
[[ $status == 0 ]] || fail "play step failed: $(cat "$work/out")"
[[ $(asked_to_install) == "$play_list" ]] || fail "play installed: $(asked_to_install | xargs)"
for package in $check_list; do
  grep -qx "$package" "$RECORD/queried" && fail "play asked dpkg-query about $package"
  asked_to_install | grep -qx "$package" && fail "play installed test package $package"
done
run check
[[ $status == 0 ]] || fail "check step failed: $(cat "$work/out")"
[[ $(asked_to_install) == "$(printf '%s\n%s' "$play_list" "$check_list")" ]] ||
  fail "check installed: $(asked_to_install | xargs)"

# Every package installed is noted once, for the README's removal.
[[ $(cat "$work/installed-packages.txt") == "$(printf '%s\n%s' "$play_list" "$check_list")" ]] ||
  fail "noted as installed: $(xargs <"$work/installed-packages.txt")"

# What is there already is not installed again; with everything there, apt
# is not called at all.
mapfile -t installed <<<"$play_list"
run check
[[ $(asked_to_install) == "$check_list" ]] || fail "check reinstalled: $(asked_to_install | xargs)"
run play
[[ $status == 0 && ! -s $RECORD/apt-get ]] || fail "play with everything installed ran apt-get"

# The skip switch and a machine without apt or dpkg: the packages are named,
# nothing is asked, and the step goes on.
installed=() skip=1
run play
[[ $status == 0 && ! -s $RECORD/apt-get && ! -s $RECORD/queried ]] || fail "skip switch ignored"
grep -q "$(echo "$play_list" | xargs)" "$work/out" || fail "skip did not name the packages"
grep -q "libgtest-dev" "$work/out" && fail "skipped play step named a test package"
skip=
run play apt-get dpkg-query
[[ $status == 0 ]] || fail "no apt: the step failed: $(cat "$work/out")"
grep -q "$(echo "$play_list" | xargs)" "$work/out" || fail "no apt: packages not named"

# A build tool still missing afterwards: one line naming it, and a failure.
mapfile -t installed <<<"$play_list"
run play ninja
[[ $status != 0 ]] || fail "a missing ninja was not noticed"
[[ $(wc -l <"$work/out") == 1 ]] && grep -q "'ninja'" "$work/out" ||
  fail "missing ninja reported as: $(cat "$work/out")"

echo "PASS: the package step asks for what each mode needs"
