#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming each file and line, when a C++ source of the tree is not in the
# style of the committed .clang-format. Argument: the source folder (default:
# the folder above this script).
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

command -v clang-format >/dev/null || {
  echo "Cannot check the formatting: 'clang-format' is not installed." >&2
  exit 1
}

# The files git knows when the folder is the top of a clone; any other folder,
# even one inside a clone (a test's temporary tree in the build folder), by
# what it holds.
if [[ $(git rev-parse --show-toplevel 2>/dev/null) == "$(pwd -P)" ]]; then
  # Tracked and new files alike, so a source not yet committed is checked too.
  mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
    while read -r file; do [[ -f $file ]] && echo "$file"; done)
else
  mapfile -t sources < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print)
fi
[[ ${#sources[@]} -gt 0 ]] || { echo "No C++ sources found to check." >&2; exit 1; }

clang-format --style=file --dry-run -Werror "${sources[@]}"
echo "${#sources[@]} C++ sources are formatted."
