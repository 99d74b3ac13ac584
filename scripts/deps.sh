#!/usr/bin/env bash
# Installs the Debian packages of a set that are missing. Usage: deps.sh run|test
set -euo pipefail

build=(cmake g++ make pkg-config qt6-base-dev qt6-5compat-dev libquazip1-qt6-dev
       qt6-pdf-dev libhunspell-dev fonts-dejavu-core fonts-liberation2 qt6-translations-l10n fonts-wine)
# Without it the program runs with spell checking off.
spelling=(hunspell-ru)
tests=(libgtest-dev libbenchmark-dev libreoffice-writer
       desktop-file-utils appstream shared-mime-info clang-14 libclang-rt-14-dev dpkg-dev
       file xvfb xauth poppler-utils python3-docx)

case "${1:-run}" in
  run) wanted=("${build[@]}" "${spelling[@]}") ;;
  test) wanted=("${build[@]}" "${spelling[@]}" "${tests[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Устанавливаются пакеты: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
