#!/usr/bin/env bash
# What the game cannot start without: a display, its font, the help text and
# the level passwords. Each time it ends at once with status 255 and a line on
# stdout that says what failed; without a display, that line is all it writes.
# Its usage, its version and a wrong option need neither a display nor data.
#   startup_failures.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# fails LINE LEFT_OUT_FILE [ENV...] [-- ARG...]: the game started without the
# file, with the environment and the arguments
fails() {
    local line=$1 omit=$2 status env=()
    shift 2
    while [ $# -gt 0 ] && [ "$1" != -- ]; do env+=("$1") && shift; done
    shift
    if [ -n "$omit" ]; then e2e_workdir "$omit"; else e2e_workdir; fi
    (cd "$E2E_WORK" && timeout 10 env "${env[@]}" "$E2E_GAME" "$@" >stdout.txt 2>stderr.txt </dev/null)
    status=$?
    [ $status = 255 ] || e2e_fail "without ${omit:-a display}: exit status $status, want 255"
    e2e_expect_line "$line"
}

# No display, SDL's driver left to the game (the session's runtime directory
# set, as a login sets it): one line, and nothing that works a terminal, as
# SDL's text-mode driver would. A picture named like an option after "--" is
# a picture.
runtime=$(mktemp -d) && trap 'rm -rf "$runtime"; e2e_cleanup' EXIT
fails "SDL_Init: " "" -u DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$runtime" -- -- --help
[ "$(cat "$E2E_WORK/stdout.txt" "$E2E_WORK/stderr.txt" | wc -l)" = 1 ] && ! grep -q $'\e' "$E2E_WORK"/std*.txt ||
    e2e_fail "without a display the game wrote more than its line: $(cat -v "$E2E_WORK"/std*.txt)"
fails "TTF_OpenFont: " base/LithosPro-Regular.otf --
fails "Missing data file: data/help/help.dat" help/help.dat --
fails "Missing data file: data/levels.dat" levels.dat --

# answers WANT_STATUS STDOUT_LINE STDERR_LINE ARG...: without a display, the
# game's first line on each, "" for none.
answers() {
    local want=$1 out=$2 err=$3 status
    shift 3
    (cd "$E2E_WORK" && timeout 10 env -u DISPLAY "$E2E_GAME" "$@" >stdout.txt 2>stderr.txt </dev/null)
    status=$?
    [ $status = "$want" ] && [ "$(head -n 1 "$E2E_WORK/stdout.txt")" = "$out" ] &&
        [ "$(head -n 1 "$E2E_WORK/stderr.txt")" = "$err" ] ||
        e2e_fail "$*: status $status, want $want: $(cat "$E2E_WORK"/std*.txt)"
}
usage="Usage: cryptsliders [OPTION]... [--] [PICTURE]..."
answers 0 "$usage" "" --help
answers 0 "$usage" "" photo.jpg -h
answers 0 "CryptSLIDERS $(sed -n 's/^project(CryptSLIDERS VERSION \([^ ]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")" "" --version
answers 2 "" "cryptsliders: unknown option '-x'" -x --help
grep -qxF "$usage" "$E2E_WORK/stderr.txt" || e2e_fail "no usage after an unknown option"
