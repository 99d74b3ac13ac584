#!/usr/bin/env bash
# Renders the PNG icons from the SVG. Run it after changing the SVG and commit the PNGs,
# so that neither the build nor the tests need an SVG renderer.
set -euo pipefail
hicolor="$(cd "$(dirname "$0")/../packaging/icons/hicolor" && pwd)"
if ! command -v rsvg-convert >/dev/null; then
  echo "Нужна программа rsvg-convert (пакет librsvg2-bin)" >&2
  exit 1
fi
for size in 48 128 256; do
  mkdir -p "$hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$hicolor/scalable/apps/org.example.tzwizard.svg" \
    -o "$hicolor/${size}x${size}/apps/org.example.tzwizard.png"
done
