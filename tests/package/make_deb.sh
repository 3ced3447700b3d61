#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack and unpacks it into
# a scratch root (OUT/root), as dpkg would lay it out, without touching the
# machine's own package database.
#   make_deb.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
debs=("$out"/cryptsliders_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: want one .deb in $out, found: ${debs[*]}"; exit 1; }
ln -s "$(basename "${debs[0]}")" "$out/cryptsliders.deb"
dpkg-deb -x "${debs[0]}" "$out/root"
echo "built and unpacked $(basename "${debs[0]}") ($(du -h "${debs[0]}" | cut -f1))"
