#!/usr/bin/env bash
# Installs what is missing, builds Tarnek and runs it on the shipped data.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTARNEK_BENCHMARKS=OFF
cmake --build build -j"$(nproc)" --target tarnek-cli
cd data
../build/cli/tarnek-cli Input.txt
