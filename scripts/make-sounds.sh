#!/usr/bin/env bash
# Remakes resources/music from freely licensed Debian packages (credits in resources/music/CREDITS.md).
# The packages are only downloaded and unpacked into a temporary folder, never installed.
set -euo pipefail
cd "$(dirname "$0")/.."

tools=(sox libsox-fmt-all lame)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod a+rwx "$work" # apt downloads as its own user
(cd "$work" && apt-get download -qq knetwalk kapman neverball-common)
for deb in "$work"/*.deb; do dpkg-deb -x "$deb" "$work/root"; done
src=$work/root/usr/share
out=resources/music
mkdir -p "$out"

# 44.1 kHz stereo, the mixer's own format, so nothing is resampled while playing.
to_mp3() { # source, target, bitrate, sox effects...
  local source=$1 target=$2 bitrate=$3
  shift 3
  sox "$source" -r 44100 -c 2 -b 16 -t wav - "$@" | lame --quiet --cbr --resample 44.1 -b "$bitrate" - "$target"
}

# Music: a Neverball track written to loop; kept quieter than the effects.
to_mp3 "$src/games/neverball/bgm/track3.ogg" "$out/background_music.mp3" 96 norm -6
# Jingle: Kapman's level-up tune.
to_mp3 "$src/sounds/kapman/levelup.ogg" "$out/win.mp3" 128 norm -3
# Press: KNetWalk's click; lock: KNetWalk's connect.
to_mp3 "$src/knetwalk/sounds/click.wav" "$out/click2.mp3" 128 norm -3
sox "$src/knetwalk/sounds/connect.wav" -r 44100 -c 2 -b 16 "$out/set.wav" norm -3

ls -l "$out"
