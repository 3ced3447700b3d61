#!/usr/bin/env bash
# Being told to stop (SIGTERM from the session, SIGINT from a terminal's
# Ctrl-C) ends the game cleanly with status 0.
#   sigterm_quits.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

for sig in TERM INT; do
    E2E_NAME="sigterm_quits SIG$sig"
    e2e_start
    e2e_sleep 0.5
    kill -s "$sig" "$E2E_PID"
    e2e_wait_exit 0
done
