#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks the files it holds, the
# fields it declares, its maintainer scripts and that its program runs.
# Usage: deb_contents.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build="$1" source="$2" version="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  exit 1
fi
deb="$work/tzwizard_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work" >&2; echo "FAIL: no package $deb" >&2; exit 1; }

id=org.example.tzwizard
{
  echo ./usr/bin/tzwizard
  echo ./usr/share/applications/$id.desktop
  echo ./usr/share/mime/packages/$id.xml
  echo ./usr/share/metainfo/$id.metainfo.xml
  for size in 48 128 256; do echo ./usr/share/icons/hicolor/${size}x${size}/apps/$id.png; done
  echo ./usr/share/icons/hicolor/scalable/apps/$id.svg
  echo ./usr/share/doc/tzwizard/LICENSE
  echo ./usr/share/doc/tzwizard/copyright
  for example in "$source"/examples/*.tz; do
    echo "./usr/share/doc/tzwizard/examples/$(basename "$example")"
  done
} | sort >"$work/expected"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/listed"
if ! diff -u "$work/expected" "$work/listed"; then
  fail "the package's files differ from the expected ones (- expected, + listed)"
fi

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tzwizard ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
# Computed from the shared libraries, so the Qt libraries the binary links appear.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 \
               libqt6core5compat6; do
  field Depends | tr ',' '\n' | grep -q "^ *$library " || fail "Depends lacks $library: $(field Depends)"
done
# Needed at run time without a library to show it: Qt's Russian texts, the ZIP library of
# DOCX and ODT, the font the pages are counted with, and Wine's Tahoma.
for package in qt6-translations-l10n libquazip1-qt6-1 fonts-liberation2; do
  field Depends | tr ',' '\n' | grep -q "^ *$package\( \|$\)" ||
    fail "Depends lacks $package: $(field Depends)"
done
field Recommends | tr ',' '\n' | grep -qx " *fonts-wine" ||
  fail "Recommends lacks fonts-wine: $(field Recommends)"

dpkg-deb --control "$deb" "$work/control"
for script in postinst postrm; do
  if [ ! -x "$work/control/$script" ]; then
    fail "no executable $script"
    continue
  fi
  sh -n "$work/control/$script" || fail "$script is not valid sh"
  for tool in update-mime-database update-desktop-database gtk-update-icon-cache; do
    grep -q "$tool" "$work/control/$script" || fail "$script does not run $tool"
  done
done

dpkg-deb --extract "$deb" "$work/root"
output="$("$work/root/usr/bin/tzwizard" --version)" || fail "the packaged tzwizard --version failed"
[[ "$output" == tzwizard\ * ]] || fail "tzwizard --version printed '$output'"

exit "$failed"
