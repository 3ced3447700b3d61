#!/usr/bin/env bash
# A missing window icon is reported but costs nothing else: the logo shows,
# the start screen follows and Escape ends the game as usual.
#   missing_icon.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir base/CryptSLIDERS.png
e2e_start
e2e_wait_window 10
# The report reaches stdout at once, though stdout is a file, not a terminal.
e2e_expect_line "Icon Fail: "
e2e_sleep_alive 2.5
e2e_shot e2e_noicon_logo
e2e_expect_not_black "$E2E_SHOT" "logo without icon"
e2e_expect_shows "$E2E_SHOT" "$E2E_DATA/base/BrassOwl.png" "logo without icon"

# The first Escape skips the logo, the second ends the game from the start screen.
e2e_key Escape
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" e2e_noicon_start 3
e2e_key Escape
e2e_wait_exit 10
e2e_expect_status 0
e2e_log PASS
