#!/usr/bin/env bash
# Installs, on Debian 12, every package the build and the tests need; packages already present are skipped.
set -euo pipefail
native=(cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev
        fonts-liberation2 poppler-utils clang libclang-rt-14-dev zip dpkg-dev file)
win32=(wine wine32:i386 g++-mingw-w64-i686)
missing=()
for p in "${native[@]}" "${win32[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then $SUDO dpkg --add-architecture i386; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
