#!/usr/bin/env bash
# Installs the Debian 12 packages Tarnek needs that are missing here.
#   scripts/install-deps.sh           # building, running, testing, fuzzing and packaging
#   scripts/install-deps.sh desktop   # also the X tools of scripts/screenshots.sh and
#                                     # bench/measure_startup.sh
#   scripts/install-deps.sh bench     # also hyperfine and GNU time for scripts/bench.sh
#   scripts/install-deps.sh web       # also emscripten, node and Chromium for scripts/web.sh
# (scripts/check-package.sh installs its own: it runs as root in a chroot.)
set -euo pipefail

packages=(
  # Building (run.sh, test.sh): the compiler, CMake, Qt 6 with Charts (whose CMake files want
  # the OpenGL ones) and SVG (the chart's export; printing and PDF come with qt6-base-dev), Qt's
  # own translations shown in the window, libzip for the .docx and Boost.Math (header-only) for
  # the engine's distributions.
  build-essential cmake pkg-config
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n
  libzip-dev libboost-math-dev
  # The fonts the window and the report choose first.
  fonts-dejavu-core fonts-liberation2
  # Tests and benchmarks; the report read back by python-docx and printed through LibreOffice
  # (pdfinfo, pdftotext, pdffonts, pdfimages, also for the PDF report and chart); workbooks
  # written by LibreOffice Calc for the data window's reading; the .clang-format and .clang-tidy
  # checks.
  libgtest-dev libbenchmark-dev
  python3-docx libreoffice-writer-nogui libreoffice-calc-nogui poppler-utils clang-format clang-tidy
  # unzip: scripts/compare_cli_output.sh compares a .docx part by part.
  unzip
  # The libFuzzer targets (fuzz/run_fuzzers.sh).
  clang libclang-rt-14-dev
  # The Debian package and its validators (package.sh, test.sh).
  dpkg-dev desktop-file-utils appstream lintian
)
for group in "$@"; do
  case "$group" in
    # Xvfb (xvfb-run wants xauth), the window manager, xrdb, xwininfo and xdpyinfo, xdotool,
    # and ImageMagick's import for the pictures.
    desktop) packages+=(xvfb xauth openbox x11-xserver-utils x11-utils xdotool imagemagick) ;;
    # Whole-process timings and peak memory of scripts/bench.sh.
    bench) packages+=(hyperfine time) ;;
    # The page (scripts/web.sh, test.sh): emscripten with the acorn its optimiser loads, node and
    # npm for the page's packages and tests (a node installed otherwise is kept), and Chromium,
    # which the page's browser test drives.
    web)
      packages+=(emscripten node-acorn chromium)
      command -v node >/dev/null || packages+=(nodejs)
      command -v npm >/dev/null || packages+=(npm)
      ;;
    *) echo "install-deps: unknown group $group" >&2; exit 2 ;;
  esac
done

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
