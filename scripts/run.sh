#!/usr/bin/env bash
# Installs what is missing, builds the wizard (Release) and starts it: run.sh [project.tz]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" run
build="$root/build-release"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTZ_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target tzwizard
exec "$build/tzwizard" "$@"
