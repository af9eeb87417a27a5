#!/usr/bin/env bash
# Rebuilds the default level packs packs/*.zip from freely licensed Debian wallpapers (credits: packs/CREDITS.md).
# Each pack's levels, grids, trays and Russian descriptions are listed in packs/src/<pack>/pack.ini.
set -euo pipefail
cd "$(dirname "$0")/.."

pictures=(lomiri-wallpapers-16.04 mate-backgrounds)
missing=()
for p in "${pictures[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

bash scripts/install-deps.sh
build=${PUZZLE_BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target puzzle-pack
tool="$build/bin/puzzle-pack"

for pack in standart priroda; do
  "$tool" make "packs/src/$pack" "packs/$pack.zip"
  "$tool" check "packs/$pack.zip"
done
