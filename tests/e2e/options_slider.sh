#!/usr/bin/env bash
# The options panel on a machine without a sound device, where the game says
# so and plays silently: the music knob dragged to the left, back, Escape. The
# settings file holds the new volume, and a second start shows the knob where
# it was left.
#   options_slider.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# open_options NAME [ENV...]: a start, the logo skipped, the options opened
# from the menu; the music track, where the knob is drawn, cut to NAME.png.
open_options() {
    local name=$1
    shift
    e2e_start "$@"
    e2e_key a  # skips the logo; if it has ended already, a letter does nothing on the menu
    e2e_wait_shows "$(e2e_art base/StartScreen.png)" e2e_options_start 4
    click_at 300 320
    e2e_sleep 0.5
    e2e_shot "e2e_options_$name"
    convert "$E2E_SHOT" -crop 270x39+250+251 +repage "$E2E_WORK/$name.png"
}

e2e_workdir
open_options default SDL_AUDIODRIVER=nonexistent
e2e_expect_line "SDL_Init: " "Mix_OpenAudio: "
# The knob stands at x 429.5 for the default 0.75: dragged to x 300 and let go
# below its band, so that only the drag sets the value.
e2e_drag 429 270 300 270 300 330
e2e_sleep 0.3
e2e_shot e2e_options_dragged
convert "$E2E_SHOT" -crop 270x39+250+251 +repage "$E2E_WORK/dragged.png"
e2e_expect "$E2E_WORK/default.png" "$E2E_WORK/dragged.png" '>' 0.05 "music knob after the drag"
click_at 320 405 # back saves and returns to the menu
e2e_wait_shows "$(e2e_art base/StartScreen.png)" e2e_options_closed 3
e2e_key Escape
e2e_wait_exit 0

# x 300 on the 214-pixel track from 269: 31/214 = 0.1449, saved with two decimals.
cfg=$(cat "$E2E_WORK/CryptSLIDERS.cfg")
[ "$cfg" = "$(printf '1.00\n0.14')" ] || e2e_fail "settings file holds '$cfg', want 1.00 and 0.14"
open_options again
e2e_expect "$E2E_WORK/dragged.png" "$E2E_WORK/again.png" '<' 0.05 "music knob after a second start"
e2e_key Escape
e2e_key Escape
e2e_wait_exit 0
