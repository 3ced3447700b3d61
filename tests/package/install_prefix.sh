#!/usr/bin/env bash
# `cmake --install` honours the prefix and DESTDIR, and the launcher of such a
# staged tree runs the game staged beside it: it finds both relative to itself.
#   install_prefix.sh BUILD_DIR SCRATCH_DIR
set -uo pipefail
build=$1
stage=$2
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$stage"
DESTDIR=$stage cmake --install "$build" --prefix /opt/crypt >"$stage.log" 2>&1 || { cat "$stage.log"; fail "cmake --install failed"; }
top=$(ls -A "$stage")
[ "$top" = opt ] || fail "DESTDIR holds $top, want only opt"
prefix=$stage/opt/crypt
for f in bin/cryptsliders libexec/cryptsliders/cryptsliders share/cryptsliders/data/levels.dat \
    share/applications/io.github.cryptsliders.CryptSLIDERS.desktop share/man/man6/cryptsliders.6.gz; do
    [ -e "$prefix/$f" ] || fail "$f is not under the prefix"
done
[ "$(ls "$prefix/bin")" = cryptsliders ] || fail "bin/ holds more than the launcher: $(ls "$prefix/bin")"

home=$(mktemp -d "${TMPDIR:-/tmp}/cryptsliders-home.XXXXXX")
trap 'rm -rf "$home"' EXIT
# Started through a link elsewhere, as a menu or /usr/games link would.
ln -s "$prefix/bin/cryptsliders" "$home/start"
env -u XDG_DATA_HOME HOME="$home" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$home/start"
status=$?
[ "$status" = 255 ] || fail "status $status, want the game's 255 from the dummy video driver"
[ "$(readlink "$home/.local/share/cryptsliders/data")" = "$(realpath "$prefix/share/cryptsliders/data")" ] ||
    fail "data links to $(readlink "$home/.local/share/cryptsliders/data")"
echo "staged install under DESTDIR/opt/crypt runs"
