#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests, and runs everything: the test
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, a short pass of every fuzz
# target, and last the test suite itself through CTest.
# With --quick only the plain test suite is built and run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
quick=0
[ "${1:-}" = "--quick" ] && quick=1
"$root/scripts/deps.sh" test
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

configure() { # build-folder cmake-arguments...
  local build="$1"
  shift
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DTZ_BUILD_TESTS=ON "$@" >/dev/null
  fi
  cmake --build "$build" -j"$jobs"
}

configure "$root/build-tests" -DCMAKE_BUILD_TYPE=Debug

if [ "$quick" -eq 0 ]; then
  configure "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
  echo "== test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs" -E packaging
  echo "== fuzzing"
  # A fixed seed: the suite's pass or failure does not hang on the mutations of the day.
  TZ_FUZZ_SEED="${TZ_FUZZ_SEED:-20261209}" "$root/scripts/fuzz.sh" "${TZ_FUZZ_SECONDS:-20}"
fi

echo "== test suite"
ctest --test-dir "$root/build-tests" --output-on-failure -j"$jobs"
