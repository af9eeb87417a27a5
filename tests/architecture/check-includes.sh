#!/usr/bin/env bash
# The include rules of ARCHITECTURE.md, checked on the sources: each folder includes only the project folders it may.
# Usage: check-includes.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# folder | the project folders its files may include | a header it must not include | in which of its files (*.h or *)
rules=(
  "platform|platform/||"
  "view|view/||"
  "pieces|pieces/ view/ platform/|view/ImageView.h|*"
  "engine|engine/ pieces/ view/ platform/|view/ImageView.h|*.h"
  "ui|ui/ free/windows/ engine/ pieces/ view/ platform/||"
  "free/puzzle|free/puzzle/ pieces/ view/ platform/|view/ImageView.h|*"
  "free/table|free/table/ free/puzzle/ pieces/ view/ platform/||"
  "free/saves|free/saves/ free/puzzle/ pieces/ view/ platform/|view/ImageView.h|*"
  "free/windows|free/windows/ free/saves/ free/table/ free/puzzle/ pieces/ view/ platform/||"
  "tools/pack|tools/pack/ engine/ free/saves/ free/puzzle/ pieces/ view/ platform/||"
  "tools/art|tools/art/||"
  "app|ui/ free/ engine/ pieces/ view/ platform/||"
)

failures=0
for rule in "${rules[@]}"; do
  IFS='|' read -r folder allowed forbidden scope <<<"$rule"
  [[ -d $folder ]] || continue  # a library still to come
  while IFS= read -r line; do
    file=${line%%:*}
    included=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${line#*:}")
    [[ $included == */* ]] || continue  # a file beside it
    ok=0
    for prefix in $allowed; do [[ $included == "$prefix"* ]] && ok=1; done
    if [[ $ok == 0 ]]; then
      echo "$file includes $included: $folder/ may include only $allowed"
      failures=$((failures + 1))
    fi
    # shellcheck disable=SC2053 # the scope is a pattern
    if [[ -n $forbidden && $file == $scope && $included == "$forbidden" ]]; then
      echo "$file includes $included: no file $scope of $folder/ may"
      failures=$((failures + 1))
    fi
  done < <(grep -rHE '^#include "' --include='*.cpp' --include='*.h' "$folder")
done

if [[ $failures -gt 0 ]]; then
  echo "$failures include(s) break the rules of ARCHITECTURE.md"
  exit 1
fi
echo "every folder includes only what ARCHITECTURE.md allows"
