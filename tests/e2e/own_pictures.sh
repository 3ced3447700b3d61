#!/usr/bin/env bash
# Pictures on the command line, as a file manager's "Open with" gives them: the
# game starts straight into a level of them (one named twice is one), and
# every tile on the board is a cell of one of the pictures, all of them there. Then a folder of files that
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
E2E_ARGS=("$p/square.jpg" "$p/wide.png" "$p/tall.gif" "$p/square.jpg")
e2e_start HOME="$E2E_WORK"
e2e_sleep 3
grep -q "^cryptsliders: $p/square.jpg: named twice" "$E2E_WORK/stderr.txt" || e2e_fail "a picture named twice is not one"
e2e_shot own_pictures_clue
e2e_key space
e2e_sleep 1
e2e_shot own_pictures_board

# Each picture at its size in cells, sampled 3 x 3 to a cell; the board the same.
samples() { convert "$1" -resize "$2!" -scale "$3!" -depth 8 txt:- | sed -n 's/^\([0-9]*\),\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4 \5/p'; }
{
    samples "$p/square.jpg" 99x99 9x9 | sed 's/^/P square 3 /'
    samples "$p/wide.png" 132x66 12x6 | sed 's/^/P wide 4 /'
    samples "$p/tall.gif" 99x132 9x12 | sed 's/^/P tall 3 /'
    convert "$E2E_SHOT" -crop 297x297+63+88 -scale 27x27! -depth 8 txt:- |
        sed -n 's/^\([0-9]*\),\([0-9]*\): (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/B \1 \2 \3 \4 \5/p'
} | awk '
    $1 == "P" { t = $2 "," int($4 / 3) "," int($5 / 3); tiles[t] = 1; k = ($4 % 3) * 3 + $5 % 3; pic[t, k] = $6 " " $7 " " $8 }
    $1 == "B" { c = int($2 / 3) "," int($3 / 3); cells[c] = 1; k = ($2 % 3) * 3 + $3 % 3; board[c, k] = $4 " " $5 " " $6 }
    END {
        for (t in tiles) {
            found = 0
            for (c in cells) {
                d = 0
                for (k = 0; k < 9; k++) {
                    split(pic[t, k], a, " "); split(board[c, k], b, " ")
                    for (i = 1; i <= 3; i++) d += (a[i] > b[i] ? a[i] - b[i] : b[i] - a[i])
                }
                if (d / 27 < 14) { found = 1; break }
            }
            n++; if (!found) { missing++; print "no board cell shows tile " t }
        }
        printf "%d tiles of the pictures, %d not on the board\n", n, missing
        exit !(n == 29 && missing == 0)
    }' || e2e_fail "the board does not show the pictures' tiles: $E2E_SHOT"
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
