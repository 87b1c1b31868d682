#!/usr/bin/env bash
# Runs the tests of the 32-bit Windows modules, headless under wine, in a throwaway 32-bit prefix
# whose wineserver is ended at the end. Prints PASS/FAIL per step; exits 1 if any step failed.
#   run-wine-tests.sh <win32 build folder> <native libvaprop32.so>
# The win32 build must have been configured with the mingw toolchain and -DVAPROP_WIN32_TESTS=ON.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
native_lib=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/vaprop-wine.XXXXXX")

export WINEPREFIX=$work/prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
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

modules=(lib/vaprop32.dll ifc67/vaprop67.dll addins/excel/vapxl32.xll addins/mathcad/vapmcad.dll)
for m in "${modules[@]}" addins/mathcad/mcaduser.dll XLCALL32.DLL case_runner.exe loader_test.exe xll_test.exe mcad_test.exe; do
  if [ ! -f "$build/$m" ]; then echo "FAIL missing $build/$m"; exit 1; fi
done

# 1. Export and import tables against the golden lists.
pe_check() {
  local golden=$1 module=$2 opt=${3:-}
  diff -u <(grep -v '^#' "$golden" | sort) <("$here/pe_tables.sh" $opt "$module" | sort)
}
step "vaprop32.dll export and import tables" pe_check "$here/golden/vaprop32.txt" "$build/lib/vaprop32.dll"
step "vaprop67.dll export and import tables" pe_check "$here/golden/vaprop67.txt" "$build/ifc67/vaprop67.dll"
step "vapxl32.xll export and import tables" pe_check "$here/golden/vapxl32.txt" "$build/addins/excel/vapxl32.xll" --names-only
step "vapmcad.dll export and import tables" pe_check "$here/golden/vapmcad.txt" "$build/addins/mathcad/vapmcad.dll"
# The import libraries others link against: every symbol by ordinal, no start-up entry.
implib_check() {
  local lib=$1 nm=${NM:-i686-w64-mingw32-nm}
  if "$nm" "$lib" | grep -q DllMain; then echo "$lib holds DllMain"; return 1; fi
  echo "$("$nm" "$lib" | grep -c ' T _') entries, no DllMain"
}
step "libvaprop32.dll.a without the start-up entry" implib_check "$build/lib/libvaprop32.dll.a"
step "libvaprop67.dll.a without the start-up entry" implib_check "$build/ifc67/libvaprop67.dll.a"

# The VBA module of the release declares every export of vaprop32.def with the arguments of vaprop32.h.
step "vaprop32.bas declares every export with its argument names" "$here/check_vba_module.sh"

# The modules, the fake hosts and the test programs side by side.
run=$work/run
mkdir -p "$run"
for m in "${modules[@]}" addins/mathcad/mcaduser.dll XLCALL32.DLL case_runner.exe loader_test.exe xll_test.exe mcad_test.exe; do
  cp "$build/$m" "$run/"
done
cd "$run"
step "wine prefix (32-bit)" wineboot -i

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
step "vaprop32.dll under wine: every export by ordinal" wine case_runner.exe actual.txt
# Every result, code or value, with identical bits (see case_runner.cpp).
step "vaprop32.dll under wine against the Linux build (identical bits)" \
  "$work/case_runner" compare "$work/expected.txt" actual.txt

# 3. The loader refuses a module whose imported library is missing.
refused() {
  local dir=$work/alone-$1; shift
  mkdir -p "$dir" && cp loader_test.exe "$@" "$dir/" && (cd "$dir" && wine loader_test.exe "$(basename "$1")" refused)
}
step "vaprop32.dll refused without vaprop67.dll" refused 32 vaprop32.dll
step "vapxl32.xll refused without vaprop32.dll" refused xl vapxl32.xll XLCALL32.DLL vaprop67.dll
step "vapmcad.dll refused without vaprop32.dll" refused mcad vapmcad.dll mcaduser.dll vaprop67.dll
step "vaprop32.dll loads next to vaprop67.dll" wine loader_test.exe vaprop32.dll loads

# 4. The spreadsheet add-in through the fake XLCALL32.DLL, and its DefaultUnits registry value.
key='HKCU\SOFTWARE\Orlesk\Ventora\3.00.000\Excel'
set_units() { wine reg add "$key" /v DefaultUnits "$@" /f; }
step "vapxl32.xll: registration, worksheet calls, close, menu of an old host, add, remove (no DefaultUnits)" \
  wine xll_test.exe plain all
step "wine reg add DefaultUnits = 1 (REG_DWORD)" set_units /t REG_DWORD /d 1
step "vapxl32.xll with DefaultUnits = 1: missing units give #NUM!" wine xll_test.exe units-required
step "wine reg add DefaultUnits = 0x10000 (low 16 bits 0)" set_units /t REG_DWORD /d 65536
step "vapxl32.xll with DefaultUnits = 0x10000: units not required" wine xll_test.exe plain
step "wine reg add DefaultUnits = \"1\" (REG_SZ)" set_units /t REG_SZ /d 1
step "vapxl32.xll with a text DefaultUnits: units not required" wine xll_test.exe plain

# 5. The Mathcad add-in through the fake mcaduser.dll.
step "vapmcad.dll: message table, 41 functions, calls through the records" wine mcad_test.exe

cd /
if [ "$failures" -ne 0 ]; then
  echo "wine tests: $failures step(s) failed"
  exit 1
fi
echo "wine tests: all passed"
