#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, testing, fuzzing and packaging Tarnek need.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n
  libzip-dev libboost-math-dev
  fonts-dejavu-core fonts-liberation2 xvfb xauth
  openbox xdotool x11-xserver-utils x11-utils imagemagick
  python3-docx libreoffice-writer-nogui poppler-utils
  dpkg-dev desktop-file-utils appstream lintian
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
