#!/usr/bin/env bash
# What the game cannot start without: a display, its font, the help text and
# the level passwords. Each time it ends at once with status 255 and a line on
# stdout that says what failed.
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

# No display (left to itself SDL would fall back to a text-mode driver and
# fail later, at the video mode, for want of OpenGL).
fails "SDL_Init: " "" -u DISPLAY SDL_VIDEODRIVER=x11
fails "TTF_OpenFont: " base/LithosPro-Regular.otf
fails "Missing data file: data/help/help.dat" help/help.dat
fails "Missing data file: data/levels.dat" levels.dat
