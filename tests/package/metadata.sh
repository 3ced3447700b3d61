#!/usr/bin/env bash
# The desktop entry, the AppStream metainfo and the manual page pass their
# validators, both speak every language of po/LINGUAS, and the newest release
# named in the metainfo, the manual page and the Debian changelog is this
# version.
#   metadata.sh DIST_DIR BUILT_DIST_DIR APP_ID VERSION
# (BUILT_DIST_DIR: the desktop entry and the metainfo as the build translated them)
set -euo pipefail
dist=$1
built=$2
id=$3
version=$4
fail() { echo "FAIL: $*"; exit 1; }

desktop-file-validate "$built/$id.desktop" || fail "desktop-file-validate rejects $id.desktop"
appstreamcli validate --no-net --explain "$built/$id.metainfo.xml" || fail "appstreamcli rejects $id.metainfo.xml"
for lang in $(grep -v '^#' "$dist/../po/LINGUAS"); do
    grep -q "^Comment\[$lang\]=" "$built/$id.desktop" || fail "the desktop entry has no comment in $lang"
    grep -q "<summary xml:lang=\"$lang\">" "$built/$id.metainfo.xml" || fail "the metainfo has no summary in $lang"
done

# groff -ww warns of every formatting fault; a clean page prints nothing.
warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z "$dist/cryptsliders.6" 2>&1)
[ -z "$warnings" ] || fail "the manual page has faults: $warnings"

# The first <release> is the newest.
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$built/$id.metainfo.xml" | head -n 1)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', the project's version $version"
grep -q "^\.TH CRYPTSLIDERS 6 .*\"CryptSLIDERS $version\"" "$dist/cryptsliders.6" ||
    fail "the manual page does not name version $version"
newest=$(dpkg-parsechangelog -l "$dist/changelog" -S Version)
[ "$newest" = "$version" ] || fail "the changelog's newest entry is '$newest', the project's version $version"
echo "metadata valid for version $version"
