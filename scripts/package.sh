#!/usr/bin/env bash
# Builds the Debian package build-package/tarnek_<version>_amd64.deb: a Release build with
# Debian's hardening flags, stripped by CPack, dependencies from dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

# The install step must not wait for the tests: CPack installs only what the package holds.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTARNEK_BENCHMARKS=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build build-package -j"$(nproc)" --target tarnek tarnek-cli tarnek_docx_export \
  tarnek_compressed_docs
rm -f build-package/tarnek_*.deb
(cd build-package && cpack -G DEB)
ls build-package/tarnek_*.deb
