#!/usr/bin/env bash
# Records tarnek-cli's outputs on the fuzz corpora's files, or checks that a build still writes
# the same bytes: plain, JSON and CSV, with and without the worked solution, and for the shipped
# sample and the report samples also the .docx and PDF reports (with and without the solution)
# and the chart as PNG, SVG and PDF. A document's creation time is the one thing set to a fixed
# value before the comparison (and Qt's hashing seeded alike, which orders a PDF's fonts); a
# .docx is compared part by part, in the container's order.
# Keys added after "curve" in a plain --json object are cut off before the comparison, so new
# keys may follow the existing ones.
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
  sed -n '2,14s/^# \{0,1\}//p' "$0" >&2
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
  (cd "$work" && LC_ALL=C.UTF-8 QT_HASH_SEED=0 "$cli" "$@" >"$outputs/$name.out" 2>"$outputs/$name.err"; \
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
for out in "$outputs"/*.{plain,json,override}.out "$outputs"/all.*.out; do keepExisting "$out"; done

# The CSV table and the worked solution, as text and as JSON, for every file.
i=0
for file in "${files[@]}"; do
  i=$((i + 1))
  path=repo/$file
  run "$i.csv" --csv "$path"
  run "$i.solution" --solution "$path"
  run "$i.solution-json" --solution --json "$path"
done

# The documents, written into the scratch folder and then made comparable: the creation times
# set to one value, the .docx unpacked into its parts.
documents="$work/documents"
mkdir "$documents"
fixTimes() {
  LC_ALL=C sed -i -E 's/\(D:[0-9]{14}Z\)/(D:20000101000000Z)/; s/[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z/2000-01-01T00:00:00Z/g' "$1"
}
unpackDocx() {
  local docx=$1 out=$2
  mkdir -p "$out"
  unzip -Z1 "$docx" >"$out.parts"
  (cd "$out" && unzip -q "$docx")
  fixTimes "$out/docProps/core.xml"
  rm "$docx"
}
reports=(data/Input.txt)
while IFS= read -r -d '' file; do reports+=("$file"); done \
  < <(find tests/report/samples -type f -print0 | sort -z)
i=0
for file in "${reports[@]}"; do
  i=$((i + 1))
  path=repo/$file
  run "$i.report" --docx "$documents/$i.report.docx" --pdf "$documents/$i.report.pdf" \
    --chart "$documents/$i.chart.png" "$path"
  run "$i.solution-report" --solution --docx "$documents/$i.solution-report.docx" \
    --pdf "$documents/$i.solution-report.pdf" --chart "$documents/$i.chart.svg" "$path"
  run "$i.chart-pdf" --chart "$documents/$i.chart.pdf" "$path"
done
for docx in "$documents"/*.docx; do unpackDocx "$docx" "${docx%.docx}"; done
for pdf in "$documents"/*.pdf; do fixTimes "$pdf"; done
mv "$documents" "$outputs/documents"
# The file list itself, so a check notices a changed corpus.
printf '%s\n' "${files[@]}" >"$outputs/files.list"

if [ "$mode" = record ]; then
  mkdir -p "$dir"
  cp -r "$outputs"/* "$dir"/
  echo "recorded $(find "$outputs" -type f | wc -l) outputs of ${#files[@]} files into $dir"
  exit 0
fi
if diff -r "$dir" "$outputs" >"$work/diff"; then
  echo "same output on ${#files[@]} files, same reports and charts of ${#reports[@]}"
else
  head -50 "$work/diff"
  echo "outputs differ" >&2
  exit 1
fi
