#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its tools need; skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev fonts-dejavu-core
  libjpeg-dev libexif-dev libheif-dev qt6-image-formats-plugins libzip-dev libsdl2-mixer-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
  xvfb xauth pngquant
  qt6-translations-l10n desktop-file-utils appstream file
  clang libclang-rt-dev
)
# From Debian 13 on, libheif's codecs are packages of their own: HEIC needs libde265's, the tests' photos x265's.
if apt-cache show libheif-plugin-libde265 >/dev/null 2>&1; then
  packages+=(libheif-plugin-libde265 libheif-plugin-x265)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
