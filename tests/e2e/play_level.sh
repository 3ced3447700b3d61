#!/usr/bin/env bash
# A new player's first game with the mouse: the start screen's play and new
# game buttons, the help closed, a tile dragged so the goal picture stands
# whole, the win screen with its password and the win kept in the progress
# file, the next level lost when its time runs out, and back to the start screen.
#   play_level.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir
# Levels of the test's own in place of the shipped first two, with no opening
# images, laid with their top two cells swapped; level 2 has three seconds.
e2e_level 1 "Test level 1" 120 102,101, 103,104,
e2e_level 2 "Test level 2" 3 102,101, 103,104,
printf '1.00\n0.75\n0\n-1\n' >"$E2E_WORK/CryptSLIDERS.cfg"  # the board stays as the level file lays it

e2e_start
e2e_key a  # skips the logo; if it has ended already, a letter does nothing on the menu
e2e_wait_shows "$(e2e_art base/StartScreen.png)" e2e_play_start 4
click_at 330 250 # play: the password panel
e2e_sleep 0.3
click_at 320 118 # new game
e2e_sleep 1
click_at 325 405 # the help opens by itself on level 1: close it
e2e_sleep 0.5
e2e_shot e2e_play_board
pixel=$(convert "$E2E_SHOT" -format '%[fx:int(255*p{79,104}.r)] %[fx:int(255*p{79,104}.g)] %[fx:int(255*p{79,104}.b)]' info:)
[ "$pixel" = "40 220 40" ] || e2e_fail "the first cell shows $pixel, not the level's green tile: $E2E_SHOT"

e2e_drag 79 104 112 104
# The password is written in yellow below the win text, after the zoom and the
# banner (about 3 s; longer on a loaded machine, whose frames come slower).
for _ in $(seq 20); do
    e2e_sleep 0.5 && e2e_shot e2e_play_won
    yellow=$(convert "$E2E_SHOT" -crop 240x46+200+280 +repage txt:- |
        awk -F'[(),]' 'NR > 1 && $3 > 200 && $4 > 200 && $5 < 90 { n++ } END { print n + 0 }')
    [ "$yellow" -le 50 ] || break
done
[ "$yellow" -gt 50 ] || e2e_fail "the win screen shows no password ($yellow yellow pixels): $E2E_SHOT"
# The win is kept in the progress file beside the settings.
grep -qx 'reached=1' "$E2E_WORK/CryptSLIDERS.sav" || e2e_fail "no progress file with level 1 won in $E2E_WORK"

click_at 325 405 # continue: level 2, whose three seconds run out
e2e_sleep 1
e2e_shot e2e_play_level2
e2e_sleep 5
e2e_shot e2e_play_lost
e2e_expect "$E2E_SHOT" "$E2E_SHOTS/e2e_play_level2.png" '>' 0.05 "lose screen over level 2"
click_at 396 405 # quit
e2e_wait_shows "$(e2e_art base/StartScreen.png)" e2e_play_back 4
e2e_key Escape
e2e_wait_exit 0
[ ! -s "$E2E_WORK/stdout.txt" ] || e2e_fail "a normal game printed: $(cat "$E2E_WORK/stdout.txt")"
