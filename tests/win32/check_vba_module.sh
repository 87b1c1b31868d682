#!/usr/bin/env bash
# Checks the release's VBA module dist/win32/vaprop32.bas against the library: every export of
# lib/vaprop32.def but the start-up entry is declared, in both the VBA7 and the older branch, with
# the argument names of lib/vaprop32.h in their order and their types, and nothing else is declared.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bas=$root/dist/win32/vaprop32.bas
header=$root/lib/vaprop32.h
def=$root/lib/vaprop32.def

# name(arg, arg, ...) As <result type> from the header, one per line, in the .def's order. Arguments:
# int32_t as ByVal Long, double as ByVal Double, a C string as ByVal String, a double pointer as ByRef
# Double (the first element of an array); results: double as Double, int32_t as Long.
expected() {
  # One declaration per line, whatever its line breaks in the header.
  flat=$(tr '\n' ' ' <"$header" | sed 's/;/;\n/g')
  awk '/^[ \t]+Stm[A-Za-z]+ = / { print $1 }' "$def" | while read -r name; do
    decl=$(echo "$flat" | grep -E "VAPROP_CALL $name\(" | sed -E 's/  +/ /g')
    proto=$(echo "$decl" | sed -E 's/.*\((.*)\);.*/\1/')
    result=$(echo "$decl" | sed -E 's/.*VAPROP_API (double|int32_t) VAPROP_CALL.*/\1/; s/^double$/Double/; s/^int32_t$/Long/')
    [ "$proto" = "void" ] && proto=""
    args=$(echo "$proto" | tr ',' '\n' | sed -E 's/^ *//; s/ *$//;
      s/^int32_t (.*)/ByVal \1 As Long/; s/^double \*(.*)/ByRef \1 As Double/; s/^const double \*(.*)/ByRef \1 As Double/;
      s/^const char \*(.*)/ByVal \1 As String/; s/^double (.*)/ByVal \1 As Double/' |
      paste -sd, - | sed 's/,/, /g')
    echo "$name($args) As $result"
  done
}
declared() {
  tr -d '\r' <"$bas" | sed -nE "s/^Public Declare $1Function (Stm[A-Za-z]+) Lib \"vaprop32.dll\" \((.*)\) As (Double|Long)$/\1(\2) As \3/p"
}
want=$(expected)
[ "$(echo "$want" | wc -l)" -eq 46 ] || { echo "expected 46 exports, found $(echo "$want" | wc -l)"; exit 1; }
diff -u <(echo "$want") <(declared "PtrSafe ")
diff -u <(echo "$want") <(declared "")
[ "$(tr -d '\r' <"$bas" | grep -c '^Public Declare')" -eq 92 ] || { echo "declarations besides the exports"; exit 1; }
echo "46 exports declared twice (VBA7 and older)"
