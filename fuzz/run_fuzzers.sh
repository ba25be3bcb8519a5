#!/usr/bin/env bash
# Builds the engine's libFuzzer targets with clang and runs each for N seconds (default 30),
# starting from the seed corpora; fails on the first crash, sanitizer report, leak or hang.
# Usage: fuzz/run_fuzzers.sh [seconds] [build directory, default build-fuzz]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
build=${2:-build-fuzz}
targets=(sample_reader critical_points number_format process_file)

# TARNEK_WERROR=ON makes warnings errors, as in CI.
CC=clang CXX=clang++ cmake -S . -B "$build" -DTARNEK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARNEK_WERROR="${TARNEK_WERROR:-OFF}"
cmake --build "$build" -j"$(nproc)"

findings="$build/fuzz-findings"
mkdir -p "$findings"
for target in "${targets[@]}"; do
  # New inputs go to a scratch directory, so the committed seeds stay as they are.
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  echo "== $target: ${seconds}s"
  if ! "$build/fuzz/${target}_fuzzer" "$scratch" "fuzz/corpus/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/${target}-" 2>"$findings/$target.log"; then
    tail -n 60 "$findings/$target.log"
    echo "$target: finding kept in $findings/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$findings/$target.log" || true
  rm -rf "$scratch"
done
echo "All fuzz targets ran ${seconds}s each without a finding."
