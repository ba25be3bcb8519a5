#!/usr/bin/env bash
# Builds the Debian package build-package/tarnek_<version>_amd64.deb: a Release build with
# Debian's hardening flags, stripped by CPack, dependencies from dpkg-shlibdeps.
#   scripts/package.sh              # configures and builds its own build-package folder
#   scripts/package.sh BUILD        # packages BUILD, a Release build configured with the flags
#                                   # of scripts/hardening-flags.sh (test.sh's plain build)
set -euo pipefail
cd "$(dirname "$0")/.."

out=build-package
build=${1:-$out}
if [ "$build" = "$out" ]; then
  source scripts/hardening-flags.sh
  # The install step must not wait for the tests: CPack installs only what the package holds.
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARNEK_BENCHMARKS=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
fi
cmake --build "$build" -j"$(nproc)" --target tarnek tarnek-cli tarnek_report_export \
  tarnek_compressed_docs
mkdir -p "$out"
rm -f "$out"/tarnek_*.deb
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$(realpath "$out")"
ls "$out"/tarnek_*.deb
