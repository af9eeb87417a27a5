#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPUZZLE_TESTS=OFF -DPUZZLE_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)" --target puzzle
exec build/bin/puzzle
