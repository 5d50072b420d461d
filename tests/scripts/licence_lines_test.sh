#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source of the game, its build, its scripts and its assets carries the
# licence line near its top, so a file copied out of the tree still says under
# which terms it may be used. Arguments: the source folder.
set -euo pipefail
cd "$1"

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files)
else
  files=$(find . -path ./build -prune -o -type f -print | sed 's|^\./||')
fi

sources=$(grep -E '\.(cpp|h|h\.in|sh|svg|qrc|HLP|desktop\.in|xml\.in|6\.in)$|(^|/)CMakeLists\.txt$|^assets/(music|strips)/.*\.txt$|^(play|check|bench/run|\.ci/run)$' \
  <<<"$files")
[[ $(wc -l <<<"$sources") -gt 300 ]] || { echo "FAIL: too few sources found to check" >&2; exit 1; }

missing=0
while read -r file; do
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "no licence line: $file" >&2
    missing=$((missing + 1))
  fi
done <<<"$sources"
grep -q 'GNU GENERAL PUBLIC LICENSE' LICENSE || { echo "FAIL: LICENSE is not the GPL" >&2; exit 1; }
[[ $missing -eq 0 ]] || { echo "FAIL: $missing files without the licence line" >&2; exit 1; }
echo "PASS: $(wc -l <<<"$sources") files carry the licence line"
