#!/usr/bin/env bash
# Runs each fuzz target for SECONDS (default 20). The targets are built with
# clang in BUILD (default build-fuzz); ./test passes its sanitizer build, which
# is configured for the fuzzers too, so one compile of the core serves both.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=${2:-build-fuzz}
if ! command -v clang++-14 >/dev/null; then
  echo "clang++-14 not found: fuzzers skipped"
  exit 0
fi
if [ $# -lt 2 ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DTABLERUN_GUI=OFF -DTABLERUN_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
targets=$(cd fuzz && ls ./*_fuzz.cpp | xargs -n1 basename | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$build" -j "$(nproc)" --target $targets games_list
for target in $targets; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  [ -d "fuzz/seeds/$target" ] && cp -n fuzz/seeds/"$target"/* "$corpus"/ 2>/dev/null || true
  # The games list the build compiles is the best seed for its reader.
  [ "$target" = games_file_fuzz ] && cp "$build/bin/GAMES.DAT" "$corpus"/built-games-list
  echo "fuzzing $target for ${seconds}s"
  "$build/bin/$target" -max_total_time="$seconds" -print_final_stats=0 "$corpus" 2>&1 | tail -n 3
done
