#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy on every source of engine/, chart/, cli/, report/, ui/,
# files/ and platform/ (and the headers they include from there); any warning fails it.
#   scripts/tidy.sh [BUILD]    # BUILD: where the compile commands go (default build-tidy)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${1:-build-tidy}
# The compile commands of a configured tree are all clang-tidy needs: nothing is built. GCC's
# precompiled headers would not load in clang, so the tree is configured without them.
cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON \
  -DTARNEK_BENCHMARKS=OFF >/dev/null
run-clang-tidy -p "$build" -j "$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option \
  "$(pwd)/(engine|chart|cli|report|ui|files|platform)/.*\.cpp$"
