#!/usr/bin/env bash
# Checks the Debian package: its control data and file list, an install into a throwaway root whose
# package database is a copy of this machine's (so dpkg checks the declared dependencies for real),
# the programs run from that root, then removal and purge leave no file behind.
#   tests/install/check-deb.sh PACKAGE.deb WORK_DIR
# Nothing is installed on this machine itself; the maintainer scripts' ldconfig is a stand-in that
# records its calls. As a normal user dpkg runs under fakeroot with --force-not-root: the root is a
# folder of this user's, so no privilege is needed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
deb=$1 work=$2
rm -rf "$work"; mkdir -p "$work"

# Relative tolerance for a value given to the 9 significant digits of the IF97 verification tables.
TABLE_9_DIGITS=1e-8
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)
libdir=usr/lib/$multiarch

echo "== control data (dpkg-deb -I)"
field() { dpkg-deb -f "$deb" "$1" 2>/dev/null; }
check "package name vaprop" test "$(field Package)" = vaprop
check "version 3.2.0" test "$(field Version)" = 3.2.0
check "architecture $(dpkg --print-architecture)" test "$(field Architecture)" = "$(dpkg --print-architecture)"
check "a maintainer" test -n "$(field Maintainer)"
check "a description with a long part" test "$(field Description | wc -l)" -gt 1
depends=$(field Depends)
echo "      Depends: $depends"
files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
with_app=0
grep -qxF ./usr/bin/calvex <<<"$files" && with_app=1
needed=(libc6 libstdc++6 libgcc-s1)
[ $with_app = 1 ] && needed+=(libqt6core6 libqt6gui6 libqt6widgets6)
for p in "${needed[@]}"; do
  if printf '%s\n' "$depends" | tr ',|' '\n\n' | awk '{ print $1 }' | grep -qxF "$p"; then
    pass "depends on $p"
  else
    fail "no dependency on $p"
  fi
done
info=$(dpkg-deb -I "$deb")
check "md5sums in the control archive" grep -q ' md5sums' <<<"$info"
shlibs=$(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./shlibs 2>/dev/null)
check "shlibs declares libvaprop32 3" grep -qx 'libvaprop32 3 vaprop (>= 3.2.0)' <<<"$shlibs"
check "shlibs declares libvaprop67 1" grep -qx 'libvaprop67 1 vaprop (>= 3.2.0)' <<<"$shlibs"

echo "== file list (dpkg-deb -c)"
expect=(./usr/bin/vapcalc
        ./$libdir/libvaprop32.so.3.2.0 ./$libdir/libvaprop32.so.3 ./$libdir/libvaprop32.so
        ./$libdir/libvaprop67.so.1.1.0 ./$libdir/libvaprop67.so.1 ./$libdir/libvaprop67.so
        ./usr/include/vaprop/vaprop32.h ./usr/include/vaprop/vaprop67.h
        ./$libdir/cmake/vaprop/vapropConfig.cmake ./$libdir/cmake/vaprop/vapropConfigVersion.cmake
        ./$libdir/cmake/vaprop/vapropTargets.cmake
        ./$libdir/pkgconfig/vaprop32.pc ./$libdir/pkgconfig/vaprop67.pc
        ./$libdir/vaprop/excel/vapxl32.so ./$libdir/vaprop/mathcad/vapmcad.so)
[ $with_app = 1 ] && expect+=(./usr/bin/calvex ./usr/share/applications/calvex.desktop
  ./usr/share/mime/packages/calvex-stm.xml ./usr/share/icons/hicolor/scalable/apps/calvex.svg)
for f in "${expect[@]}"; do
  if grep -qxF "$f" <<<"$files"; then pass "packed: $f"; else fail "not packed: $f"; fi
done
outside=$(grep -v '^\./usr/' <<<"$files" | grep -vx '\./')
check "every file under /usr" test -z "$outside"
check "nothing under /usr/local" sh -c "! grep -q '^\./usr/local' <<'LIST'
$files
LIST"

