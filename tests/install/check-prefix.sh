#!/usr/bin/env bash
# Checks an installed tree and builds the examples against it (not against the build tree).
#   tests/install/check-prefix.sh PREFIX LIBDIR BUILD_DIR WORK_DIR
# PREFIX    where `cmake --install` put the files
# LIBDIR    the library folder relative to the prefix (CMAKE_INSTALL_LIBDIR of the build)
# BUILD_DIR the build tree the install came from: its paths must not appear in the install
# WORK_DIR  scratch folder for the example builds
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
examples=$(cd "$here/../../examples" && pwd)
prefix=$1 libdir=$2 build=$3 work=$4
lib=$prefix/$libdir
mkdir -p "$work"

# Relative tolerance for a value given to the 9 significant digits of the IF97 verification tables.
TABLE_9_DIGITS=1e-8

with_app=0; [ -f "$build/app/calvex" ] && with_app=1
with_xl=0; [ -f "$build/addins/excel/vapxl32.so" ] && with_xl=1
with_mcad=0; [ -f "$build/addins/mathcad/vapmcad.so" ] && with_mcad=1

echo "== installed files under $prefix"
check_file "$prefix/bin/vapcalc" \
  "$lib/libvaprop32.so.3.2.0" "$lib/libvaprop32.so.3" "$lib/libvaprop32.so" \
  "$lib/libvaprop67.so.1.1.0" "$lib/libvaprop67.so.1" "$lib/libvaprop67.so" \
  "$prefix/include/vaprop/vaprop32.h" "$prefix/include/vaprop/vaprop67.h" \
  "$lib/cmake/vaprop/vapropConfig.cmake" "$lib/cmake/vaprop/vapropConfigVersion.cmake" \
  "$lib/cmake/vaprop/vapropTargets.cmake" \
  "$lib/pkgconfig/vaprop32.pc" "$lib/pkgconfig/vaprop67.pc"
if [ $with_app = 1 ]; then
  check_file "$prefix/bin/calvex" "$prefix/share/applications/calvex.desktop" \
    "$prefix/share/mime/packages/calvex-stm.xml" "$prefix/share/icons/hicolor/scalable/apps/calvex.svg"
  icon=$(sed -n 's/^Icon=//p' "$prefix/share/applications/calvex.desktop")
  if [ -z "$icon" ]; then
    fail "calvex.desktop names no Icon= (the installed icon is calvex)"
  elif [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ]; then
    pass "calvex.desktop Icon=$icon is installed"
  else
    fail "calvex.desktop Icon=$icon: no such icon installed"
  fi
  if command -v xmllint >/dev/null; then
    check "calvex.svg is well-formed XML" xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/calvex.svg"
    check "calvex-stm.xml is well-formed XML" xmllint --noout "$prefix/share/mime/packages/calvex-stm.xml"
  fi
  check "calvex-stm.xml names *.stm" grep -q '<glob pattern="\*\.stm"/>' "$prefix/share/mime/packages/calvex-stm.xml"
  check "the desktop entry opens the .stm MIME type" \
    grep -qx 'MimeType=application/x-calvex-stm;' "$prefix/share/applications/calvex.desktop"
fi
[ $with_xl = 1 ] && check_file "$lib/vaprop/excel/vapxl32.so"
[ $with_mcad = 1 ] && check_file "$lib/vaprop/mathcad/vapmcad.so" "$lib/vaprop/mathcad/libmcaduser.so"
check "only the two C interfaces are installed as headers" \
  test "$(cd "$prefix/include/vaprop" && ls | tr '\n' ' ')" = "vaprop32.h vaprop67.h "

