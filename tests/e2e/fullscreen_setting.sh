#!/usr/bin/env bash
# A settings file asking for full screen: the game still comes up showing its
# logo (on a display that cannot switch to 640 x 480 the picture sits centred
# on a black screen) and Escape, Escape ends it.
#   fullscreen_setting.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir
# Sound effects volume, music volume, full screen.
printf '1.00\n0.75\n1\n' >"$E2E_WORK/CryptSLIDERS.cfg"
e2e_start
e2e_wait_window 10
e2e_sleep_alive 2.5

# The full-screen picture may cover the titled window, so look at the screen.
e2e_shot_screen e2e_fullscreen_screen
logo="$E2E_SHOTS/e2e_fullscreen_logo.png"
e2e_trim_black "$E2E_SHOT" "$logo"
e2e_expect_not_black "$logo" "full-screen logo"
e2e_expect_shows "$logo" "$E2E_DATA/base/BrassOwl.png" "full-screen logo"

# The first Escape skips the logo, the second ends the game from the start screen.
e2e_key Escape
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" e2e_fullscreen_start 4 screen
e2e_key Escape
e2e_wait_exit 10
e2e_expect_status 0
e2e_log PASS
