#!/usr/bin/env bash
# Builds the release artifact vaprop-win32.zip: the four 32-bit Windows modules (vaprop32.dll,
# vaprop67.dll, vapxl32.xll, vapmcad.dll; no debug information, no symbol tables), vaprop32.h, the
# VBA module dist/win32/vaprop32.bas and the install notes dist/win32/INSTALL.txt.
#   tools/package-win32.sh [output zip]      (default build-win32/vaprop-win32.zip)
# The same sources give the same zip: no link times in the modules, fixed file times and order.
# tools/test-win32.sh runs the tests of these modules.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
tools/deps.sh
out=${1:-build-win32/vaprop-win32.zip}
case $out in /*) ;; *) out=$root/$out ;; esac

build=build-win32
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
  -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF -DVAPROP_BUILD_APP=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target vaprop67 vaprop32 vapxl32 vapmcad >/dev/null

stage=$build/package/vaprop-win32
rm -rf "$build/package"
mkdir -p "$stage"
for m in lib/vaprop32.dll ifc67/vaprop67.dll addins/excel/vapxl32.xll addins/mathcad/vapmcad.dll; do
  # (strip writes the current time into the header unless SOURCE_DATE_EPOCH names one)
  SOURCE_DATE_EPOCH=0 i686-w64-mingw32-strip --strip-all -o "$stage/$(basename "$m")" "$build/$m"
done
# The shipped modules keep the export and import tables of the tested ones.
for m in vaprop32:vaprop32.dll vaprop67:vaprop67.dll vapmcad:vapmcad.dll; do
  diff <(grep -v '^#' "tests/win32/golden/${m%%:*}.txt" | sort) <(tests/win32/pe_tables.sh "$stage/${m#*:}" | sort)
done
diff <(grep -v '^#' tests/win32/golden/vapxl32.txt | sort) <(tests/win32/pe_tables.sh --names-only "$stage/vapxl32.xll" | sort)
tests/win32/check_vba_module.sh >/dev/null
cp lib/vaprop32.h dist/win32/vaprop32.bas dist/win32/INSTALL.txt "$stage/"

touch -d '2000-01-01 00:00:00 UTC' "$stage" "$stage"/*
rm -f "$out"
mkdir -p "$(dirname "$out")"
(cd "$build/package" && LC_ALL=C find vaprop-win32 -print | LC_ALL=C sort | TZ=UTC zip -X -q -D "$out" -@)
echo "$out"
zip -sf "$out"
