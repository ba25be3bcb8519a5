#!/usr/bin/env bash
# Installs what is missing, checks every tracked C++ file against .clang-format, the layers'
# includes against scripts/check_layers.sh and their sources against .clang-tidy, builds Tarnek twice with warnings as errors (plain, and with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test in both builds (the reports read back by python-docx and LibreOffice,
# labelled "readback", in the plain build only), builds the browser page and tests it against
# the plain build's tarnek-cli, runs each fuzz target for 30 seconds, then builds the Debian
# package and validates it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format --dry-run --Werror
# Each layer includes only the layers below it.
scripts/check_layers.sh
# clang-tidy with .clang-tidy's checks on the C++ layers: any warning fails.
scripts/tidy.sh build-tidy

# The plain build carries Debian's hardening flags, so the package is made from it at the end.
(
  source scripts/hardening-flags.sh
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTARNEK_WERROR=ON \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
)
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# The page: its module against this tarnek-cli in node, the page itself in headless Chromium.
scripts/web.sh test build

# Benchmarks and the read-back tests add nothing under the sanitizers: not built, not run.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTARNEK_SANITIZE=ON -DTARNEK_BENCHMARKS=OFF \
  -DTARNEK_WERROR=ON
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -LE readback

TARNEK_WERROR=ON fuzz/run_fuzzers.sh 30

# The Debian package, and the three validators on what it installs.
scripts/package.sh build
desktop-file-validate dist/org.tarnek.Tarnek.desktop
appstreamcli validate --no-net dist/org.tarnek.Tarnek.metainfo.xml
lintian --fail-on error build-package/tarnek_*_amd64.deb
