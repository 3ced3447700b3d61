#!/usr/bin/env bash
# The normal opening: the owl logo fades in and holds, then gives way by itself
# to the start screen, where Escape ends the game.
#   logo_then_start.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start
e2e_wait_window 10
shown=$(e2e_now)

# Well into the hold: the logo is fully faded in.
e2e_sleep_alive 2.5
e2e_shot e2e_logo
logo=$E2E_SHOT
e2e_expect_not_black "$logo" "logo"
e2e_expect_shows "$logo" "$E2E_DATA/base/BrassOwl.png" "logo"

# Without any input the hold ends 3-4 s after start and the fade-out takes
# about a second more.
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" e2e_start 8
start=$E2E_SHOT
e2e_log "start screen shown $(e2e_elapsed "$shown") s after the window appeared"
e2e_expect_not_black "$start" "start screen"
e2e_expect_different "$logo" "$start" "logo against start screen"

# The start screen stays up.
e2e_sleep_alive 1
e2e_shot e2e_start_later
e2e_expect_shows "$E2E_SHOT" "$E2E_DATA/base/StartScreen.png" "start screen a second later"

e2e_key Escape
e2e_wait_exit 10
e2e_expect_status 0
e2e_log PASS
