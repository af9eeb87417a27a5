#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless;
# then once more with AddressSanitizer and UndefinedBehaviorSanitizer; then a few seconds of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPUZZLE_TESTS=ON -DPUZZLE_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --no-tests=error --output-on-failure -j "$jobs"

if [ "${PUZZLE_SKIP_SANITIZE:-0}" != 1 ]; then
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPUZZLE_SANITIZE=ON -DPUZZLE_TESTS=ON -DPUZZLE_BENCH=OFF >/dev/null
  cmake --build build-sanitize -j "$jobs"
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --no-tests=error --output-on-failure -j "$jobs"
fi

# A few seconds per fuzz target; skipped without clang.
bash scripts/run-fuzz.sh "${PUZZLE_FUZZ_SECONDS:-5}"
