#!/usr/bin/env bash
# Being told to stop (SIGTERM from the session, SIGINT from a terminal's
# Ctrl-C) ends the game cleanly with status 0, whatever screen is up.
#   sigterm_quits.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

for sig in TERM INT; do
    e2e_start
    e2e_wait_window 10
    e2e_sleep_alive 0.5
    kill -s "$sig" "$E2E_PID" || e2e_fail "could not send SIG$sig"
    e2e_log "sent SIG$sig"
    e2e_wait_exit 10
    [ "$E2E_STATUS" = 0 ] || e2e_fail "after SIG$sig: exit status $E2E_STATUS, want 0"
done
e2e_log PASS
