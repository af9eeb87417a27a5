#!/usr/bin/env bash
# Installs what is missing and builds one program of the project (argument: its target) in BUILD_DIR, default build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "$(nproc)" --target "$1"
