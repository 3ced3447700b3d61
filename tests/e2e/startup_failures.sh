#!/usr/bin/env bash
# What the game cannot start without: a display, its font, the help text and
# the level passwords. Each time it ends at once with status 255 and a line on
# stdout that says what failed. Its usage, its version and a wrong option need
# no display.
#   startup_failures.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# fails LINE LEFT_OUT_FILE [ENV...]: the game started without the file and with the environment
fails() {
    local line=$1 omit=$2 status
    shift 2
    if [ -n "$omit" ]; then e2e_workdir "$omit"; else e2e_workdir; fi
    (cd "$E2E_WORK" && timeout 10 env "$@" "$E2E_GAME" >stdout.txt 2>stderr.txt </dev/null)
    status=$?
    [ $status = 255 ] || e2e_fail "without ${omit:-a display}: exit status $status, want 255"
    e2e_expect_line "$line"
}

fails "Font: " base/LithosPro-Regular.otf
fails "Missing data file: data/help/help.dat" help/help.dat
fails "Missing data file: data/levels.dat" levels.dat

# Without a display, SDL's driver left to the game and the session's runtime
# directory set, as a login sets it: the status, stdout and stderr whole (as
# patterns), for the arguments. No escape sequence ever: left to itself, SDL
# 1.2 would take the terminal over with its text-mode driver. After "--", a
# name like an option's is a picture's.
runtime=$(mktemp -d) && trap 'rm -rf "$runtime"; e2e_cleanup' EXIT
while IFS='|' read -r status out err args; do
    (cd "$E2E_WORK" && timeout 10 env -u DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$runtime" "$E2E_GAME" $args \
        >stdout.txt 2>stderr.txt </dev/null)
    got="$?|$(cat "$E2E_WORK/stdout.txt")|$(cat "$E2E_WORK/stderr.txt")"
    [[ $got == $status\|$out\|$err && $got != *$'\e'* ]] || e2e_fail "$args: want $status|$out|$err, got $(cat -v <<<"$got")"
done <<'EOF'
255|SDL_Init: *: no display to show the game on||-- --help
0|Usage: cryptsliders [[]OPTION[]]... *||--help
0|Usage: cryptsliders *||photo.jpg -h
0|CryptSLIDERS [0-9]*.*||--version
2||cryptsliders: unknown option '-x'?Usage: cryptsliders *|-x --help
EOF
