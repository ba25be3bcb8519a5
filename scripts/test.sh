#!/usr/bin/env bash
# Installs what is missing, builds Tarnek twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds (the report printed through
# LibreOffice, labelled "print", in the plain build only), then runs each fuzz target for
# 30 seconds.
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
