#!/usr/bin/env bash
# Builds the game and takes the README's screenshots from its real windows: docs/screenshots/level.png (a level in
# play), docs/screenshots/big-level.png (a 10 x 10 level in play) and docs/screenshots/chooser.png (the theme
# and picture chooser). BUILD_DIR picks the build folder.
# The game plays in a throw-away copy of its program folder with a config folder of its own, so the player's own
# saved game and settings are left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-tool.sh make-screenshots
build=${BUILD_DIR:-build}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/bin/resources" "$build/bin/make-screenshots" "$build"/bin/*.zip "$work/"
mkdir -p docs/screenshots
# The window never grows past its screen: the offscreen screen is made large enough for the pictures' window.
echo '{"screens": [{"name": "Screen0", "x": 0, "y": 0, "width": 1920, "height": 1200, "logicalDpi": 96,
  "logicalBaseDpi": 96, "dpr": 1}]}' >"$work/screens.json"
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM="offscreen:configfile=$work/screens.json" SDL_AUDIODRIVER=dummy timeout 120 "$work/make-screenshots" "$work"
# A photograph in a lossless picture is large; a palette of 256 colours keeps it small and looks the same.
for shot in level big-level chooser; do
  pngquant --force --skip-if-larger --quality 70-95 --output "docs/screenshots/$shot.png" "$work/$shot.png" ||
    cp "$work/$shot.png" "docs/screenshots/$shot.png"
done
ls -l docs/screenshots
