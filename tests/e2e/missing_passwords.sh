#!/usr/bin/env bash
# Without the level passwords the game cannot be played: it ends at once,
# quietly, with status 0.
#   missing_passwords.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir levels.dat
e2e_start
e2e_wait_exit 5
e2e_expect_status 0
e2e_expect_no_output
e2e_log PASS
