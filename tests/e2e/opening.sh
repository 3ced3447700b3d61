#!/usr/bin/env bash
# The opening left to itself, with the window icon missing: the game says so
# at once (stdout is a file, not a terminal) and carries on; the owl logo
# fades in, gives way by itself to the start screen, which stays up, and
# Escape there ends the game with status 0.
#   opening.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir base/CryptSLIDERS.png
e2e_start
e2e_expect_line "Icon Fail: "
e2e_wait_fading "$E2E_DATA/base/BrassOwl.png" e2e_logo 4
e2e_wait_shows "$(e2e_art base/StartScreen.png)" e2e_start 8
e2e_sleep 1
e2e_shot e2e_start_later
e2e_expect "$E2E_SHOT" "$(e2e_art base/StartScreen.png)" '<' 0.03 "start screen a second later"
e2e_key Escape
e2e_wait_exit 0
