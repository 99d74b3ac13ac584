#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them all.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" test
build="$root/build-bench"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTZ_BUILD_TESTS=OFF \
    -DTZ_BUILD_BENCH=ON >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
for bench in "$build"/bench/bench_*; do
  if [ -f "$bench" ] && [ -x "$bench" ]; then
    "$bench" "$@"
  fi
done
