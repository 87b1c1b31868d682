#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   tools/test.sh              release build in build/, all tests
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
[ "${1:-}" = "--sanitize" ] || tools/test-install.sh
