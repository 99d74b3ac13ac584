#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 20) from the seed corpus in fuzz/corpus/<target>. A crash or a broken invariant
# fails the run; the input that broke it is left in build-fuzz/findings.
# TZ_FUZZ_SEED fixes the mutations, so that a run is repeated as it went; unset, each run
# takes new ones.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
"$root/scripts/deps.sh" test
build="$root/build-fuzz"
if [ ! -f "$build/CMakeCache.txt" ]; then
  CXX=clang++-14 cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
mkdir -p "$build/findings"
status=0
seed="${TZ_FUZZ_SEED:-0}"
if [ "$seed" != 0 ]; then export QT_HASH_SEED=0; fi
for target in "$build"/*_fuzz; do
  name="$(basename "$target" _fuzz)"
  work="$build/corpus/$name"
  mkdir -p "$work"
  cp -n "$root/fuzz/corpus/$name/"* "$work/" 2>/dev/null || true
  echo "fuzz $name: ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -seed="$seed" -print_final_stats=0 \
      -artifact_prefix="$build/findings/$name-" "$work" >"$build/$name.log" 2>&1; then
    echo "fuzz $name FAILED; see $build/$name.log and $build/findings/"
    tail -40 "$build/$name.log"
    status=1
  fi
done
exit $status
