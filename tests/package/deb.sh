#!/usr/bin/env bash
# Builds the two Debian packages with CPack and unpacks both into OUT/root, as
# dpkg would lay them out, without touching the machine's package database;
# then checks the data package's size, and what they hold (the launcher in /usr/games, the game off the
# PATH, the data tree as built in /usr/share/games, the desktop files, every
# icon size, the manual page, the catalogs but the pseudo-language's, nothing outside /usr), that the game depends on
# its data of the same version and on the package of every library it links,
# and that the data's font link leads to a file of a package the data depends
# on. That file, from this machine, is linked into the root as if installed.
#   deb.sh BUILD_DIR OUT_DIR APP_ID VERSION
set -euo pipefail
build=$1 out=$2 id=$3 version=$4
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$out" && mkdir -p "$out/root"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack failed"; }
game_deb=$(echo "$out/cryptsliders_${version}_"*.deb) data_deb=$out/cryptsliders-data_${version}_all.deb
[ -f "$game_deb" ] && [ -f "$data_deb" ] ||
    fail "want cryptsliders_${version}_ARCH.deb and cryptsliders-data_${version}_all.deb, found: $(ls "$out")"
# Both art sets with the words of every language, the music and the effects
# within 55 MB, as downloaded and as installed.
for size in "$(stat -c %s "$data_deb")" "$(($(dpkg-deb -f "$data_deb" Installed-Size) * 1024))"; do
    [ "$size" -le 55000000 ] || fail "the data package takes $size bytes, over its budget of 55 MB"
done
root=$(realpath "$out/root")
for deb in "$game_deb" "$data_deb"; do
    dpkg-deb -x "$deb" "$root"
    outside=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v -e '^\./$' -e '^\./usr/' || true)
    [ -z "$outside" ] || fail "files outside /usr in $deb: $outside"
done

for f in games/cryptsliders libexec/cryptsliders/cryptsliders share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg share/man/man6/cryptsliders.6.gz \
    share/locale/de/LC_MESSAGES/cryptsliders.mo share/locale/es/LC_MESSAGES/cryptsliders.mo \
    $(printf "share/icons/hicolor/%sx%s/apps/$id.png " 16 16 22 22 24 24 32 32 48 48 64 64 128 128 256 256); do
    [ -f "$root/usr/$f" ] || fail "/usr/$f is not in the package"
done

[ ! -e "$root/usr/share/locale/qps" ] && [ -z "$(find "$root" -name qps)" ] ||
    fail "the pseudo-language, for testing only, is in the package"

# depends DEB: the names of the packages DEB depends on, space-separated and -padded
depends() { echo " $(dpkg-deb -f "$1" Depends | tr ',|' '\n\n' | sed 's/(.*//; s/:.*//; s/ //g' | tr '\n' ' ') "; }
echo "Depends: $(dpkg-deb -f "$game_deb" Depends)"
[[ ", $(dpkg-deb -f "$game_deb" Depends)," == *", cryptsliders-data (= $version),"* ]] ||
    fail "the game does not depend on cryptsliders-data (= $version)"
font=$(realpath -m "$root/usr/share/games/cryptsliders/base/LithosPro-Regular.otf")
font=${font#"$root"}
owner=$(dpkg -S "$font") || fail "no package owns $font, the font the data tree links"
[[ "$(depends "$data_deb")" == *" ${owner%%:*} "* ]] || fail "the data links $font but does not depend on ${owner%%:*}"
mkdir -p "$root${font%/*}" && ln -s "$font" "$root$font"
diff -rq --exclude=qps "$build/data" "$root/usr/share/games/cryptsliders" ||
    fail "the packaged data tree differs from the build's (but the pseudo-language's words)"

# Each library the installed game links comes from a package it depends on;
# and libgl1, which SDL opens at run time.
names=$(depends "$game_deb")
[[ "$names" == *" libgl1 "* ]] || fail "no dependency on libgl1"
game=$root/usr/libexec/cryptsliders/cryptsliders
libs=$(readelf -d "$game" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
[ -n "$libs" ] || fail "readelf finds no libraries in $game"
for lib in $libs; do
    path=$(ldd "$game" | awk -v l="$lib" '$1 == l { print $3 }')
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "$path") || fail "no package owns $lib ($path)"
    [[ "$names" == *" ${owner%%:*} "* ]] || fail "$lib comes from ${owner%%:*}, which the package does not depend on"
done
