#!/usr/bin/env bash
# Installs the game into a throw-away prefix, checks the desktop files there, makes the prefix read-only and runs
# the installed-game test as an ordinary user (root, whom permission bits do not stop, hands over to nobody).
# Arguments: build folder, test program, the install's bin folder relative to the prefix.
set -euo pipefail
build=$1 test_program=$2 bindir=$3

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop-file-validate "$prefix/share/applications/ru.kavrin.puzzle.desktop"
metainfo=$prefix/share/metainfo/ru.kavrin.puzzle.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo"
# Every screenshot the metainfo names is one the source publishes.
screenshots=$(dirname "$0")/../../docs/screenshots
images=$(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$metainfo")
[ -n "$images" ] || { echo "metainfo names no screenshot"; exit 1; }
for image in $images; do
  [ -f "$screenshots/$(basename "$image")" ] || { echo "metainfo names $image, not in docs/screenshots"; exit 1; }
done
for size in 48 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/ru.kavrin.puzzle.png
  file "$icon" | grep -q "PNG image data, $size x $size" || { echo "icon missing or not $size px: $icon"; exit 1; }
done
[ -x "$prefix/$bindir/kavrin-puzzle" ] || { echo "no executable in $prefix/$bindir"; exit 1; }

# The player runs a copy of the test program from this folder: the build's may lie where others cannot enter (a
# clone in root's home folder, or in any folder of mode 700).
player_test=$work/$(basename "$test_program")
install -m 755 "$test_program" "$player_test"
chmod -R a-w "$prefix"
chmod 1777 "$work"
mkdir -m 777 "$work/home"
as_player=()
[ "$(id -u)" -eq 0 ] && as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
"${as_player[@]}" env HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" TMPDIR="$work" \
  PUZZLE_INSTALL_PREFIX="$prefix" PUZZLE_INSTALLED_PROGRAM="$prefix/$bindir" "$player_test"
