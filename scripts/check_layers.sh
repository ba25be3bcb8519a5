#!/usr/bin/env bash
# Checks that each layer includes only the layers below it, so the layers stay apart whatever
# the include path allows: engine/ nothing but itself, the standard library and header-only
# Boost.Math; chart/ and report/ the engine; cli/ nothing of ui/ or web/; web/ the engine and its
# own files. Prints every include that breaks a rule and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# The project folders a layer's sources may name in an #include "...": its own and these.
declare -A allowed=(
  [engine]="engine"
  [files]="files"
  [platform]="platform"
  [chart]="chart engine"
  [report]="report engine files"
  [cli]="cli engine files platform chart report"
  [ui]="ui engine files platform chart report"
  [web]="web engine"
)

broken=0
for layer in "${!allowed[@]}"; do
  while IFS= read -r line; do
    file=${line%%:*}
    included=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$line")
    top=${included%%/*}
    # Only the project's own folders are layers; a header of the build tree's catalogs is named
    # after the folder of its catalog.
    [ -d "$top" ] || continue
    [[ " ${allowed[$layer]} " == *" $top "* ]] && continue
    echo "$file: $layer/ may not include $included"
    broken=1
  done < <(git ls-files -- "$layer/*.h" "$layer/*.cpp" | xargs -r grep -H '^#include "' || true)
done

# The engine compiles anywhere: no Qt, no library but Boost.Math's headers.
while IFS= read -r line; do
  echo "${line%%:*}: engine/ may not include ${line#*#include }"
  broken=1
done < <(git ls-files -- 'engine/*.h' 'engine/*.cpp' | xargs -r grep -HP '^#include <(Q|boost\/(?!math\/)|zip)' || true)

if [ "$broken" -ne 0 ]; then
  echo "check_layers: an include crosses the layers" >&2
  exit 1
fi
echo "check_layers: every layer includes only what it may"
