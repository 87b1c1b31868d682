#!/usr/bin/env bash
# Installs, on Debian 12, the packages of the named groups; packages already present are skipped.
#   tools/deps.sh                 every group (what tools/test.sh needs)
#   tools/deps.sh build           only what the command-line calculator and the libraries need
#   tools/deps.sh build win64 ... any list of the groups below
# Runs apt-get as root, or through sudo for a normal user; says what it installs before it asks.
# With DEPS_LOG=file, apt-get's own output goes to that file instead of the terminal.
set -euo pipefail

declare -A group=(
  [build]="cmake make g++ pkg-config"
  [test]="libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libgl-dev fonts-liberation2 poppler-utils
          clang libclang-rt-14-dev clang-format zip dpkg-dev file fakeroot"
  [win32]="wine wine32:i386 g++-mingw-w64-i686"
  [win64]="wine64 g++-mingw-w64-x86-64"
  [python]="python3-numpy python3-pytest python3-matplotlib python3-dask python3-distributed python3-pandas"
  [libreoffice]="libreoffice-calc-nogui libreoffice-dev python3-uno"
)
all=(build test win32 win64 python libreoffice)
declare -A why=(
  [build]="the compiler and build tools"
  [test]="the test, benchmark and desktop-program libraries"
  [win32]="mingw-w64 and wine for the 32-bit Windows modules"
  [win64]="mingw-w64 and wine64 for the 64-bit Windows modules"
  [python]="numpy, pytest, matplotlib and dask for the Python package"
  [libreoffice]="LibreOffice Calc and its SDK for the Calc add-in"
)

[ $# -eq 0 ] && set -- "${all[@]}"
missing=(); reasons=()
for g in "$@"; do
  [ -n "${group[$g]+x}" ] || { echo "deps.sh: unknown group '$g' (groups: ${all[*]})" >&2; exit 2; }
  before=${#missing[@]}
  for p in ${group[$g]}; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -gt "$before" ] && reasons+=("${why[$g]}")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO=(sudo)
  else
    echo "deps.sh: these Debian packages are missing and installing them needs root or sudo: ${missing[*]}" >&2
    echo "deps.sh: install them as root (apt-get install ${missing[*]}) and run this again." >&2
    exit 1
  fi
fi
reason=$(IFS=';'; echo "${reasons[*]}" | sed 's/;/, /g')
echo "deps.sh: installing ${#missing[@]} Debian packages ($reason) with apt-get${SUDO:+ through sudo}: ${missing[*]}" >&2
install() {
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${SUDO[@]}" dpkg --add-architecture i386
  fi
  "${SUDO[@]}" apt-get update -qq
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
if [ -n "${DEPS_LOG:-}" ]; then
  # sudo asks for a password on the terminal, not on the redirected output.
  install >>"$DEPS_LOG" 2>&1 || { echo "deps.sh: apt-get failed; see $DEPS_LOG" >&2; exit 1; }
else
  install
fi
