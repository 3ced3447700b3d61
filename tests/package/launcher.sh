#!/usr/bin/env bash
# `cmake --install` at a prefix under DESTDIR, and the launcher staged there,
# outside the game: it finds the game and the data relative to itself (started
# through a link, as a menu would), makes the player's directory, keeps "data"
# pointed at the installed tree, plays without saving where the home cannot be
# used, and passes the game's exit status on. The game runs with SDL's dummy video driver, where it
# cannot open its window and ends at once with status 255.
#   launcher.sh BUILD_DIR SCRATCH_DIR APP_ID
set -uo pipefail
build=$1 s=$2 id=$3
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$s"
DESTDIR=$s/stage cmake --install "$build" --prefix /opt/crypt >/dev/null || fail "cmake --install failed"
[ "$(ls -A "$s/stage")" = opt ] || fail "DESTDIR holds $(ls -A "$s/stage"), want only opt"
prefix=$s/stage/opt/crypt
data=$(realpath "$prefix/share/games/cryptsliders")
for f in games/cryptsliders libexec/cryptsliders/cryptsliders share/games/cryptsliders/levels.dat \
    share/games/cryptsliders/base/LithosPro-Regular.otf share/applications/$id.desktop share/man/man6/cryptsliders.6.gz; do
    [ -e "$prefix/$f" ] || fail "$f is not under the prefix"
done
[ "$(ls "$prefix/games")" = cryptsliders ] || fail "games/ holds more than the launcher: $(ls "$prefix/games")"
ln -s "$prefix/games/cryptsliders" "$s/start"

# run NAME=VALUE...  -> status, out (stdout and stderr together)
run() {
    out=$(env -u XDG_DATA_HOME SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$@" "$s/start" 2>&1)
    status=$?
}
# expect_link DIR: the player's directory holds the link to the data tree, and nothing else.
expect_link() {
    [ "$(readlink "$1/data")" = "$data" ] || fail "$1/data points at $(readlink "$1/data"), want $data"
    [ "$(ls -A "$1")" = data ] || fail "$1 holds $(ls -A "$1")"
}
expect_refusal() {
    [ "$status" = 1 ] && [ "$(printf '%s\n' "$out" | wc -l)" = 1 ] && [[ "$out" == cryptsliders:* ]] ||
        fail "$1: want status 1 and one line naming the launcher, got $status: $out"
    echo "$1: $out"
}

# The fallback under the home directory; the game's own status comes back.
mkdir "$s/home"
run HOME="$s/home"
[ "$status" = 255 ] || fail "status $status, want the game's 255 ($out)"
expect_link "$s/home/.local/share/cryptsliders"
# XDG_DATA_HOME when it is absolute; a relative one is not a place.
run HOME="$s/home" XDG_DATA_HOME="$s/xdg"
expect_link "$s/xdg/cryptsliders"
rm -rf "$s/home/.local"
(cd "$s" && run HOME="$s/home" XDG_DATA_HOME=relative && [ ! -e "$s/relative" ]) || fail "a relative XDG_DATA_HOME was used"
expect_link "$s/home/.local/share/cryptsliders"

# A link left pointing elsewhere (an older install) is pointed anew; a
# directory of the player's own in its place is left alone.
ln -sfn /nonexistent/old/data "$s/xdg/cryptsliders/data"
run XDG_DATA_HOME="$s/xdg"
expect_link "$s/xdg/cryptsliders"
rm "$s/xdg/cryptsliders/data" && mkdir "$s/xdg/cryptsliders/data" && touch "$s/xdg/cryptsliders/data/mine"
run XDG_DATA_HOME="$s/xdg"
expect_refusal "a directory in place of the link"
[ -f "$s/xdg/cryptsliders/data/mine" ] || fail "the player's directory was touched"

# No usable home: unset, missing (never created), a file, below a file, in
# /proc, which takes no new directories whoever asks. The game plays all the
# same, in a scratch directory that is gone when it ends, and one line says so.
expect_no_saving() {
    [ "$status" = 255 ] && [ "$(grep -c '^cryptsliders:' <<<"$out")" = 1 ] &&
        grep -q '^cryptsliders: .*: playing without saving settings or progress$' <<<"$out" ||
        fail "$1: want the game's status and one line on playing without saving, got $status: $out"
    [ -z "$(ls -A "$s/tmp")" ] || fail "$1: the scratch directory stayed: $(ls -A "$s/tmp")"
    echo "$1: $(grep '^cryptsliders:' <<<"$out")"
}
touch "$s/file"
mkdir "$s/tmp"
for env in HOME= HOME="$s/gone" HOME="$s/file" XDG_DATA_HOME="$s/file/below" XDG_DATA_HOME=/proc/cryptsliders-test; do
    run TMPDIR="$s/tmp" "$env"
    expect_no_saving "$env"
done
[ ! -e "$s/gone" ] || fail "the launcher made a home directory"

# Pictures on the command line reach the game, a relative one made absolute
# against where the launcher started (the game itself runs elsewhere), and
# options as they are, up to "--": the game here a stand-in that prints its
# arguments. Asked for its version alone, the game needs no home.
game=$prefix/libexec/cryptsliders/cryptsliders
mv "$game" "$game.real" && printf '#!/bin/sh\nprintf "%%s\\n" "$@"\n' >"$game" && chmod +x "$game"
mkdir -p "$s/photos"
args=$(cd "$s/photos" && env HOME="$s/home" "$s/start" "a b.jpg" -x /abs/c.png ../d -- -e.jpg -- 2>&1)
[ "$args" = "$(printf '%s\n' "$s/photos/a b.jpg" -x /abs/c.png "$s/photos/../d" -- "$s/photos/-e.jpg" "$s/photos/--")" ] ||
    fail "the game got: $args"
args=$(env -u XDG_DATA_HOME HOME="$s/gone" "$s/start" photo.jpg --version 2>&1)
[ "$args" = "$(printf '%s\n' photo.jpg --version)" ] || fail "asked for the version, the launcher said: $args"
mv "$game.real" "$game"

# A read-only home, where the player's directory exists already so that only
# the launcher's write test can tell: root writes through file modes, so a
# read-only bind mount in a mount namespace of the test's own.
mkdir -p "$s/ro/.local/share/cryptsliders"
if unshare -m true 2>/dev/null; then
    out=$(unshare -m sh -c 'mount --bind -o ro "$1" "$1" && mount -o remount,bind,ro "$1" &&
        exec env -u XDG_DATA_HOME HOME="$1" TMPDIR="$3" SDL_VIDEODRIVER=dummy "$2"' sh "$s/ro" "$s/start" "$s/tmp" 2>&1)
    status=$?
elif [ "$(id -u)" != 0 ]; then
    chmod a-w "$s/ro/.local/share/cryptsliders"
    run HOME="$s/ro" TMPDIR="$s/tmp"
else
    echo "read-only home: SKIPPED (no mount namespace for a read-only bind mount)" && exit 0
fi
expect_no_saving "read-only home"
[ -z "$(ls -A "$s/ro/.local/share/cryptsliders")" ] || fail "the read-only home was written"
chmod -R u+w "$s" && rm -rf "$s"
