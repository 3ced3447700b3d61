#!/usr/bin/env bash
# Pictures on the command line, as a file manager's "Open with" gives them: the
# game starts straight into a level of them, and every tile on the board is a
# cell of one of the pictures, all of them there. Then a folder of files that
# cannot be played: one line on stderr for each, naming it, the panel instead
# of a level, and the game goes on as usual.
#   own_pictures.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir
# "Photos" of three shapes, each a plasma of its own colours; at the middle
# difficulty they take 3 x 3, 4 x 2 and 3 x 4 cells.
p=$E2E_WORK/photos
mkdir -p "$p/bad/sub"
convert -seed 3 -size 600x600 plasma:red-yellow "$p/square.jpg"
convert -seed 4 -size 800x400 plasma:green-blue "$p/wide.png"
convert -seed 5 -size 450x600 plasma:purple-white "$p/tall.gif"
E2E_ARGS=("$p/square.jpg" "$p/wide.png" "$p/tall.gif")
e2e_start HOME="$E2E_WORK"
e2e_sleep 3
e2e_shot own_pictures_clue
e2e_key space
e2e_sleep 1
e2e_shot own_pictures_board

e2e_board_shows "$p/square.jpg:3x3" "$p/wide.png:4x2" "$p/tall.gif:3x4"
kill "$E2E_PID"
e2e_wait_exit 0

# The folder of nothing usable.
head -c 700 "$p/square.jpg" >"$p/bad/cut.jpg"
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\1\x86\xa0\0\1\x86\xa0\x08\x02\0\0\0\0\0\0\0' >"$p/bad/huge.png"
echo "a note" >"$p/bad/notes.jpg"
: >"$p/bad/zero.png"
E2E_ARGS=("$p/bad")
e2e_start HOME="$E2E_WORK"
e2e_sleep 2
for f in cut.jpg huge.png notes.jpg zero.png sub; do
    grep -q "^cryptsliders: $p/bad/$f: [a-z]" "$E2E_WORK/stderr.txt" || e2e_fail "no line for $f"
done
[ "$(wc -l <"$E2E_WORK/stderr.txt")" = 5 ] || e2e_fail "more than a line for each file"
e2e_log "$(cat "$E2E_WORK/stderr.txt")"
e2e_shot own_pictures_none
e2e_expect "$E2E_SHOT" "$E2E_DATA/base/StartScreen.png" '>' 0.05 "the panel over the start screen"
click_at 374 400 # back
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" own_pictures_start 3
click_at 330 280 # your pictures: the player's folder, which is missing
e2e_sleep 0.5
e2e_shot own_pictures_folder
e2e_expect "$E2E_SHOT" "$E2E_DATA/base/StartScreen.png" '>' 0.05 "the panel says where to put pictures"
[ ! -e "$E2E_WORK/Pictures" ] || e2e_fail "the game made a pictures folder"
e2e_key Escape
e2e_wait_shows "$E2E_DATA/base/StartScreen.png" own_pictures_back 3
e2e_key Escape
e2e_wait_exit 0
