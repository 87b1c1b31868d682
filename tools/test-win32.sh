#!/usr/bin/env bash
# Builds the four 32-bit Windows modules (vaprop67.dll, vaprop32.dll, vapxl32.xll, vapmcad.dll),
# the fake host libraries and the test programs with mingw-w64 into build-win32/, and runs the wine
# tests (tests/win32/run-wine-tests.sh) in a throwaway 32-bit prefix. Exits non-zero on any failure.
#   tools/test-win32.sh
# The expected results come from a native libvaprop32.so of the same tree: by default built in
# build-win32-native/; VAPROP_NATIVE_BUILD=<folder> uses (and updates) another native build, such
# as the build/ of tools/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
jobs=$(nproc)

win32=build-win32
cmake -S . -B "$win32" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-i686-w64-mingw32.cmake" \
  -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF -DVAPROP_BUILD_APP=OFF -DVAPROP_WIN32_TESTS=ON >/dev/null
cmake --build "$win32" -j"$jobs" --target vaprop67 vaprop32 vapxl32 mcaduser vapmcad win32_tests >/dev/null

native=${VAPROP_NATIVE_BUILD:-build-win32-native}
if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S . -B "$native" -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF -DVAPROP_BUILD_APP=OFF >/dev/null
fi
cmake --build "$native" -j"$jobs" --target vaprop32 >/dev/null
native_lib=$(find "$native/lib" -maxdepth 1 -name 'libvaprop32.so' | head -n 1)
[ -n "$native_lib" ] || { echo "no libvaprop32.so in $native/lib"; exit 1; }

tests/win32/run-wine-tests.sh "$win32" "$native_lib"
