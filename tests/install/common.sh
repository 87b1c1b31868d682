# Helpers of the install checks (sourced): failure counting, value and file checks.
# Every check prints one line, "ok" or "FAIL"; finish() exits non-zero after any failure.

failures=0

pass() { printf 'ok    %s\n' "$*"; }
fail() { printf 'FAIL  %s\n' "$*"; failures=$((failures + 1)); }

# check DESCRIPTION COMMAND...   runs the command quietly; its exit status decides.
check() {
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi
}

# check_file PATH...   each path exists (as a file or a link to one).
check_file() {
  local f
  for f in "$@"; do
    if [ -f "$f" ]; then pass "present: $f"; else fail "missing: $f"; fi
  done
}

# number_after TEXT LABEL   the number that follows LABEL in TEXT (empty when there is none).
number_after() {
  printf '%s\n' "$1" | grep -oE -- "$2 *-?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?" | head -n1 |
    grep -oE -- '-?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?$'
}

# check_close DESCRIPTION ACTUAL EXPECTED RELATIVE_TOLERANCE
check_close() {
  if [ -n "$2" ] && awk -v a="$2" -v e="$3" -v t="$4" \
       'BEGIN { d = a - e; if (d < 0) d = -d; m = e < 0 ? -e : e; exit !(d <= t * m) }'; then
    pass "$1: $2 (expected $3)"
  else
    fail "$1: got '${2}', expected $3 within $4 relative"
  fi
}

# check_addins_load VAPXL32 VAPMCAD WORK_DIR   loads both installed add-ins into a stand-in host
# (load_addins.c, built into WORK_DIR): the modules' libraries resolve from where they are installed
# and the Mathcad add-in registers one message table and its 41 functions while it loads.
check_addins_load() {
  local host=$3/load_addins out
  if ! cc -Wall -Wextra -rdynamic "$(dirname "${BASH_SOURCE[0]}")/load_addins.c" -o "$host" 2>"$3/load_addins.log"; then
    fail "stand-in add-in host builds"; cat "$3/load_addins.log"; return
  fi
  out=$("$host" "$1" "$2" 2>&1)
  if grep -q 'vapxl32 loaded, xlAutoOpen found, xlAutoClose found' <<<"$out"; then
    pass "vapxl32 loads from $(dirname "$1")"
  else
    fail "vapxl32 from $(dirname "$1"): $out"
  fi
  if grep -qx 'vapmcad loaded, message tables 1, functions 41' <<<"$out"; then
    pass "vapmcad loads from $(dirname "$2") and registers 41 functions"
  else
    fail "vapmcad from $(dirname "$2"): $out"
  fi
}

# check_calvex_starts PROGRAM WORK_DIR   the desktop program starts on Qt's offscreen platform and is
# still running after three seconds (then stopped); settings and runtime files go to WORK_DIR.
check_calvex_starts() {
  local home=$2/calvex-home rc=0
  mkdir -p "$home/config" "$home/runtime"; chmod 700 "$home/runtime"
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=offscreen \
    timeout 3 "$1" >"$2/calvex.log" 2>&1 || rc=$?
  if [ $rc -eq 124 ]; then
    pass "calvex starts from $(dirname "$1")"
  else
    fail "calvex from $(dirname "$1") ended with status $rc: $(head -c 300 "$2/calvex.log")"
  fi
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
}
