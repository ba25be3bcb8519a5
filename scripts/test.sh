#!/usr/bin/env bash
# Installs what is missing, builds Tarnek twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds (the report printed through
# LibreOffice, labelled "print", in the plain build only), runs each fuzz target for 30 seconds,
# then builds the Debian package and validates it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTARNEK_SANITIZE=ON -DTARNEK_BENCHMARKS=OFF
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -LE print

fuzz/run_fuzzers.sh 30

# The Debian package, and the three validators on what it installs.
scripts/package.sh
desktop-file-validate dist/org.tarnek.Tarnek.desktop
appstreamcli validate --no-net dist/org.tarnek.Tarnek.metainfo.xml
lintian --fail-on error build-package/tarnek_*_amd64.deb
