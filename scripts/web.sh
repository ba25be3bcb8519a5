#!/usr/bin/env bash
# Builds Tarnek's page, build-web/tarnek.html: one file that runs the analysis in any browser,
# opened from disk or from any static web host, with no network. Open it by double-clicking it,
# or with `xdg-open build-web/tarnek.html`.
#   scripts/web.sh              # installs what is missing, builds the page
#   scripts/web.sh test BUILD   # and runs its tests against the native build in BUILD (its
#                               # tarnek-cli and charconv_reference): the module in node, the
#                               # page in headless Chromium
#   scripts/web.sh bench        # and times the page's start and one analysis (web/tools/bench.mjs)
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-build}
case "$mode" in
  build | bench) ;;
  test) [ -n "${2:-}" ] || { echo "usage: scripts/web.sh test BUILD" >&2; exit 2; } ;;
  *) sed -n '5,9s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
esac

scripts/install-deps.sh web
# emscripten's optimiser loads Debian's acorn, which a node from elsewhere does not look for.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Where the system's copy of emscripten's library cache cannot be written, a private one is built.
if [ ! -w /usr/share/emscripten/cache ]; then
  export EM_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/tarnek-emscripten
fi

(cd web && npm ci --prefer-offline --ignore-scripts --no-audit --no-fund --loglevel=error)
emcmake cmake -S web -B build-web/wasm -DCMAKE_BUILD_TYPE=Release -DTARNEK_WERROR=ON >/dev/null
cmake --build build-web/wasm -j"$(nproc)"
node web/tools/build_page.mjs build-web/wasm/tarnek-engine.js build-web/tarnek.html

case "$mode" in
  test)
    node --no-experimental-fetch tests/web/engine_equality_test.mjs "$2/cli/tarnek-cli" \
      "$2/tests/web/charconv_reference"
    node tests/web/page_test.mjs "$2/cli/tarnek-cli"
    ;;
  bench) node web/tools/bench.mjs ;;
esac
