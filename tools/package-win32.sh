#!/usr/bin/env bash
# Builds the release artifact vaprop-win32.zip with both sets of Windows modules (no debug
# information, no symbol tables), side by side in one folder:
#   32-bit: vaprop32.dll, vaprop67.dll, vapxl32.xll, vapmcad.dll   (32-bit Excel and programs, Mathcad 15)
#   64-bit: vaprop64.dll, vaprop67x64.dll, vapxl64.xll, vapmcad64.dll   (64-bit Excel and programs,
#           Mathcad Prime)
# and vaprop32.h, the VBA module dist/win32/vaprop32.bas (declarations for both bitnesses) and the
# install notes dist/win32/INSTALL.txt (which set goes with which host).
#   tools/package-win32.sh [output zip]      (default build-win32/vaprop-win32.zip)
# The same sources give the same zip: no link times in the modules, fixed file times and order.
# tools/test-win32.sh and tools/test-win64.sh run the tests of these modules.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
tools/deps.sh build win32 win64
command -v zip >/dev/null || tools/deps.sh test
out=${1:-build-win32/vaprop-win32.zip}
case $out in /*) ;; *) out=$root/$out ;; esac

stage=build-win32/package/vaprop-win32
rm -rf build-win32/package
mkdir -p "$stage"

# One bitness: build, strip into the stage, and hold the shipped modules' export and import tables
# against the golden lists of the tested ones.
ship() {
  local bits=$1 mingw=$2 lib=$3 lib67=$4 xll=$5 mcad=$6 build=build-win$1
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$mingw.cmake" \
    -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF -DVAPROP_BUILD_APP=OFF >/dev/null
  cmake --build "$build" -j"$(nproc)" --target vaprop67 vaprop32 vapxl32 vapmcad >/dev/null
  for m in lib/$lib.dll ifc67/$lib67.dll addins/excel/$xll.xll addins/mathcad/$mcad.dll; do
    # (strip writes the current time into the header unless SOURCE_DATE_EPOCH names one)
    SOURCE_DATE_EPOCH=0 "$mingw-strip" --strip-all -o "$stage/$(basename "$m")" "$build/$m"
  done
  export OBJDUMP=$mingw-objdump
  for m in $lib:$lib.dll $lib67:$lib67.dll $mcad:$mcad.dll; do
    diff <(grep -v '^#' "tests/win32/golden/${m%%:*}.txt" | sort) <(tests/win32/pe_tables.sh "$stage/${m#*:}" | sort)
  done
  diff <(grep -v '^#' "tests/win32/golden/$xll.txt" | sort) <(tests/win32/pe_tables.sh --names-only "$stage/$xll.xll" | sort)
}
ship 32 i686-w64-mingw32 vaprop32 vaprop67 vapxl32 vapmcad
ship 64 x86_64-w64-mingw32 vaprop64 vaprop67x64 vapxl64 vapmcad64

tests/win32/check_vba_module.sh >/dev/null
cp lib/vaprop32.h dist/win32/vaprop32.bas dist/win32/INSTALL.txt "$stage/"

touch -d '2000-01-01 00:00:00 UTC' "$stage" "$stage"/*
rm -f "$out"
mkdir -p "$(dirname "$out")"
(cd build-win32/package && LC_ALL=C find vaprop-win32 -print | LC_ALL=C sort | TZ=UTC zip -X -q -D "$out" -@)
echo "$out"
zip -sf "$out"
