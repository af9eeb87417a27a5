#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer) and runs each for the given
# number of seconds (default 60), seeded from the default level packs and a few free puzzles' files. Skipped when clang is missing.
# Findings are written to build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: fuzzing skipped"
  exit 0
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPUZZLE_FUZZ=ON \
  -DPUZZLE_TESTS=OFF -DPUZZLE_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_all

seeds=build-fuzz/seeds
rm -rf "$seeds"
build-fuzz/bin/fuzz_seeds packs "$seeds"

export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in FuzzIni FuzzLevelData FuzzSavedGame FuzzPieceCut FuzzPackUnpack FuzzPictureHeader FuzzFreeSave; do
  corpus=build-fuzz/corpus/$target findings=build-fuzz/findings/$target
  mkdir -p "$corpus" "$findings" "$seeds/$target"
  echo "== $target, ${seconds}s"
  if ! "build-fuzz/bin/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "$seeds/$target" 2>"build-fuzz/$target.log"; then
    echo "$target found a fault; see build-fuzz/$target.log and $findings/"
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "build-fuzz/$target.log" || true
done
exit $status
