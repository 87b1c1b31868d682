#!/usr/bin/env bash
# The main job: builds the command-line calculator and prints every property of a state point
# (10 bar, 500 °C by default; any vapcalc arguments may be given instead).
#   tools/main.sh                      installs cmake, make, g++ and pkg-config if missing (root or sudo)
#   tools/main.sh P=100 T=600 --units Eng
# Package and build output go to build-main/main.log; a second run only builds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-main
mkdir -p "$dir"
log=$dir/main.log
: >"$log"

step() { printf '%s\n' "$*" >&2; }
fail() {
  step "main.sh: $1 failed; the last lines of $log:"
  tail -n 20 "$log" >&2
  exit 1
}

# Only the build tools: what they are and why root is needed is said by deps.sh before it asks.
DEPS_LOG=$PWD/$log tools/deps.sh build || fail "installing the build tools"

if [ ! -f "$dir/CMakeCache.txt" ]; then
  step "configuring the command-line calculator in $dir/ (log: $log)"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF \
    -DVAPROP_BUILD_APP=OFF >>"$log" 2>&1 || fail "configuring"
fi
[ -x "$dir/tools/vapcalc/vapcalc" ] || step "building vapcalc (about a minute on 2 cores)"
cmake --build "$dir" -j"$(nproc)" --target vapcalc >>"$log" 2>&1 || fail "building"

[ $# -eq 0 ] && set -- P=10 T=500 --units SI
exec "$dir/tools/vapcalc/vapcalc" "$@"
