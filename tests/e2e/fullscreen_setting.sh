#!/usr/bin/env bash
# A player who chose full screen: on a display that cannot switch to 640 x 480
# the game covers the screen in black with its picture centred (a windowed game
# would sit in the corner); the logo, its skip and Escape work as ever.
#   fullscreen_setting.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir
printf '1.00\n0.75\n1\n' >"$E2E_WORK/CryptSLIDERS.cfg"  # effects and music volume, full screen
e2e_start
e2e_wait_shows "$E2E_DATA/base/BrassOwl.png" e2e_fullscreen_logo 4 screen
read -r sw sh < <(xdotool getdisplaygeometry)
# The opaque images hold no pure black, so the trimmed box is the picture's.
e2e_shot e2e_fullscreen_screen screen
box=$(convert "$E2E_SHOT" -format '%@' info:)
[ "$box" = "640x480+$(((sw - 640) / 2))+$(((sh - 480) / 2))" ] || e2e_fail "the picture lies at $box on a ${sw}x$sh screen, not centred"
e2e_key Escape
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" e2e_fullscreen_start 4 screen
e2e_key Escape
e2e_wait_exit 0
