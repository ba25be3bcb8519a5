#!/bin/bash
# Peak resident memory and wall time of tarnek-cli on a file of one line of digits, read as the
# sample and as the critical-point table; the reading must stay flat in the line's length.
#   bash bench/peak_memory_long_line.sh [CLI, default build/cli/tarnek-cli] [bytes, default 1 GiB]
# Needs GNU time (scripts/install-deps.sh bench). The file goes to a scratch folder.
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build/cli/tarnek-cli}")
bytes=${2:-1073741824}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp data/exttable.txt data/Input.txt "$scratch/"
# "1", a line break, then one number of the given length (nothing else on its line).
{ printf '1\n'; head -c "$bytes" /dev/zero | tr '\0' '7'; printf '\n'; } >"$scratch/long.txt"

# Maximum resident set size and elapsed time of one run, its exit status, and what it said first.
measure() {
  local label=$1
  shift
  (cd "$scratch" && /usr/bin/time -f '%M %e' -o "$scratch/time" "$cli" "$@" >"$scratch/out" \
    2>"$scratch/err") || true
  local kib seconds status
  read -r kib seconds < <(tail -n 1 "$scratch/time")
  status=$(grep -o 'status [0-9]*' "$scratch/time" | cut -d' ' -f2 || true)
  awk -v label="$label" -v kib="$kib" -v s="$seconds" -v status="${status:-0}" \
    'BEGIN { printf "%-28s peak %6.1f MiB  %5.2f s  exit %s\n", label, kib / 1024, s, status }'
  sed -n '1,2s/^/    /p' "$scratch/out"
  sed -n '1s/^/    stderr: /p' "$scratch/err"
}

echo "a line of $bytes digits; tarnek-cli: $cli"
measure "shipped sample (reference)" Input.txt
measure "long line as the sample" long.txt
measure "long line as the table" --table long.txt Input.txt