echo "== shared objects"
soname() { readelf -d "$1" 2>/dev/null | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p'; }
check "libvaprop32 SONAME libvaprop32.so.3" test "$(soname "$lib/libvaprop32.so.3.2.0")" = libvaprop32.so.3
check "libvaprop67 SONAME libvaprop67.so.1" test "$(soname "$lib/libvaprop67.so.1.1.0")" = libvaprop67.so.1
check "libvaprop32 needs libvaprop67.so.1" \
  sh -c "readelf -d '$lib/libvaprop32.so.3.2.0' | grep -q 'NEEDED.*\[libvaprop67.so.1\]'"
# No run path and no text file may point back into the build or source tree.
leaks=$(grep -rlI -e "$build" -e "$(cd "$here/../.." && pwd)/" "$prefix" 2>/dev/null)
if [ -z "$leaks" ]; then pass "no installed text file names the build or source tree"; else fail "build paths in: $leaks"; fi
while IFS= read -r -d '' f; do
  rp=$(readelf -d "$f" 2>/dev/null | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')
  case "$rp" in
    *"$build"*|*/work/*) fail "run path of $f points into the build tree: $rp" ;;
  esac
done < <(find "$prefix" -type f \( -name '*.so*' -o -path '*/bin/*' \) -print0)
pass "run paths checked"
for f in "$lib/libvaprop32.so.3" "$prefix/bin/vapcalc" \
         $([ $with_app = 1 ] && echo "$prefix/bin/calvex") \
         $([ $with_xl = 1 ] && echo "$lib/vaprop/excel/vapxl32.so") \
         $([ $with_mcad = 1 ] && echo "$lib/vaprop/mathcad/vapmcad.so"); do
  out=$(ldd "$f" 2>&1)
  if printf '%s\n' "$out" | grep -q 'not found'; then
    fail "unresolved libraries of $f: $(printf '%s\n' "$out" | grep 'not found' | tr -s ' \t' ' ')"
  elif printf '%s\n' "$out" | grep -E 'libvaprop(32|67)' | grep -qv -- "$prefix"; then
    fail "$f binds a vaprop library from outside the install"
  else
    pass "libraries of $(basename "$f") resolve inside the install"
  fi
done

if [ $with_xl = 1 ] && [ $with_mcad = 1 ]; then
  check_addins_load "$lib/vaprop/excel/vapxl32.so" "$lib/vaprop/mathcad/vapmcad.so" "$work"
fi

# Nothing below sets LD_LIBRARY_PATH: the installed run paths must do.
[ $with_app = 1 ] && check_calvex_starts "$prefix/bin/calvex" "$work"

echo "== vapcalc from the install"
out=$("$prefix/bin/vapcalc" P=3 T=300 --units SIF --props H --format csv 2>&1)
# IF97 Table 5: h(3 MPa, 300 K) = 0.115331273e3 kJ/kg
check_close "vapcalc h(3 MPa, 300 K)" "$(number_after "$out" 'enthalpy,')" 115.331273 $TABLE_9_DIGITS
out=$("$prefix/bin/vapcalc" P=3 T=300 --units SIF --props H --format csv --ifc67 2>&1)
# Through the IFC-67 route (libvaprop67): compressed water at 3 MPa, 300 K lies close to the IF97 value.
check_close "vapcalc --ifc67 h(3 MPa, 300 K), IFC-67 within 0.5 % of IF97" \
  "$(number_after "$out" 'enthalpy,')" 115.331273 5e-3

echo "== examples through find_package(vaprop CONFIG)"
rm -rf "$work/cmake"
if cmake -S "$examples" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" \
     -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_FIND_USE_SYSTEM_PACKAGE_REGISTRY=OFF \
     >"$work/cmake-configure.log" 2>&1 &&
   cmake --build "$work/cmake" >"$work/cmake-build.log" 2>&1; then
  pass "examples configure and build with find_package"
  dir=$(sed -n 's/^vaprop_DIR:PATH=//p' "$work/cmake/CMakeCache.txt")
  case "$dir" in
    "$prefix"/*) pass "vaprop_DIR is the installed package: $dir" ;;
    *) fail "vaprop_DIR is not under the install: $dir" ;;
  esac
  c_out=$("$work/cmake/steam_c" 2>&1); c_rc=$?
  cpp_out=$("$work/cmake/steam_cpp" 2>&1); cpp_rc=$?
  check "steam_c exits 0" test $c_rc -eq 0
  check "steam_cpp exits 0" test $cpp_rc -eq 0
  # IF97 Table 5: h(3 MPa, 300 K) = 0.115331273e3 kJ/kg
  check_close "steam_c (find_package) h" "$(number_after "$c_out" 'h =')" 115.331273 $TABLE_9_DIGITS
  # IF97 Table 15: h(0.0035 MPa, 300 K) = 0.254991145e4 kJ/kg
  check_close "steam_cpp (find_package) h" "$(number_after "$cpp_out" 'h =')" 2549.91145 $TABLE_9_DIGITS
  # 200 K lies below the lowest accepted temperature: "temperature too low", -1100
  check "steam_cpp (find_package) 200 K gives -1100" test "$(number_after "$cpp_out" '200 K:')" = -1100
  # Stm67Ver: the IFC-67 library's version, 1.1
  check "steam_cpp (find_package) vaprop67 version 1.1" test "$(number_after "$cpp_out" 'version')" = 1.1
  for exe in steam_c steam_cpp; do
    if grep libvaprop32 <<<"$(ldd "$work/cmake/$exe" 2>&1)" | grep -q -- "$prefix"; then
      pass "$exe runs on the installed libvaprop32"
    else
      fail "$exe does not bind the installed libvaprop32"
    fi
  done
else
  fail "examples through find_package (logs in $work)"
  cat "$work/cmake-configure.log" "$work/cmake-build.log" 2>/dev/null | tail -20
fi

echo "== package version and components"
# A throwaway project per question: which find_package calls the installed package must answer.
find_ok() {
  local dir=$work/find-$1; rm -rf "$dir"; mkdir -p "$dir"
  printf 'cmake_minimum_required(VERSION 3.16)\nproject(probe LANGUAGES C)\nfind_package(vaprop %s CONFIG REQUIRED)\n' "$2" \
    >"$dir/CMakeLists.txt"
  cmake -S "$dir" -B "$dir/b" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF >"$dir/log" 2>&1
}
check "find_package(vaprop 3.2 COMPONENTS vaprop32 vaprop67) is found" find_ok both "3.2 COMPONENTS vaprop32 vaprop67"
# find_refused NAME ARGUMENTS REASON   the call fails and its log gives the reason (a fixed text).
find_refused() { ! find_ok "$1" "$2" && grep -qF -- "$3" "$work/find-$1/log"; }
check "find_package(vaprop 3.3) is refused (installed 3.2.0)" \
  find_refused newer 3.3 "vapropConfig.cmake, version: 3.2.0"
check "find_package(vaprop 4) is refused (same major version only)" \
  find_refused major 4 "vapropConfig.cmake, version: 3.2.0"
check "find_package(vaprop COMPONENTS vaprop99) is refused" \
  find_refused component "COMPONENTS vaprop99" "vaprop_FOUND to FALSE"

echo "== examples through pkg-config"
# Only the installed .pc files: the search path is replaced, not extended.
export PKG_CONFIG_LIBDIR="$lib/pkgconfig" PKG_CONFIG_PATH=
check "pkg-config knows vaprop32 3.2.0" test "$(pkg-config --modversion vaprop32)" = 3.2.0
check "pkg-config knows vaprop67 3.2.0" test "$(pkg-config --modversion vaprop67)" = 3.2.0
check "pkg-config include folder holds vaprop32.h" \
  test -f "$(pkg-config --variable=includedir vaprop32)/vaprop32.h"
rm -rf "$work/pc"; mkdir -p "$work/pc"
# The commands of examples/README.md for a prefix outside the loader's search path, with warnings as
# errors: the installed headers compile cleanly as strict C99 and C++17.
strict=(-Wall -Wextra -pedantic -Werror)
if (cd "$examples" && rpath=-Wl,-rpath,$(pkg-config --variable=libdir vaprop32) &&
    cc -std=c99 "${strict[@]}" steam.c $(pkg-config --cflags --libs vaprop32) $rpath -o "$work/pc/steam_c" &&
    c++ -std=c++17 "${strict[@]}" steam.cpp $(pkg-config --cflags --libs vaprop32 vaprop67) $rpath \
        -o "$work/pc/steam_cpp") \
    >"$work/pc-build.log" 2>&1; then
  pass "examples build with pkg-config"
  c_out=$("$work/pc/steam_c" 2>&1) && pass "steam_c (pkg-config) exits 0" || fail "steam_c (pkg-config) exits non-zero"
  cpp_out=$("$work/pc/steam_cpp" 2>&1) && pass "steam_cpp (pkg-config) exits 0" || fail "steam_cpp (pkg-config) exits non-zero"
  # IF97 Table 5 and Table 15, as above
  check_close "steam_c (pkg-config) h" "$(number_after "$c_out" 'h =')" 115.331273 $TABLE_9_DIGITS
  check_close "steam_cpp (pkg-config) h" "$(number_after "$cpp_out" 'h =')" 2549.91145 $TABLE_9_DIGITS
  check "steam_cpp (pkg-config) 200 K gives -1100" test "$(number_after "$cpp_out" '200 K:')" = -1100
else
  fail "examples through pkg-config"; tail -20 "$work/pc-build.log"
fi

finish
