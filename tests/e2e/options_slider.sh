#!/usr/bin/env bash
# The options panel through the real window, first on a machine without a
# sound device (the game plays silently): skip the logo, open the options,
# drag the music knob to the left with the mouse, press back, quit with
# Escape. The settings file holds the new volume, and a second start shows the
# knob where it was left.
#   options_slider.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# The music track, where the knob is drawn: x 250..520, y 251..289.
music_band() {
    convert "$1" -crop 270x39+250+251 +repage "$2" || e2e_fail "cannot crop $1"
}

# Starts the game (with the extra environment given), skips the logo and
# opens the options from the menu.
open_options() {
    local name=$1
    shift
    e2e_start "$@"
    e2e_wait_window 10
    e2e_key space
    e2e_wait_shows "$E2E_DATA/base/StartScreen.png" "e2e_options_${name}_start" 4
    click_at 300 290
    e2e_sleep_alive 0.5
    e2e_shot "e2e_options_$name"
    e2e_expect_different "$E2E_SHOT" "$E2E_DATA/base/StartScreen.png" "options panel over the start screen"
}

# The first time without a sound device: the game says so and plays silently.
e2e_workdir
open_options silent SDL_AUDIODRIVER=nonexistent
e2e_expect_line "SDL_Init: " "Mix_OpenAudio: "
music_band "$E2E_SHOT" "$E2E_WORK/band_default.png"

# Drag the music knob (centred at x 429.5 for the default 0.75) to x 300, in
# steps, and let go below its band, so that only the drag sets the value.
pointer_to 429 270
xdotool mousedown 1
for x in 400 370 340 310 300; do
    pointer_to "$x" 270
    sleep 0.05
done
pointer_to 300 330
xdotool mouseup 1
e2e_sleep_alive 0.3
e2e_shot e2e_options_dragged
music_band "$E2E_SHOT" "$E2E_WORK/band_dragged.png"
e2e_expect_different "$E2E_WORK/band_default.png" "$E2E_WORK/band_dragged.png" "music knob after the drag"

# Back saves and returns to the menu; Escape there ends the game.
click_at 320 405
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" e2e_options_closed 3
e2e_key Escape
e2e_wait_exit 10
e2e_expect_status 0

cfg="$E2E_WORK/CryptSLIDERS.cfg"
[ -f "$cfg" ] || e2e_fail "no settings file written"
e2e_log "settings file: $(tr '\n' ' ' <"$cfg")"
# x 300 on the 214-pixel track from 269: 31/214 = 0.1449, saved with two decimals.
[ "$(cat "$cfg")" = "$(printf '1.00\n0.14')" ] || e2e_fail "settings file holds $(cat "$cfg"), want 1.00 and 0.14"

# A second start reads it back: the knob stands where the drag left it.
open_options second
music_band "$E2E_SHOT" "$E2E_WORK/band_again.png"
diff=$(e2e_difference "$E2E_WORK/band_dragged.png" "$E2E_WORK/band_again.png")
e2e_log "music knob after restart: RMS difference from the dragged one $diff"
awk -v d="$diff" 'BEGIN { exit !(d < 0.05) }' || e2e_fail "the knob is not where it was left (RMS difference $diff)"
e2e_expect_different "$E2E_WORK/band_default.png" "$E2E_WORK/band_again.png" "music knob after restart vs default"
e2e_key Escape
e2e_key Escape
e2e_wait_exit 10
e2e_expect_status 0
e2e_log PASS
