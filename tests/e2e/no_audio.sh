#!/usr/bin/env bash
# With no usable sound device the game says why and stops with -1.
#   no_audio.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_start SDL_AUDIODRIVER=nonexistent
e2e_wait_exit 10
e2e_expect_status 255
e2e_expect_line "SDL_Init: " "Mix_OpenAudio: "
e2e_log PASS
