#!/usr/bin/env bash
# Builds the four Windows modules of one bitness, the fake host libraries and the test programs with
# mingw-w64, and runs the wine tests (tests/win32/run-wine-tests.sh) in a throwaway prefix of that
# bitness. Exits non-zero on any failure.
#   tools/test-win32.sh        32-bit: vaprop67.dll, vaprop32.dll, vapxl32.xll, vapmcad.dll in build-win32/
#   tools/test-win32.sh 64     64-bit: vaprop67x64.dll, vaprop64.dll, vapxl64.xll, vapmcad64.dll in
#                              build-win64/ (tools/test-win64.sh)
# The expected results come from a native libvaprop32.so of the same tree: by default built in
# build-win32-native/; VAPROP_NATIVE_BUILD=<folder> uses (and updates) another native build, such
# as the build/ of tools/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bits=${1:-32}
case $bits in
  32) tools/deps.sh build win32; toolchain=cmake/toolchain-i686-w64-mingw32.cmake ;;
  64) tools/deps.sh build win64; toolchain=cmake/toolchain-x86_64-w64-mingw32.cmake ;;
  *) echo "test-win32.sh: bitness 32 or 64, not '$bits'" >&2; exit 2 ;;
esac
jobs=$(nproc)

win=build-win$bits
cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE="$PWD/$toolchain" \
  -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF -DVAPROP_BUILD_APP=OFF -DVAPROP_WIN32_TESTS=ON >/dev/null
cmake --build "$win" -j"$jobs" --target vaprop67 vaprop32 vapxl32 mcaduser vapmcad win32_tests >/dev/null

native=${VAPROP_NATIVE_BUILD:-build-win32-native}
if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S . -B "$native" -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF -DVAPROP_BUILD_APP=OFF >/dev/null
fi
cmake --build "$native" -j"$jobs" --target vaprop32 >/dev/null
native_lib=$(find "$native/lib" -maxdepth 1 -name 'libvaprop32.so' | head -n 1)
[ -n "$native_lib" ] || { echo "no libvaprop32.so in $native/lib"; exit 1; }

tests/win32/run-wine-tests.sh "$win" "$native_lib" "$bits"
