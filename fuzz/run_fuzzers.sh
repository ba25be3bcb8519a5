#!/usr/bin/env bash
# Builds the engine's libFuzzer targets with clang and runs each for N seconds (default 30),
# starting from the seed corpora; fails on the first crash, sanitizer report, leak or hang.
# Usage: fuzz/run_fuzzers.sh [seconds] [build directory, default build-fuzz]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
build=${2:-build-fuzz}
targets=(sample_reader critical_points number_format process_file data_reader)

# TARNEK_WERROR=ON makes warnings errors, as in CI.
CC=clang CXX=clang++ cmake -S . -B "$build" -DTARNEK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARNEK_WERROR="${TARNEK_WERROR:-OFF}"
cmake --build "$build" -j"$(nproc)"

findings="$build/fuzz-findings"
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# One target for the given time; new inputs go to a scratch directory, so the committed seeds
# stay as they are.
fuzz() {
  mkdir -p "$scratch/$1"
  "$build/fuzz/${1}_fuzzer" "$scratch/$1" "fuzz/corpus/$1" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/${1}-" 2>"$findings/$1.log"
}

# As many targets at a time as there are processors; each keeps its full time.
parallel=$(nproc)
failed=()
for ((first = 0; first < ${#targets[@]}; first += parallel)); do
  batch=("${targets[@]:first:parallel}")
  pids=()
  for target in "${batch[@]}"; do
    echo "== $target: ${seconds}s"
    fuzz "$target" &
    pids+=($!)
  done
  for i in "${!batch[@]}"; do
    if wait "${pids[$i]}"; then
      grep -E '^(Done|stat::number_of_executed_units)' "$findings/${batch[$i]}.log" || true
    else
      tail -n 60 "$findings/${batch[$i]}.log"
      failed+=("${batch[$i]}")
    fi
  done
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "${failed[*]}: finding kept in $findings/" >&2
  exit 1
fi
echo "All fuzz targets ran ${seconds}s each without a finding."
