#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from its program folder.
# The build folder is shared with run-tests.sh, so only the game is built and no option of the tests is touched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target puzzle
exec build/bin/puzzle
