#!/usr/bin/env bash
# Builds make-art and redraws the game's pictures into resources/ (BUILD_DIR picks the build folder).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "$(nproc)" --target make-art
QT_QPA_PLATFORM=offscreen "$build/bin/make-art" .
