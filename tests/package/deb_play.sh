#!/usr/bin/env bash
# The game as a player starts it from the package: the installed launcher,
# unpacked into a scratch root, under a fresh home directory. The owl logo
# shows; Escape skips it; the options panel's back button saves the settings;
# Escape quits with status 0. The settings file and the data link lie in
# ~/.local/share/cryptsliders, where the launcher puts the player's directory,
# and a second start reads the settings back from there.
#   deb_play.sh ROOT SCREENSHOT_DIR
source "$(dirname "$0")/../e2e/lib.sh"
root=$(realpath "$1")
e2e_init "$root/usr/bin/cryptsliders" "$root/usr/share/cryptsliders/data" "$2"
E2E_NAME=package_play

e2e_workdir
home=$E2E_WORK/home
mkdir "$home"
player=$home/.local/share/cryptsliders

# start_installed  -- the launcher with the scratch home, from another directory
start_installed() {
    e2e_start -u XDG_DATA_HOME HOME="$home"
    e2e_wait_window 10
}

start_installed
e2e_sleep_alive 2.5
e2e_shot package_logo
e2e_expect_not_black "$E2E_SHOT" "logo from the installed game"
e2e_expect_shows "$E2E_SHOT" "$E2E_DATA/base/BrassOwl.png" "logo from the installed game"

e2e_key Escape
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" package_start 4
click_at 300 295
e2e_sleep_alive 0.5
e2e_shot package_options
e2e_expect_different "$E2E_SHOT" "$E2E_DATA/base/StartScreen.png" "options panel"
click_at 326 405
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" package_options_closed 3
e2e_key Escape
e2e_wait_exit 10
e2e_expect_status 0

cfg=$player/CryptSLIDERS.cfg
[ -f "$cfg" ] || e2e_fail "no settings file in $player: $(ls -A "$player")"
e2e_log "settings file: $(tr '\n' ' ' <"$cfg")"
[ "$(head -n 2 "$cfg")" = "$(printf '1.00\n0.75')" ] || e2e_fail "settings file holds $(cat "$cfg"), want the default volumes"
[ "$(readlink "$player/data")" = "$E2E_DATA" ] || e2e_fail "data links to $(readlink "$player/data")"
[ -z "$(find "$player" -maxdepth 1 \( -name 'CryptSLIDERS.cfg.*' -o -name '.write-test*' \))" ] ||
    e2e_fail "left-over temporary files in $player: $(ls -A "$player")"
[ ! -e "$E2E_WORK/CryptSLIDERS.cfg" ] || e2e_fail "settings written to the directory the launcher was started from"

# A hand-set volume in that file is what the second start shows: the music
# knob moves from its default place.
music_band() {
    convert "$1" -crop 270x39+250+251 +repage "$2" || e2e_fail "cannot crop $1"
}
music_band "$E2E_SHOTS/package_options.png" "$E2E_WORK/band_default.png"
printf '1.00\n0.10\n' >"$cfg"
start_installed
e2e_key Escape
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" package_start_again 4
click_at 300 295
e2e_sleep_alive 0.5
e2e_shot package_options_again
music_band "$E2E_SHOT" "$E2E_WORK/band_again.png"
e2e_expect_different "$E2E_WORK/band_default.png" "$E2E_WORK/band_again.png" "music knob read from the player's settings"
e2e_key Escape
e2e_key Escape
e2e_wait_exit 10
e2e_expect_status 0
e2e_log PASS
