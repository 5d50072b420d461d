#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Removes an install of the game made by `cmake --install`: every file its
# manifest lists, then each folder the removal left empty, up to the prefix's
# usual folders (bin/, share/, share/applications/, ...), which stay.
# Argument: the manifest kept from that install.
set -euo pipefail
manifest=${1:?usage: $0 MANIFEST}
program=$(grep -m1 '/bin/voltaro-slots$' "$manifest") || {
  echo "$manifest does not list bin/voltaro-slots: not a manifest of the game" >&2
  exit 1
}
prefix=$(dirname "$(dirname "$program")")

usual_folder() {
  case ${1#"$prefix"} in
    "" | /bin | /share | /share/applications | /share/metainfo | /share/icons | /share/man | \
      /share/doc) return 0 ;;
  esac
  return 1
}

# CMake writes no line end after the manifest's last file.
while IFS= read -r file || [[ -n $file ]]; do
  [[ -n $file ]] || continue
  rm -f -- "$file"
  folder=$(dirname "$file")
  while [[ $folder == "$prefix"/* ]] && ! usual_folder "$folder" && rmdir -- "$folder" 2>/dev/null; do
    folder=$(dirname "$folder")
  done
done <"$manifest"
echo "Removed the game from $prefix"
