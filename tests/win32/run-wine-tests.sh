#!/usr/bin/env bash
# Runs the tests of the Windows modules of one bitness, headless under wine, in a throwaway prefix
# inside the build folder (its own HOME, its wineserver ended and the prefix removed at the end).
# Prints PASS/FAIL per step; exits 1 if any step failed.
#   run-wine-tests.sh <windows build folder> <native libvaprop32.so> [32|64]
# The build must have been configured with the mingw toolchain of that bitness and
# -DVAPROP_WIN32_TESTS=ON. 32 (the default): vaprop32.dll, vaprop67.dll, vapxl32.xll, vapmcad.dll in a
# win32 prefix; 64: vaprop64.dll, vaprop67x64.dll, vapxl64.xll, vapmcad64.dll in a win64 prefix.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
native_lib=$(realpath "$2")
bits=${3:-32}
case $bits in
  32) arch=win32 mingw=i686-w64-mingw32 lib=vaprop32 lib67=vaprop67 xll=vapxl32 mcad=vapmcad host_files=(XLCALL32.DLL) ;;
  64) arch=win64 mingw=x86_64-w64-mingw32 lib=vaprop64 lib67=vaprop67x64 xll=vapxl64 mcad=vapmcad64 host_files=() ;;
  *) echo "run-wine-tests.sh: bitness 32 or 64, not '$bits'" >&2; exit 2 ;;
esac
export OBJDUMP=$mingw-objdump NM=$mingw-nm
# The loader: Debian's /usr/bin/wine always starts the 32-bit one (which hands 64-bit programs on to
# wine64); the 64-bit tests start wine64 itself, so they run on machines without 32-bit support too.
# (`command` runs the program, never this function: a loader named "wine" would otherwise call itself.)
wine_loader=wine
if [ "$bits" = 64 ] && [ -x /usr/lib/wine/wine64 ]; then wine_loader=/usr/lib/wine/wine64; fi
wine() { command "$wine_loader" "$@"; }
work=$(mktemp -d "$build/wine-tests.XXXXXX")

