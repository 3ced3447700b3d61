#!/usr/bin/env bash
# A key pressed while the logo is fading in skips the rest of the logo: the
# start screen is up long before the logo's hold would have ended.
#   skip_logo.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start
e2e_wait_window 10
shown=$(e2e_now)
e2e_key space

# Left alone, the logo holds until at least 3 s after start, so the start
# screen showing within 2.5 s of the window can only come from the skip.
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" e2e_skip 2.5
e2e_log "start screen shown $(e2e_elapsed "$shown") s after the window appeared"
e2e_expect_not_black "$E2E_SHOT" "start screen after skip"

e2e_key Escape
e2e_wait_exit 10
e2e_expect_status 0
e2e_log PASS
