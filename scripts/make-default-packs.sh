#!/usr/bin/env bash
# Rebuilds the default level packs packs/*.zip from freely licensed Debian wallpapers (credits: packs/CREDITS.md).
# Each pack's levels, grids, tolerances, trays, clocks and Russian descriptions are listed in packs/src/<pack>/pack.ini.
set -euo pipefail
cd "$(dirname "$0")/.."

# The photographs, and ImageMagick to cut two squares out of one wide or tall photograph.
pictures=(lomiri-wallpapers-16.04 lomiri-wallpapers-20.04 mate-backgrounds plasma-workspace-wallpapers imagemagick)
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

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# detail PACK FILE SOURCE SIDE: the square at SIDE (West, East, North, South) of SOURCE, as PACK's picture FILE.
detail() {
  local side
  side=$(identify -format '%[fx:min(w,h)]' "$3")
  convert "$3" -gravity "$4" -crop "${side}x${side}+0+0" +repage "$work/$1/$2"
}

for pack in standart priroda peizazhi mir; do
  cp -r "packs/src/$pack" "$work/$pack"
done
detail peizazhi lodki.png /usr/share/wallpapers/EveningGlow/contents/images/2560x1600.jpg West
detail peizazhi zakat.png /usr/share/wallpapers/EveningGlow/contents/images/2560x1600.jpg East
detail mir vino.png /usr/share/backgrounds/Wine_by_Jakkub_Mede.jpg North
detail mir dzhembe.png /usr/share/backgrounds/Wine_by_Jakkub_Mede.jpg South

for pack in standart priroda peizazhi mir; do
  "$tool" make "$work/$pack" "packs/$pack.zip"
  "$tool" check "packs/$pack.zip"
done
ls -l packs/*.zip
