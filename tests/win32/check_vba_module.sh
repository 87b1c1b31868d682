#!/usr/bin/env bash
# Checks the release's VBA module dist/win32/vaprop32.bas against the library: every export of
# lib/vaprop32.def but the start-up entry is declared in each of the three branches, with the argument
# names of lib/vaprop32.h in their order and their types, and nothing else is declared:
#   #If Win64 Then       PtrSafe, against vaprop64.dll (64-bit Office)
#   #ElseIf VBA7 Then    PtrSafe, against vaprop32.dll (32-bit Office from 2010)
#   #Else                against vaprop32.dll (older 32-bit Office)
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
      s/^int32_t (.*)/ByVal \1 As Long/; s/^double ?\* ?(.*)/ByRef \1 As Double/; s/^const double ?\* ?(.*)/ByRef \1 As Double/;
      s/^const char ?\* ?(.*)/ByVal \1 As String/; s/^double (.*)/ByVal \1 As Double/' |
      paste -sd, - | sed 's/,/, /g')
    echo "$name($args) As $result"
  done
}
# The declarations of one branch (lines between its directive and the next), for one dll.
declared() {
  local branch=$1 safe=$2 dll=$3
  tr -d '\r' <"$bas" | awk -v b="$branch" '/^#/ { inside = ($0 == b); next } inside' |
    sed -nE "s/^Public Declare ${safe}Function (Stm[A-Za-z]+) Lib \"$dll\" \((.*)\) As (Double|Long)$/\1(\2) As \3/p"
}
want=$(expected)
[ "$(echo "$want" | wc -l)" -eq 46 ] || { echo "expected 46 exports, found $(echo "$want" | wc -l)"; exit 1; }
[ "$(tr -d '\r' <"$bas" | grep '^#')" = "$(printf '#If Win64 Then\n#ElseIf VBA7 Then\n#Else\n#End If')" ] ||
  { echo "the branches are not #If Win64 / #ElseIf VBA7 / #Else / #End If"; exit 1; }
diff -u <(echo "$want") <(declared "#If Win64 Then" "PtrSafe " vaprop64.dll)
diff -u <(echo "$want") <(declared "#ElseIf VBA7 Then" "PtrSafe " vaprop32.dll)
diff -u <(echo "$want") <(declared "#Else" "" vaprop32.dll)
[ "$(tr -d '\r' <"$bas" | grep -c '^Public Declare')" -eq 138 ] || { echo "declarations besides the exports"; exit 1; }
echo "46 exports declared three times (Win64 against vaprop64.dll, VBA7 and older against vaprop32.dll)"
