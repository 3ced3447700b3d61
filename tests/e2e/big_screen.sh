#!/usr/bin/env bash
# A player on a 3840 x 2160 desktop: a window at twice the size, 1280 x 960,
# is drawn from the art made at that size: its start screen, help page and
# board are no enlargement of the same screens in a 640 x 480 window, by any
# common filter; the buttons and a tile's drag land where the player sees them,
# on a level made by hand with 1x pictures only; Alt+Return shows the same
# board full screen at the desktop's size, 4.5 times, centred between black
# bars and drawn smoothly from the 2x art, and Alt+Return again the window;
# the settings file keeps each choice.
#   big_screen.sh GAME DATA_DIR SCREENSHOT_DIR
# It runs on an X screen of its own of that size.
[ -n "${E2E_BIG_SCREEN:-}" ] ||
    exec env E2E_BIG_SCREEN=1 xvfb-run -a -s "-screen 0 3840x2160x24 -noreset" bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir
# Level 1 of the test's own, its two rows swapped, so that one drag leaves it unfinished.
e2e_level 1 "Big screen" 600 102,101, 104,103,

# colour SHOT X Y -> "R G B"
colour() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:; }
expect_colour() { [ "$(colour "$1" "$2" "$3")" = "$4" ] || e2e_fail "$5: $(colour "$1" "$2" "$3") at $2,$3, want $4: $1"; }
expect_full_screen_line() { [ "$(sed -n 3p "$E2E_WORK/CryptSLIDERS.cfg")" = "$1" ] || e2e_fail "settings: $(tr '\n' ' ' <"$E2E_WORK/CryptSLIDERS.cfg")"; }

# journey K: in a window at scale K, the start screen (its image shown 1:1),
# the help that opens by itself on level 1, and the board, as e2e_big_<K>x_*.
journey() {
    local k=$1 size
    # The board as the level lays it, the window at scale K.
    printf '1.00\n0.75\n0\n-1\n%s\n' "$k" >"$E2E_WORK/CryptSLIDERS.cfg"
    e2e_start
    size=$(xdotool getwindowgeometry "$E2E_WID" | sed -n 's/.*Geometry: //p')
    [ "$size" = "$((640 * k))x$((480 * k))" ] || e2e_fail "the window is $size, want scale $k"
    e2e_key a  # skips the logo; if it has ended already, a letter does nothing on the menu
    e2e_wait_shows "$(e2e_art "base/StartScreen$([ "$k" = 1 ] || echo "@${k}x").png")" "e2e_big_${k}x_start" 4
    click_at $((330 * k)) $((250 * k))  # Play
    e2e_sleep 0.3
    click_at $((320 * k)) $((118 * k))  # New game
    e2e_sleep 1
    e2e_shot "e2e_big_${k}x_help"
    click_at $((325 * k)) $((405 * k))  # close the help
    e2e_sleep 0.5
    e2e_shot "e2e_big_${k}x_board"
    expect_colour "$E2E_SHOT" $((79 * k)) $((104 * k)) "40 220 40" "the first cell before the drag at scale $k"
}

journey 1
kill -TERM "$E2E_PID"
e2e_wait_exit 0
journey 2
# Against the 1x frame enlarged by each filter, a share of the 2x frame's
# pixels differs by more than 3 % of the colour range: the words, edges and
# grain that only art drawn at that size has (3.4 to 6.5 % of the pixels
# against the nearest enlargement, 11 to 19 % against the smooth ones). The
# 1x art drawn at 2x, with only the texts drawn anew, differs in 0.3 % at most.
for screen in start help board; do
    for filter in point triangle catrom lanczos; do
        convert "$E2E_SHOTS/e2e_big_1x_$screen.png" -filter "$filter" -resize 200% "$E2E_WORK/enlarged.png"
        share=$(compare -metric AE -fuzz 3% "$E2E_WORK/enlarged.png" "$E2E_SHOTS/e2e_big_2x_$screen.png" null: 2>&1 |
            awk '{ printf "%.3f", $1 / (1280 * 960) }')
        e2e_log "$screen against the 1x frame enlarged ($filter): $share of the pixels differ"
        awk -v s="$share" 'BEGIN { exit !(s > 0.02) }' ||
            e2e_fail "the 2x $screen is the 1x frame enlarged ($filter): only $share of its pixels differ"
    done
done
e2e_drag 158 208 224 208
e2e_sleep 0.5
e2e_shot e2e_big_window
expect_colour "$E2E_SHOT" 158 208 "220 40 40" "the first cell after the drag"

xdotool key alt+Return
# The whole screen as MIFF (a 4K PNG takes seconds to write): the frame alone
# within the black, the first cell where the frame puts it, and the name below
# the board (logical 224,400 to 416,472) as the game draws it, its 2x image
# enlarged bilinearly (cut with a margin, for the filter to see past its
# edges). Enlarged in blocks, or from the 1x image, 8 % and 18 % of it differ.
E2E_SHOT=$E2E_WORK/full.miff
for _ in $(seq 20); do
    import -window root "$E2E_SHOT" || e2e_fail "no screenshot of the full screen"
    frame=$(convert "$E2E_SHOT" -format '%[fx:p{0,0}.r + p{3839,2159}.r] %@' info:)
    [ "$frame" = "0 2880x2160+480+0" ] && break
    e2e_sleep 0.5
done
[ "$frame" = "0 2880x2160+480+0" ] || e2e_fail "full screen: not the frame at 4.5 x between black bars: $frame"
expect_colour "$E2E_SHOT" 835 468 "220 40 40" "the first cell full screen (4.5 x, 480 pixels in)"
convert "$E2E_SHOT" -crop 864x324+1488+1800 +repage "$E2E_SHOTS/e2e_big_full_name.png"
convert "$(e2e_art base/GameBoard@2x.png)" -crop 416x176+432+784 +repage -filter triangle -resize '936x396!' \
    -crop 864x324+36+36 +repage "$E2E_WORK/smooth.png"
share=$(compare -metric AE -fuzz 3% "$E2E_SHOTS/e2e_big_full_name.png" "$E2E_WORK/smooth.png" null: 2>&1 |
    awk '{ printf "%.4f", $1 / (864 * 324) }')
e2e_log "the name below the board full screen: $share of it differs from its 2x image enlarged bilinearly"
awk -v s="$share" 'BEGIN { exit !(s < 0.01) }' ||
    e2e_fail "full screen at 4K is not the 2x art drawn smoothly: $E2E_SHOTS/e2e_big_full_name.png"
expect_full_screen_line 1

xdotool key alt+Return
e2e_sleep 1.5
E2E_WID=$(xdotool search --onlyvisible --name '^CryptSLIDERS$' | head -n 1)
size=$(xdotool getwindowgeometry "$E2E_WID" | sed -n 's/.*Geometry: //p')
[ "$size" = 1280x960 ] || e2e_fail "back in a window of $size, want 1280x960"
e2e_shot e2e_big_window_again
expect_colour "$E2E_SHOT" 158 208 "220 40 40" "the first cell in the window again"
expect_full_screen_line 0
kill -TERM "$E2E_PID"
e2e_wait_exit 0
