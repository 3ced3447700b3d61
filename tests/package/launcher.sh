#!/usr/bin/env bash
# The installed launcher outside the game: where it makes the player's
# directory, how it keeps "data" pointed at the installed tree, what it does
# without a usable home, and that the game's exit status is its own. The game
# runs with SDL's dummy video driver, on which it cannot open its window and
# ends at once with status 255.
#   launcher.sh LAUNCHER DATA_DIR   (an installed launcher and the data tree it links)
set -uo pipefail
launcher=$(realpath "$1")
data=$(realpath "$2")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/cryptsliders-launcher.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# run NAME=VALUE...  -> status, out (stdout and stderr together)
run() {
    out=$(env -u XDG_DATA_HOME SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$@" "$launcher" 2>&1)
    status=$?
}
expect_link() {
    [ -L "$1/data" ] || fail "$1/data is not a link"
    [ "$(readlink "$1/data")" = "$data" ] || fail "$1/data points at $(readlink "$1/data"), want $data"
}
expect_refusal() {
    [ "$status" = 1 ] || fail "$1: status $status, want 1 ($out)"
    [ "$(printf '%s\n' "$out" | wc -l)" = 1 ] || fail "$1: want one line, got: $out"
    case "$out" in cryptsliders:*) ;; *) fail "$1: the line does not name the launcher: $out" ;; esac
    echo "$1: $out"
}

# The fallback under the home directory; the game's own status comes back.
mkdir "$scratch/home"
run HOME="$scratch/home"
[ "$status" = 255 ] || fail "status $status, want the game's 255 ($out)"
expect_link "$scratch/home/.local/share/cryptsliders"

# XDG_DATA_HOME when it is absolute; a relative one is not a place.
run HOME="$scratch/home" XDG_DATA_HOME="$scratch/xdg"
expect_link "$scratch/xdg/cryptsliders"
rm -rf "$scratch/home/.local"
(cd "$scratch" && run HOME="$scratch/home" XDG_DATA_HOME=relative
    [ ! -e "$scratch/relative" ] || fail "a relative XDG_DATA_HOME was used"
    expect_link "$scratch/home/.local/share/cryptsliders") || exit 1

# A link left pointing elsewhere (an older install) is pointed anew; a
# directory of the player's own in its place is left alone.
ln -sfn /nonexistent/old/data "$scratch/xdg/cryptsliders/data"
run XDG_DATA_HOME="$scratch/xdg"
expect_link "$scratch/xdg/cryptsliders"
rm "$scratch/xdg/cryptsliders/data"
mkdir "$scratch/xdg/cryptsliders/data"
touch "$scratch/xdg/cryptsliders/data/mine"
run XDG_DATA_HOME="$scratch/xdg"
expect_refusal "a directory in place of the link"
[ -f "$scratch/xdg/cryptsliders/data/mine" ] || fail "the player's directory was touched"

# No usable home: unset, missing (never created), a file, and read-only.
run HOME=
expect_refusal "HOME empty"
run HOME="$scratch/gone"
expect_refusal "missing home"
[ ! -e "$scratch/gone" ] || fail "the launcher made a home directory"
touch "$scratch/file"
run HOME="$scratch/file"
expect_refusal "home is a file"
run XDG_DATA_HOME="$scratch/file/below"
expect_refusal "XDG_DATA_HOME below a file"
# /proc takes no new directories, whoever asks.
run XDG_DATA_HOME=/proc/cryptsliders-test
expect_refusal "XDG_DATA_HOME in /proc"
# A home on a read-only file system, where even root cannot write: a
# read-only bind mount in a mount namespace of this test's own. The player's
# directory exists there already, so only the write test can catch it.
mkdir -p "$scratch/ro/.local/share/cryptsliders"
if unshare -m true 2>/dev/null; then
    out=$(unshare -m sh -c 'mount --bind -o ro "$1" "$1" && mount -o remount,bind,ro "$1" &&
        exec env -u XDG_DATA_HOME HOME="$1" SDL_VIDEODRIVER=dummy "$2"' sh "$scratch/ro" "$launcher" 2>&1)
    status=$?
    expect_refusal "read-only home"
    [ ! -e "$scratch/ro/.local/share/cryptsliders/data" ] || fail "wrote through a read-only mount?"
elif [ "$(id -u)" != 0 ]; then
    chmod a-w "$scratch/ro/.local/share/cryptsliders"
    run HOME="$scratch/ro"
    expect_refusal "read-only home"
    chmod u+w "$scratch/ro/.local/share/cryptsliders"
else
    echo "read-only home: SKIPPED (no mount namespace for a read-only bind mount)"
fi
echo "launcher cases pass"