echo "== install into a throwaway root"
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers" "$work/bin"
# This machine's package database without its files: the dependencies are checked against what is
# installed here, and no other package owns a file in the root.
cp /var/lib/dpkg/status "$root/var/lib/dpkg/status"
: >"$root/var/lib/dpkg/available"
for l in /var/lib/dpkg/info/*.list; do : >"$root/var/lib/dpkg/info/$(basename "$l")"; done
printf '#!/bin/sh\necho "ldconfig $*" >>"%s"\n' "$work/ldconfig.log" >"$work/bin/ldconfig"
chmod +x "$work/bin/ldconfig"
: >"$work/ldconfig.log"
asroot=(); [ "$(id -u)" -eq 0 ] || asroot=(fakeroot)
if [ ${#asroot[@]} -gt 0 ] && ! command -v fakeroot >/dev/null; then
  fail "fakeroot is needed to install into a throwaway root as a normal user (tools/deps.sh test)"
  finish
fi
# dpkg looks for the system programs it runs (ldconfig, start-stop-daemon) in PATH, which for a normal
# user lacks the sbin folders; the stand-in ldconfig comes first.
dpkgin() { PATH="$work/bin:$PATH:/usr/local/sbin:/usr/sbin:/sbin" "${asroot[@]}" dpkg --root="$1" --force-not-root --force-script-chrootless "${@:2}"; }
rootdpkg() { dpkgin "$root" "$@"; }

if rootdpkg -i "$deb" >"$work/install.log" 2>&1; then pass "dpkg -i into the root"; else fail "dpkg -i into the root"; cat "$work/install.log"; fi
check "installing prints no warning" sh -c "! grep -qi 'warning' '$work/install.log'"
if [ "$(dpkg --root="$root" -s vaprop 2>/dev/null | sed -n 's/^Status: //p')" = "install ok installed" ]; then
  pass "status: install ok installed"
else
  # Every later check needs the installed files: without them they would pass on an empty root.
  fail "status: install ok installed (the checks of the installed package cannot run)"
  finish
fi
check "postinst ran ldconfig" grep -q '^ldconfig' "$work/ldconfig.log"

# The programs run from the root on their own run paths (no LD_LIBRARY_PATH).
out=$("$root/usr/bin/vapcalc" P=3 T=300 --units SIF --props H --format csv 2>&1)
# IF97 Table 5: h(3 MPa, 300 K) = 0.115331273e3 kJ/kg
check_close "vapcalc from the root: h(3 MPa, 300 K)" "$(number_after "$out" 'enthalpy,')" 115.331273 $TABLE_9_DIGITS
out=$("$root/usr/bin/vapcalc" --version 2>&1)
check "vapcalc --version names vaprop32 3.2" grep -q 'vaprop32 3.2' <<<"$out"
for f in "$root/usr/bin/vapcalc" "$root/$libdir/vaprop/excel/vapxl32.so" "$root/$libdir/vaprop/mathcad/vapmcad.so" \
         $([ $with_app = 1 ] && echo "$root/usr/bin/calvex"); do
  out=$(ldd "$f" 2>&1)
  if [ ! -f "$f" ]; then
    fail "not installed: $f"
  elif grep -q 'not found' <<<"$out"; then
    fail "unresolved libraries of $f"
  elif grep -E 'libvaprop(32|67)|libmcaduser' <<<"$out" | grep -qv -- "$root/"; then
    fail "$f binds a vaprop library from outside the root"
  else
    pass "libraries of $(basename "$f") resolve in the root or the system"
  fi
done

[ $with_app = 1 ] && check_calvex_starts "$root/usr/bin/calvex" "$work"
check_addins_load "$root/$libdir/vaprop/excel/vapxl32.so" "$root/$libdir/vaprop/mathcad/vapmcad.so" "$work"

# Without the dependencies installed dpkg must refuse to configure the package.
empty=$work/empty
mkdir -p "$empty/var/lib/dpkg/info" "$empty/var/lib/dpkg/updates" "$empty/var/lib/dpkg/triggers"
: >"$empty/var/lib/dpkg/status"; : >"$empty/var/lib/dpkg/available"
dpkgin "$empty" -i "$deb" >"$work/empty.log" 2>&1
check "a root without libc6 refuses the package" grep -q 'vaprop depends on libc6' "$work/empty.log"

echo "== removal"
if rootdpkg -r vaprop >"$work/remove.log" 2>&1; then pass "dpkg -r"; else fail "dpkg -r"; cat "$work/remove.log"; fi
left=$(find "$root" -path "$root/var" -prune -o \( -type f -o -type l \) -print)
check "no file left after removal" test -z "$left"
if rootdpkg --purge vaprop >"$work/purge.log" 2>&1; then pass "dpkg --purge"; else fail "dpkg --purge"; cat "$work/purge.log"; fi
check "nothing left under the root but the package database" \
  test -z "$(find "$root" -mindepth 1 -path "$root/var" -prune -o -print)"
check "package no longer known" sh -c "! dpkg --root='$root' -s vaprop >/dev/null 2>&1"
check "removing and purging print no warning" sh -c "! grep -qi 'warning' '$work/remove.log' '$work/purge.log'"
check "postrm ran ldconfig" test "$(grep -c '^ldconfig' "$work/ldconfig.log")" -ge 2

finish
