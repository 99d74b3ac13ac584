#!/usr/bin/env bash
# Builds the screenshot tool and saves a picture of every wizard page, made from an example
# project under Xvfb, into docs/screenshots/. Usage: screenshots.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" test
build="${1:-$root/build-screenshots}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTZ_BUILD_TESTS=ON >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target tz_screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tests/packaging/tz_screenshots" "$root/examples/warehouse.tz" "$root/docs/screenshots" \
  "$root/examples/servicecenter.tz"
ls "$root/docs/screenshots"
