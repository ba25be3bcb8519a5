#!/usr/bin/env bash
# Installs what is missing, builds Tarnek and opens its window on the shipped data. It builds in
# its own folder, build-run, so that its options never reach the test build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DTARNEK_BENCHMARKS=OFF
cmake --build build-run -j"$(nproc)" --target tarnek tarnek-cli
# The program reads Input.txt and exttable.txt from its working directory.
cd data
exec ../build-run/ui/tarnek
