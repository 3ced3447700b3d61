#!/usr/bin/env bash
# A new player's first game through the real window, with the mouse: the start
# screen's play and new game buttons, the help closed, a tile dragged so the
# goal picture stands whole, the win screen with its password, the next level
# lost when its time runs out, and back to the start screen.
#   play_level.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir
# Levels of the test's own, in place of the shipped first two; no opening images.
rm -rf "$E2E_WORK/data/opening" "$E2E_WORK/data/level1" "$E2E_WORK/data/level2"
for level in 1 2; do
    dir="$E2E_WORK/data/level$level"
    mkdir -p "$dir"
    # A 2 x 2 picture whose four cells are red, green, blue and yellow.
    convert -size 33x33 xc:'rgb(220,40,40)' xc:'rgb(40,220,40)' +append \
        \( -size 33x33 xc:'rgb(40,40,220)' xc:'rgb(230,230,40)' +append \) -append "$dir/owl.png" ||
        e2e_fail "cannot make the test picture"
    time=$([ $level = 1 ] && echo 120 || echo 4)
    board=$(printf '%s' "102,101," ; printf '0,%.0s' $(seq 7); printf '%s' "103,104,"; printf '0,%.0s' $(seq 70))
    printf 'name=Test level %s\nrotate=0\ntime=%s\nmatch=1\npic=1,2,2,66,66,owl.png\ndata=%s\n' \
        "$level" "$time" "$board" >"$dir/level.dat"
done
# The board stays as the level file lays it.
printf '1.00\n0.75\n0\n-1\n' >"$E2E_WORK/CryptSLIDERS.cfg"

e2e_start
e2e_wait_window 10
e2e_key space
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" e2e_play_start 4
click_at 330 250   # play: the password panel
e2e_sleep_alive 0.3
click_at 320 118   # new game
e2e_sleep_alive 1
e2e_shot e2e_play_help
click_at 325 405   # the help opens by itself on level 1: close it
e2e_sleep_alive 0.5
e2e_shot e2e_play_board
# Cell (0, 0) holds the green cell, cell (1, 0) the red one.
e2e_log "cells (0,0) and (1,0): $(e2e_pixel "$E2E_SHOT" 79 104) / $(e2e_pixel "$E2E_SHOT" 112 104)"
[ "$(e2e_pixel "$E2E_SHOT" 79 104)" = "40 220 40" ] || e2e_fail "the board does not show the level's first tile: $E2E_SHOT"

e2e_drag 79 104 112 104
e2e_sleep_alive 0.2
e2e_shot e2e_play_zoom
e2e_sleep_alive 3
e2e_shot e2e_play_won
yellow=$(e2e_count_yellow "$E2E_SHOT" 200 280 240 46)
e2e_log "yellow pixels of the password: $yellow"
[ "$yellow" -gt 50 ] || e2e_fail "the win screen shows no password: $E2E_SHOT"

click_at 325 405   # continue: level 2, whose four seconds run out
e2e_sleep_alive 1
e2e_shot e2e_play_level2
e2e_sleep_alive 6
e2e_shot e2e_play_lost
e2e_expect_different "$E2E_SHOT" "$E2E_SHOTS/e2e_play_level2.png" "lose screen over level 2"
click_at 396 405   # quit
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" e2e_play_back 4
e2e_key Escape
e2e_wait_exit 10
e2e_expect_status 0
e2e_log PASS
