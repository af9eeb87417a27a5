#!/usr/bin/env bash
# Builds make-art and redraws the game's pictures into resources/ (BUILD_DIR picks the build folder).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-tool.sh make-art
QT_QPA_PLATFORM=offscreen "${BUILD_DIR:-build}/bin/make-art" .
