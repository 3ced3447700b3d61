#!/usr/bin/env bash
# What the Debian package holds and needs: the launcher, the game off the
# PATH, the whole data tree as built, the desktop files, every icon size and
# the manual page, all below /usr; and a dependency on the package of every
# library the game links.
#   deb_contents.sh PACKAGE_DIR BUILD_DIR APP_ID
set -euo pipefail
pkg=$1
build=$2
id=$3
root=$pkg/root
deb=$pkg/cryptsliders.deb
fail() { echo "FAIL: $*"; exit 1; }

for f in usr/bin/cryptsliders usr/libexec/cryptsliders/cryptsliders \
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man6/cryptsliders.6.gz \
    usr/share/doc/cryptsliders/copyright; do
    [ -f "$root/$f" ] || fail "/$f is not in the package"
done
for s in 16 22 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${s}x$s/apps/$id.png" ] || fail "no ${s}x$s icon"
done
[ -x "$root/usr/bin/cryptsliders" ] || fail "the launcher is not executable"
head -n 1 "$root/usr/bin/cryptsliders" | grep -qx '#!/bin/sh' || fail "the launcher is not a POSIX shell script"
outside=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The data tree goes in whole, as the build assembled it.
diff -r "$build/data" "$root/usr/share/cryptsliders/data" >/dev/null ||
    fail "the packaged data tree differs from $build/data: $(diff -rq "$build/data" "$root/usr/share/cryptsliders/data" | head -n 5)"

# Dependencies: the packages of the libraries the installed game links, found
# on this machine, plus libgl1 that SDL opens at run time.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=" $(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/:.*//; s/ //g' | tr '\n' ' ') "
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section), want games"
game=$root/usr/libexec/cryptsliders/cryptsliders
needed=$(readelf -d "$game" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
[ -n "$needed" ] || fail "readelf found no libraries in $game"
for lib in $needed; do
    path=$(ldd "$game" | awk -v l="$lib" '$1 == l { print $3 }')
    [ -n "$path" ] || fail "$lib does not resolve on this machine"
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "$path") || fail "no package owns $path"
    owner=${owner%%:*}
    case "$names" in
    *" $owner "*) echo "$lib: $owner" ;;
    *) fail "$lib comes from $owner, which the package does not depend on" ;;
    esac
done
case "$names" in *" libgl1 "*) ;; *) fail "no dependency on libgl1" ;; esac
echo "package contents and dependencies as expected"
