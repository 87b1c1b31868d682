#!/usr/bin/env bash
# Checks the release's VBA module dist/win32/vaprop32.bas against the library: every export of
# lib/vaprop32.def but the start-up entry is declared, in both the VBA7 and the older branch, with
# the argument names of lib/vaprop32.h in their order (ByVal, Double, and Long for UnitSet), and
# nothing else is declared.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bas=$root/dist/win32/vaprop32.bas
header=$root/lib/vaprop32.h
def=$root/lib/vaprop32.def

# name(arg, arg, ...) from the header, one per line, in the .def's order.
expected() {
  awk '/^[ \t]+Stm[A-Za-z]+ = / { print $1 }' "$def" | while read -r name; do
    proto=$(grep -E "VAPROP_CALL $name\(" "$header" | sed -E 's/.*\((.*)\);.*/\1/')
    [ "$proto" = "void" ] && proto=""
    args=$(echo "$proto" | tr ',' '\n' | sed -E 's/^ *//; s/^int32_t (.*)/ByVal \1 As Long/; s/^double (.*)/ByVal \1 As Double/' |
      paste -sd, - | sed 's/,/, /g')
    echo "$name($args)"
  done
}
declared() {
  tr -d '\r' <"$bas" | sed -nE "s/^Public Declare $1Function (Stm[A-Za-z]+) Lib \"vaprop32.dll\" \((.*)\) As Double$/\1(\2)/p"
}
want=$(expected)
[ "$(echo "$want" | wc -l)" -eq 44 ] || { echo "expected 44 exports, found $(echo "$want" | wc -l)"; exit 1; }
diff -u <(echo "$want") <(declared "PtrSafe ")
diff -u <(echo "$want") <(declared "")
[ "$(tr -d '\r' <"$bas" | grep -c '^Public Declare')" -eq 88 ] || { echo "declarations besides the exports"; exit 1; }
echo "44 exports declared twice (VBA7 and older)"
