#!/usr/bin/env bash
# The game as a player starts it from the package: the launcher unpacked into
# a scratch root, a fresh home, started from another directory. The owl logo
# shows, Escape skips it, the options panel's back button saves the settings,
# Escape quits with status 0; the settings file lies in the player's directory
# ~/.local/share/cryptsliders, not where the launcher was started.
#   deb_play.sh ROOT SCREENSHOT_DIR
source "$(dirname "$0")/../e2e/lib.sh"
root=$(realpath "$1")
e2e_init "$root/usr/bin/cryptsliders" "$root/usr/share/cryptsliders/data" "$2"
E2E_NAME=package_play E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/cryptsliders-package.XXXXXX")
mkdir "$E2E_WORK/home"

e2e_start -u XDG_DATA_HOME HOME="$E2E_WORK/home"
e2e_wait_shows "$E2E_DATA/base/BrassOwl.png" package_logo 4
e2e_key Escape
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" package_start 4
click_at 300 295
e2e_sleep 0.5
e2e_shot package_options
e2e_expect "$E2E_SHOT" "$E2E_DATA/base/StartScreen.png" '>' 0.05 "options panel"
click_at 326 405
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" package_options_closed 3
e2e_key Escape
e2e_wait_exit 0
cfg=$(head -n 2 "$E2E_WORK/home/.local/share/cryptsliders/CryptSLIDERS.cfg")
[ "$cfg" = "$(printf '1.00\n0.75')" ] || e2e_fail "the player's settings file holds '$cfg', want the default volumes"
[ ! -e "$E2E_WORK/CryptSLIDERS.cfg" ] || e2e_fail "settings written where the launcher was started"
