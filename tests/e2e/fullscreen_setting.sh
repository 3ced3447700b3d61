#!/usr/bin/env bash
# A player who chose full screen: the game fills the desktop at its own
# resolution (no mode switch; 1024 x 768 here, so 1.6 times the picture), the
# logo's skip and Escape work as ever.
#   fullscreen_setting.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir
printf '1.00\n0.75\n1\n' >"$E2E_WORK/CryptSLIDERS.cfg"  # effects and music volume, full screen
read -r sw sh < <(xdotool getdisplaygeometry)
convert "$E2E_DATA/base/BrassOwl.png" -resize "${sw}x${sh}!" "$E2E_WORK/owl.png"
convert "$E2E_DATA/base/StartScreen.png" -resize "${sw}x${sh}!" "$E2E_WORK/start.png"
e2e_start
e2e_wait_shows "$E2E_WORK/owl.png" e2e_fullscreen_logo 6 screen
e2e_key a  # skips the logo; if it has ended already, a letter does nothing on the menu
e2e_wait_shows "$E2E_WORK/start.png" e2e_fullscreen_start 4 screen
e2e_key Escape
e2e_wait_exit 0
