#!/usr/bin/env bash
# Builds the Debian package with CPack and unpacks it into OUT/root, as dpkg
# would lay it out, without touching the machine's package database; then
# checks what it holds (the launcher, the game off the PATH, the data tree as
# built, the desktop files, every icon size, the manual page, nothing outside
# /usr) and that it depends on the package of every library the game links.
#   deb.sh BUILD_DIR OUT_DIR APP_ID
set -euo pipefail
build=$1 out=$2 id=$3
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$out" && mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack failed"; }
deb=$(echo "$out"/cryptsliders_*.deb)
[ -f "$deb" ] || fail "want one .deb in $out, found: $deb"
dpkg-deb -x "$deb" "$out/root"
root=$out/root

for f in bin/cryptsliders libexec/cryptsliders/cryptsliders share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg share/man/man6/cryptsliders.6.gz \
    share/doc/cryptsliders/copyright $(printf "share/icons/hicolor/%sx%s/apps/$id.png " 16 16 22 22 24 24 32 32 48 48 64 64 128 128 256 256); do
    [ -f "$root/usr/$f" ] || fail "/usr/$f is not in the package"
done
outside=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
diff -rq "$build/data" "$root/usr/share/cryptsliders/data" || fail "the packaged data tree differs from the build's"

# Each library the installed game links comes from a package it depends on;
# and libgl1, which SDL opens at run time.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=" $(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/:.*//; s/ //g' | tr '\n' ' ') "
[[ "$names" == *" libgl1 "* ]] || fail "no dependency on libgl1"
game=$root/usr/libexec/cryptsliders/cryptsliders
libs=$(readelf -d "$game" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
[ -n "$libs" ] || fail "readelf finds no libraries in $game"
for lib in $libs; do
    path=$(ldd "$game" | awk -v l="$lib" '$1 == l { print $3 }')
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "$path") || fail "no package owns $lib ($path)"
    [[ "$names" == *" ${owner%%:*} "* ]] || fail "$lib comes from ${owner%%:*}, which the package does not depend on"
done
