#!/usr/bin/env bash
# The game as a player starts it from the packages: the launcher unpacked into
# a scratch root, a fresh home, started from another directory. The owl logo
# shows, Escape skips it, the options panel's back button saves the settings;
# a new game shows the opening images and then level 1's first, and SIGTERM
# ends it with status 0. The settings file lies in the player's directory
# ~/.local/share/cryptsliders, not where the launcher was started.
#   deb_play.sh ROOT SCREENSHOT_DIR
source "$(dirname "$0")/../e2e/lib.sh"
root=$(realpath "$1")
e2e_init "$root/usr/games/cryptsliders" "$root/usr/share/games/cryptsliders" "$2"
E2E_NAME=package_play E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/cryptsliders-package.XXXXXX")
mkdir "$E2E_WORK/home"

e2e_start -u XDG_DATA_HOME HOME="$E2E_WORK/home"
e2e_wait_shows "$E2E_DATA/base/BrassOwl.png" package_logo 4
e2e_key Escape
e2e_wait_shows "$(e2e_art base/StartScreen.png)" package_start 4
click_at 300 320
e2e_sleep 0.5
e2e_shot package_options
e2e_expect "$E2E_SHOT" "$(e2e_art base/StartScreen.png)" '>' 0.05 "options panel"
click_at 326 405
e2e_wait_shows "$(e2e_art base/StartScreen.png)" package_options_closed 3
click_at 330 250 # play: the password panel
e2e_sleep 0.3
click_at 320 118 # new game
for n in 1 2 3 4; do
    e2e_wait_shows "$(e2e_art opening/opnseq$n.png)" package_opening$n 4
    e2e_key space
done
e2e_wait_shows "$(e2e_art level1/screen1.png)" package_level1 4
kill -TERM "$E2E_PID"
e2e_wait_exit 0
cfg=$(head -n 2 "$E2E_WORK/home/.local/share/cryptsliders/CryptSLIDERS.cfg")
[ "$cfg" = "$(printf '1.00\n0.75')" ] || e2e_fail "the player's settings file holds '$cfg', want the default volumes"
[ ! -e "$E2E_WORK/CryptSLIDERS.cfg" ] || e2e_fail "settings written where the launcher was started"
