#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   tools/test.sh              release build in build/, all tests, then the Windows modules under wine and the install checks
#   tools/test.sh --sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
dir=build; extra=(-DVAPROP_BUILD_TESTS=ON -DVAPROP_BUILD_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then dir=build-asan; extra+=(-DVAPROP_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug); fi
cmake -S . -B "$dir" "${extra[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
# The normal run goes on with the 32-bit Windows modules under wine and the installed tree.
if [ "$dir" = build ]; then
  VAPROP_NATIVE_BUILD=build tools/test-win32.sh
  VAPROP_NATIVE_BUILD=build tools/test-win64.sh
  tools/test-install.sh
fi
