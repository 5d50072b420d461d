#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages missing for playing (`play`) or for playing and
# testing (`check`), then makes sure the build tools are there. Uses sudo when
# not run as root. Without apt and dpkg, or with VOLTARO_SKIP_PACKAGES=1, it
# names the packages it would need and goes on.
set -euo pipefail

mode=${1:-check}
here=$(dirname "$0")
lists=$here/packages
case $mode in
  play) list_files=("$lists/play.txt") ;;
  check) list_files=("$lists/play.txt" "$lists/check.txt") ;;
  *) echo "usage: $0 play|check" >&2; exit 2 ;;
esac

packages=()
for list in "${list_files[@]}"; do
  while read -r line; do
    [[ -z $line || $line == \#* ]] || packages+=("$line")
  done <"$list"
done

# Notes each package installed here, once, so that the README's one command
# removes exactly these again. Bash alone: the step runs before anything else
# is known to be there.
record_installed() {
  local record=${VOLTARO_PACKAGE_RECORD:-$here/../build/installed-packages.txt}
  local -A noted=()
  local package
  [[ -d $(dirname "$record") ]] || mkdir -p "$(dirname "$record")"
  if [[ -f $record ]]; then
    while IFS= read -r package; do [[ -n $package ]] && noted[$package]=1; done <"$record"
  fi
  for package in "$@"; do
    [[ -n ${noted[$package]:-} ]] && continue
    noted[$package]=1
    printf '%s\n' "$package" >>"$record"
  done
}

install_missing() {
  if [[ ${VOLTARO_SKIP_PACKAGES:-0} == 1 ]]; then
    echo "VOLTARO_SKIP_PACKAGES=1: not installing; the $mode step needs: ${packages[*]}"
    return
  fi
  if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "No apt or dpkg here; please install the equivalents of: ${packages[*]}"
    return
  fi
  local missing=() package status
  for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
  done
  [[ ${#missing[@]} -eq 0 ]] && return

  echo "Installing: ${missing[*]}"
  local as_root=()
  if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || {
      echo "These packages are missing and sudo is not available: ${missing[*]}" >&2
      exit 1
    }
    as_root=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
  record_installed "${missing[@]}"
}

install_missing

# A missing tool stops here with its name, not deep inside the build.
for tool in cmake ninja c++ pkg-config; do
  command -v "$tool" >/dev/null || {
    echo "Cannot build the game: '$tool' is not installed." >&2
    exit 1
  }
done