export WINEPREFIX=$work/prefix WINEARCH=$arch WINEDEBUG=-all HOME=$work/home
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
  [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
# step <title> <command...>: runs the command with its output in a log shown on failure.
step() {
  local title=$1; shift
  if "$@" >"$work/log" 2>&1; then
    echo "PASS $title$(summary)"
  else
    echo "FAIL $title"
    sed 's/^/    /' "$work/log" | head -60
    failures=$((failures + 1))
  fi
}
# The last line of a passing step's log when it carries figures.
summary() { local last; last=$(tail -n 1 "$work/log" 2>/dev/null); [ -n "$last" ] && echo "  ($last)"; }

modules=(lib/$lib.dll ifc67/$lib67.dll addins/excel/$xll.xll addins/mathcad/$mcad.dll)
programs=(addins/mathcad/mcaduser.dll "${host_files[@]}" case_runner.exe loader_test.exe xll_test.exe mcad_test.exe)
for m in "${modules[@]}" "${programs[@]}"; do
  if [ ! -f "$build/$m" ]; then echo "FAIL missing $build/$m"; exit 1; fi
done

# 1. Export and import tables against the golden lists.
pe_check() {
  local golden=$1 module=$2 opt=${3:-}
  diff -u <(grep -v '^#' "$golden" | sort) <("$here/pe_tables.sh" $opt "$module" | sort)
}
step "$lib.dll export and import tables" pe_check "$here/golden/$lib.txt" "$build/lib/$lib.dll"
step "$lib67.dll export and import tables" pe_check "$here/golden/$lib67.txt" "$build/ifc67/$lib67.dll"
step "$xll.xll export and import tables" pe_check "$here/golden/$xll.txt" "$build/addins/excel/$xll.xll" --names-only
step "$mcad.dll export and import tables" pe_check "$here/golden/$mcad.txt" "$build/addins/mathcad/$mcad.dll"
# The import libraries others link against: every symbol by ordinal, no start-up entry.
implib_check() {
  local lib=$1
  if "$NM" "$lib" | grep -q DllMain; then echo "$lib holds DllMain"; return 1; fi
  echo "$("$NM" "$lib" | grep -c ' T _\?Stm') entries, no DllMain"
}
step "lib$lib.dll.a without the start-up entry" implib_check "$build/lib/lib$lib.dll.a"
step "lib$lib67.dll.a without the start-up entry" implib_check "$build/ifc67/lib$lib67.dll.a"

# The VBA module of the release declares every export of vaprop32.def with the arguments of vaprop32.h.
step "vaprop32.bas declares every export with its argument names" "$here/check_vba_module.sh"

# A kernel without 32-bit support (ia32 emulation switched off) cannot start the 32-bit loader: the
# modules are built and their tables checked above, the steps that run them are reported as skipped.
if [ "$bits" = 32 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1 && ! command wine --version >/dev/null 2>&1; then
  echo "SKIP the 32-bit modules under wine: this machine cannot run 32-bit programs (ia32 emulation off)"
  if [ "$failures" -ne 0 ]; then echo "wine tests ($bits-bit): $failures step(s) failed"; exit 1; fi
  echo "wine tests ($bits-bit): tables checked, runs SKIPPED"
  exit 0
fi

# The modules, the fake hosts and the test programs side by side.
run=$work/run
mkdir -p "$run"
for m in "${modules[@]}" "${programs[@]}"; do
  cp "$build/$m" "$run/"
done
cd "$run"
step "wine prefix ($arch)" wine wineboot -i

# 2. Every export by ordinal on the case list, against the Linux build's bits.
native_runner() {
  ${CXX_NATIVE:-c++} -std=c++20 -O2 -ffp-contract=off -o "$work/case_runner" "$here/case_runner.cpp" -ldl &&
    "$work/case_runner" "$native_lib" "$work/expected.txt"
}
step "expected results from the Linux build ($native_lib)" native_runner
# Every error code of the table occurs on the case list, except the two that only a failed
# iteration raises (-1600 region 3 density search, -2500 temperature iteration).
codes_check() {
  local missing=0 code
  for code in -1000 -1099 -1100 -1200 -1300 -1500 -1700 -1800 -1900 -2000 -2100 -2200 -2300 -2400 -5100; do
    grep -q " $code\$" "$work/expected.txt" || { echo "code $code not on the case list"; missing=1; }
  done
  echo "15 codes present"
  return $missing
}
step "case list covers every reachable error code" codes_check
step "$lib.dll under wine: every export by ordinal" wine case_runner.exe actual.txt
# Every result, code or value, with identical bits (see case_runner.cpp).
step "$lib.dll under wine against the Linux build (identical bits)" \
  "$work/case_runner" compare "$work/expected.txt" actual.txt

# 3. The loader refuses a module whose imported library is missing.
refused() {
  local dir=$work/alone-$1; shift
  mkdir -p "$dir" && cp loader_test.exe "$@" "$dir/" && (cd "$dir" && wine loader_test.exe "$(basename "$1")" refused)
}
step "$lib.dll refused without $lib67.dll" refused lib $lib.dll
step "$xll.xll refused without $lib.dll" refused xl $xll.xll "${host_files[@]}" $lib67.dll
step "$mcad.dll refused without $lib.dll" refused mcad $mcad.dll mcaduser.dll $lib67.dll
step "$lib.dll loads next to $lib67.dll" wine loader_test.exe $lib.dll loads
if [ "$bits" = 64 ]; then
  step "$xll.xll in a program without MdCallBack12: opens, computes, #NUM! for a default it cannot read" \
    wine loader_test.exe $xll.xll no-host
fi

# 4. The spreadsheet add-in through the fake XLCALL32.DLL, and its DefaultUnits registry value.
key='HKCU\SOFTWARE\Orlesk\Ventora\3.00.000\Excel'
set_units() { wine reg add "$key" /v DefaultUnits "$@" /f; }
step "$xll.xll: registration, worksheet calls, close, menu of an old host, add, remove (no DefaultUnits)" \
  wine xll_test.exe plain all
step "wine reg add DefaultUnits = 1 (REG_DWORD)" set_units /t REG_DWORD /d 1
step "$xll.xll with DefaultUnits = 1: missing units give #NUM!" wine xll_test.exe units-required
step "wine reg add DefaultUnits = 0x10000 (low 16 bits 0)" set_units /t REG_DWORD /d 65536
step "$xll.xll with DefaultUnits = 0x10000: units not required" wine xll_test.exe plain
step "wine reg add DefaultUnits = \"1\" (REG_SZ)" set_units /t REG_SZ /d 1
step "$xll.xll with a text DefaultUnits: units not required" wine xll_test.exe plain

# 5. The Mathcad add-in through the fake mcaduser.dll.
step "$mcad.dll: message table, 41 functions, calls through the records" wine mcad_test.exe

cd /
if [ "$failures" -ne 0 ]; then
  echo "wine tests ($bits-bit): $failures step(s) failed"
  exit 1
fi
echo "wine tests ($bits-bit): all passed"
