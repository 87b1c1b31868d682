#!/usr/bin/env bash
# Builds the Debian package vaprop_<version>_<arch>.deb (prefix /usr, no tests, no benchmarks).
#   tools/make-deb.sh [BUILD_DIR]     default build-deb; then: sudo apt install ./build-deb/vaprop_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}
cmake -S . -B "$build" -DCMAKE_INSTALL_PREFIX=/usr -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/vaprop_*.deb "$build"/vaprop_*.deb.sha256
cmake --build "$build" --target package
ls "$build"/vaprop_*.deb
