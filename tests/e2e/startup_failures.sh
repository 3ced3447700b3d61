#!/usr/bin/env bash
# What the game cannot start without: a display, its font, the help text and
# the level passwords. Each time it ends at once with status 255 and one line
# on stdout that says what failed.
#   startup_failures.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# fails LEFT_OUT_FILE [ENV...]
fails() {
    local omit=$1
    shift
    [ -z "$E2E_WORK" ] || rm -rf "$E2E_WORK"
    if [ "$omit" = - ]; then e2e_workdir; else e2e_workdir "$omit"; fi
    e2e_start "$@" </dev/null
    e2e_wait_exit 10
    e2e_expect_status 255
}

# No display to open (left to itself, SDL would fall back to a text-mode
# driver and fail later, at the video mode: it has no OpenGL).
fails - -u DISPLAY SDL_VIDEODRIVER=x11
e2e_expect_line "SDL_Init: "
fails base/LithosPro-Regular.otf
e2e_expect_line "TTF_OpenFont: "
fails help/help.dat
e2e_expect_line "Missing data file: data/help/help.dat"
fails levels.dat
e2e_expect_line "Missing data file: data/levels.dat"
e2e_log PASS
