#!/usr/bin/env bash
# Installs what is missing, builds, and prints the properties of a state point with the command-line calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target vapcalc
[ $# -eq 0 ] && set -- P=10 T=500 --units SI
build/tools/vapcalc/vapcalc "$@"
