#!/usr/bin/env bash
# Builds the Debian package vaprop_<version>_<arch>.deb in build-deb/ (prefix /usr, no tests).
#   tools/make-deb.sh        then: sudo apt install ./build-deb/vaprop_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-deb -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_BUILD_TYPE=Release \
      -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF >/dev/null
cmake --build build-deb -j"$(nproc)"
cmake --build build-deb --target package
ls build-deb/vaprop_*.deb
