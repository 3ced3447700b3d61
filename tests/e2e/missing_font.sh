#!/usr/bin/env bash
# Without its font the game cannot show text: it says why and stops with -1.
#   missing_font.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir base/LithosPro-Regular.otf
e2e_start
e2e_wait_exit 10
e2e_expect_status 255
e2e_expect_line "TTF_OpenFont: "
e2e_log PASS
