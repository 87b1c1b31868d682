#!/usr/bin/env bash
# Prints the export and import tables of one PE module in the line form of the golden lists:
#   export <ordinal> <name>      each export; "<ordinal> -" for an ordinal without a name
#   export-name <name>           the same without ordinals (with --names-only: modules found by name)
#   import <dll> #<ordinal>      an import by ordinal
#   import <dll> <name>          an import by name (listed for the project's own DLLs only)
#   dll <dll>                    every DLL the module imports from
#   linked <time>                the link time in the file header (none written: 1970, reproducible)
#   timestamp <value>            the time stamp of the export directory (0: none)
# Usage: pe_tables.sh [--names-only] <module>   (OBJDUMP names the objdump to use)
set -euo pipefail
names_only=0
if [ "${1:-}" = "--names-only" ]; then names_only=1; shift; fi
module=$1
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}  # x86_64-w64-mingw32-objdump for the 64-bit modules
"$objdump" -p "$module" | awk -v names_only=$names_only '
  function hex_low16(h,    v, i, c) {
    v = 0; h = tolower(substr(h, length(h) - 3))
    for (i = 1; i <= length(h); ++i) { c = index("0123456789abcdef", substr(h, i, 1)) - 1; v = v * 16 + c }
    return v
  }
  BEGIN { own["vaprop67.dll"]; own["vaprop32.dll"]; own["vaprop67x64.dll"]; own["vaprop64.dll"]; own["xlcall32.dll"]; own["mcaduser.dll"] }
  /^Time\/Date\t/                { t = $0; sub(/^Time\/Date\t+/, "", t); print "linked", t; next }
  /^Time\/Date stamp/            { print "timestamp", $NF; next }
  /^Export Address Table -- Ordinal Base/ { base = $NF; section = "addresses"; next }
  /^\[Ordinal\/Name Pointer\] Table/ { section = "names"; next }
  /^The Import Tables/           { section = "imports"; next }
  /^PE File Base Relocations/ || /^The Function Table/ || /^The Export Tables/ || /^Sections:/ { section = "" }
  section == "addresses" && /\+base\[/ {
    # "[   0] +base[   1] 26e0 Export RVA": an ordinal in use
    s = $0; sub(/.*\+base\[ */, "", s); sub(/\].*/, "", s); used[s + 0] = 1; next
  }
  section == "names" && /^\t\[ *[0-9]+\] / {
    s = $0; sub(/^\t\[ */, "", s); index_ = s + 0; sub(/^[0-9]+\] /, "", s)
    named[index_ + base] = s; next
  }
  section == "imports" && /DLL Name:/ { dll = $NF; print "dll", dll; next }
  section == "imports" && dll != "" && /^\t[0-9a-f]+\t/ {
    key = tolower(dll)
    if (!(key in own)) next
    # By ordinal: the thunk (first column) has its top bit set and the ordinal in its low 16 bits
    # (the second column prints it in decimal on 32-bit modules, in hex on 64-bit ones).
    if ($3 == "<none>") print "import", dll, "#" hex_low16($1); else print "import", dll, $3
    next
  }
  END {
    for (o in used) {
      if (names_only) { print "export-name", (o in named) ? named[o] : "-" }
      else print "export", o, (o in named) ? named[o] : "-"
    }
  }' | sort -t' ' -k1,1 -k2,2V -k3,3V
