#!/usr/bin/env bash
# Installs and packages the project the way a user gets it, and checks the result:
#   1. configures and builds in build-install/ (no tests, no benchmarks; prefix /usr as for the package)
#   2. installs into a temporary prefix, checks the tree, builds the examples against that install
#      through find_package and through pkg-config, runs them and checks their output
#   3. builds the Debian package with tools/make-deb.sh, inspects it, installs it into a throwaway root, runs vapcalc from
#      there, removes and purges it
# Exits non-zero on any failure. Nothing is installed on this machine.
#   tools/test-install.sh [--keep]     --keep leaves the temporary folder for inspection
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
keep=0; [ "${1:-}" = "--keep" ] && keep=1
tools/deps.sh
build=$top/build-install
work=$(mktemp -d "${TMPDIR:-/tmp}/vaprop-install.XXXXXX")
cleanup() { if [ $keep = 1 ]; then echo "kept $work"; else rm -rf "$work"; fi; }
trap cleanup EXIT

echo "== build ($build)"
cmake -S . -B "$build" -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" -j"$(nproc)"
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")

echo "== install into $work/prefix"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
status=0
tests/install/check-prefix.sh "$work/prefix" "$libdir" "$build" "$work/examples" || status=1

echo "== Debian package"
# The documented command, on the tree built above (configure and build have nothing left to do).
tools/make-deb.sh "$build" >"$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
debs=("$build"/vaprop_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL  no package built"; exit 1; }
echo "built ${debs[0]}"
tests/install/check-deb.sh "${debs[0]}" "$work/deb" || status=1

[ $status -eq 0 ] && echo "install and package checks passed" || echo "install or package checks FAILED"
exit $status
