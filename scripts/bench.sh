#!/usr/bin/env bash
# Builds the benchmarks in Release and prints one summary line (the median) per benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh bench

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTARNEK_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)" >/dev/null

for bench in build-bench/bench/*_bench; do
  "$bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ { sub(/_median$/, "", $1); printf "%-40s %12s %s\n", $1, $2, $3 }'
done

# The companion as a whole process, on the shipped data and on 1 000 files.
if [ -x build-bench/cli/tarnek-cli ] && command -v hyperfine >/dev/null; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  for i in $(seq 1000); do cp data/Input.txt "$work/sample$i.txt"; done
  cli=$PWD/build-bench/cli/tarnek-cli
  (cd data && hyperfine -N --warmup 5 --runs 50 --export-json "$work/one.json" \
    "$cli Input.txt" >/dev/null)
  (cd data && hyperfine -N --warmup 1 --runs 10 --export-json "$work/many.json" \
    "$cli --json $(printf "$work/sample%d.txt " $(seq 1000))" >/dev/null)
  for result in one many; do
    python3 -c "import json,sys; r=json.load(open(sys.argv[1]))['results'][0]; \
print('%-40s %12.2f ms' % (sys.argv[2], r['median']*1000))" "$work/$result.json" \
      "tarnek-cli $([ $result = one ] && echo 'Input.txt' || echo '1000 files')"
  done
  peak=$(cd data && /usr/bin/time -f %M "$cli" Input.txt 2>&1 >/dev/null | tail -1)
  printf "%-40s %12s KiB\n" "tarnek-cli Input.txt peak memory" "$peak"
fi

# Reading one endless number: peak memory and time on a line of 1 GiB of digits.
if [ -x build-bench/cli/tarnek-cli ]; then
  bench/peak_memory_long_line.sh build-bench/cli/tarnek-cli
fi
