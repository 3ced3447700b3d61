#!/usr/bin/env bash
# A folder of files that cannot be played, on the command line: one line on
# stderr for each, naming it, the panel instead of a level, and the game goes
# on as usual; the panel's own folder, missing, is not made. (Pictures that
# can be played, as real tools write them, are real_pictures.sh's.)
#   own_pictures.sh GAME DATA_DIR SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

e2e_workdir
p=$E2E_WORK/photos
mkdir -p "$p/bad/sub"
convert -seed 3 -size 600x600 plasma:red-yellow "$p/square.jpg"

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
e2e_expect "$E2E_SHOT" "$(e2e_art base/StartScreen.png)" '>' 0.05 "the panel over the start screen"
click_at 374 400 # back
e2e_wait_shows "$(e2e_art base/StartScreen.png)" own_pictures_start 3
click_at 330 280 # your pictures: the player's folder, which is missing
e2e_sleep 0.5
e2e_shot own_pictures_folder
e2e_expect "$E2E_SHOT" "$(e2e_art base/StartScreen.png)" '>' 0.05 "the panel says where to put pictures"
[ ! -e "$E2E_WORK/Pictures" ] || e2e_fail "the game made a pictures folder"
e2e_key Escape
e2e_wait_shows "$(e2e_art base/StartScreen.png)" own_pictures_back 3
e2e_key Escape
e2e_wait_exit 0
