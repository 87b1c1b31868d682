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

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
}
