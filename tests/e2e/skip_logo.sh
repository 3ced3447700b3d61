#!/usr/bin/env bash
# A key pressed while the logo fades in skips the rest of it: left alone the
# logo holds until at least 3 s after start, so a start screen within 2.5 s of
# the window can only come from the skip. A game that has all it needs says
# nothing on stdout.
#   skip_logo.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start
e2e_key space
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" e2e_skip 2.5
e2e_key Escape
e2e_wait_exit 0
[ ! -s "$E2E_WORK/stdout.txt" ] || e2e_fail "stdout is not empty"
