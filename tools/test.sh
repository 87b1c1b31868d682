#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   tools/test.sh              release build in build/, all tests, then the Windows modules under wine and the install checks
#   tools/test.sh --sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
# Works as root or as a user with sudo (only the package installation needs it). The tests write only
# below a private folder (HOME, TMPDIR and the XDG folders point there), removed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
dir=build; extra=(-DVAPROP_BUILD_TESTS=ON -DVAPROP_BUILD_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then dir=build-asan; extra+=(-DVAPROP_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug); fi

# The private folder of this run; the caller's HOME is kept for the compiler cache.
run=$(mktemp -d "${TMPDIR:-/tmp}/vaprop-test.XXXXXX")
trap 'rm -rf "$run"' EXIT
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
mkdir -p "$run/home" "$run/tmp" "$run/runtime" "$run/config" "$run/cache" "$run/data"
chmod 700 "$run/runtime"
export HOME=$run/home TMPDIR=$run/tmp XDG_RUNTIME_DIR=$run/runtime XDG_CONFIG_HOME=$run/config \
       XDG_CACHE_HOME=$run/cache XDG_DATA_HOME=$run/data MPLCONFIGDIR=$run/config/matplotlib
# Wine must not add menu entries or file associations to the desktop.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

cmake -S . -B "$dir" "${extra[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
# The normal run goes on with the Windows modules under wine and the installed tree.
if [ "$dir" = build ]; then
  VAPROP_NATIVE_BUILD=build tools/test-win32.sh
  VAPROP_NATIVE_BUILD=build tools/test-win64.sh
  tools/test-install.sh
fi
