#!/usr/bin/env bash
# docshots.sh -- makes the README's pictures, docs/play.png, docs/clue.png and
# docs/photos.png, from the frames the integration tests save of the real game.
#
#   tools/docshots.sh [LEVEL] [BUILD_DIR]     (after ./test.sh; LEVEL defaults to 6)
#
# The playthrough test plays every shipped level and saves each board halfway
# to its solution (playthrough_levelN.png) and each level's first clue image
# (playthrough_clue_levelN.png). Those are used when the data tree has the
# level's pictures; before it has, the game-flow test's frames with its own
# test pictures stand in (game_play.png, game_clue_image.png), and the script
# says so. The level of photos is the pictures test's, its clue image beside
# its board half-way. The pictures are halved to 320 x 240 and reduced to 256 colours.
set -euo pipefail
cd "$(dirname "$0")/.."
level=${1:-6}
build=${2:-build}
shots=$build/screenshots
mkdir -p docs

# pick WHAT REAL FALLBACK  -> path of the frame to use
pick() {
    if [ -f "$shots/$2" ]; then
        echo "$shots/$2"
    elif [ -f "$shots/$3" ]; then
        echo "docshots: $1 from the test pictures ($3): the shipped levels have none yet" >&2
        echo "$shots/$3"
    else
        echo "docshots: no frame for $1 in $shots: run ./test.sh first" >&2
        exit 1
    fi
}

play=$shots/playthrough_level$level.png
if ! ls "$build/data/level$level"/*.png >/dev/null 2>&1; then
    play=""  # the board would be empty: the level's pictures are not in the data tree
fi
[ -n "$play" ] && [ -f "$play" ] || play=$(pick play "" game_play.png)
clue=$(ls "$shots"/playthrough_clue_level"$level".png "$shots"/playthrough_clue_level*.png 2>/dev/null | head -n 1 || true)
[ -n "$clue" ] || clue=$(pick "clue image" "" game_clue_image.png)

for pair in "$play:docs/play.png" "$clue:docs/clue.png"; do
    convert "${pair%%:*}" -resize 320x240 -strip -colors 256 -define png:compression-level=9 "${pair#*:}"
    echo "docshots: ${pair#*:} from ${pair%%:*} ($(du -h "${pair#*:}" | cut -f1))"
done

photos=$(pick "level of photos" pictures_clue.png "")
convert "$photos" "$shots/pictures_half.png" +append -resize 640x240 -strip -colors 256 \
    -define png:compression-level=9 docs/photos.png
echo "docshots: docs/photos.png from $photos and pictures_half.png ($(du -h docs/photos.png | cut -f1))"
