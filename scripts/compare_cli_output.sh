#!/usr/bin/env bash
# Records tarnek-cli's plain and JSON output on the fuzz corpora's files, or checks that a
# build still prints the same bytes. Keys added after "curve" in a JSON object are cut off
# before the comparison, so new keys may follow the existing ones.
#
#   scripts/compare_cli_output.sh record DIR [CLI]   # save the outputs of CLI into DIR
#   scripts/compare_cli_output.sh check DIR [CLI]    # compare CLI's outputs with DIR's
#
# CLI defaults to build/cli/tarnek-cli. Record with the old build, check with the new one.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
dir=${2:-}
cli=${3:-build/cli/tarnek-cli}
if [ "$mode" != record ] && [ "$mode" != check ] || [ -z "$dir" ]; then
  sed -n '2,8s/^# \{0,1\}//p' "$0" >&2
  exit 2
fi
cli=$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")
root=$PWD

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/exttable.txt "$work/"
# Files are named through a link, so the outputs do not depend on where the checkout lives.
ln -s "$root" "$work/repo"
files=(data/Input.txt)
while IFS= read -r -d '' file; do files+=("$file"); done \
  < <(find fuzz/corpus -type f -print0 | sort -z)

# Runs the companion in the scratch folder; the output names the invocation's number.
outputs="$work/out"
mkdir "$outputs"
run() {
  local name=$1
  shift
  (cd "$work" && LC_ALL=C.UTF-8 "$cli" "$@" >"$outputs/$name.out" 2>"$outputs/$name.err"; \
    echo "$?" >"$outputs/$name.status") || true
}
keepExisting() {
  # JSON lines end with "curve":[...]}; a later key starts with ,"name": after that array.
  sed -i -E 's/(,"curve":\[[^"]*\]),"[a-z_]+":.*}$/\1}/' "$1"
}

i=0
for file in "${files[@]}"; do
  i=$((i + 1))
  path=repo/$file
  run "$i.plain" "$path"
  run "$i.json" --json "$path"
  run "$i.override" --json --h 0.5 "$path"
done
run all.plain "${files[@]/#/repo/}"
run all.json --json "${files[@]/#/repo/}"
for out in "$outputs"/*.out; do keepExisting "$out"; done
# The file list itself, so a check notices a changed corpus.
printf '%s\n' "${files[@]}" >"$outputs/files.list"

if [ "$mode" = record ]; then
  mkdir -p "$dir"
  cp "$outputs"/* "$dir"/
  echo "recorded $(ls "$outputs" | wc -l) outputs of ${#files[@]} files into $dir"
  exit 0
fi
if diff -r "$dir" "$outputs" >"$work/diff"; then
  echo "same output on ${#files[@]} files"
else
  head -50 "$work/diff"
  echo "outputs differ" >&2
  exit 1
fi
