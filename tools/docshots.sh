#!/usr/bin/env bash
# docshots.sh -- makes the README's pictures: docs/play.png and docs/clue.png
# from frames of the real game in a window at twice the size, drawn from the
# 2x art, docs/start-de.png the same way from a German player's start screen,
# and docs/photos.png from the frames the pictures test saves.
#
#   tools/docshots.sh [LEVEL] [BUILD_DIR]     (after ./test.sh; LEVEL 2 to 20, default 6)
#
# The game runs on an X screen of its own, 1920 x 1080, in a scratch working
# directory; the password of the level before opens LEVEL; its first clue
# image and its shuffled board are taken and halved to 640 x 480 (so they stay
# sharp on a screen of twice the density), reduced to 256 colours. The level
# of photos is the pictures test's, its clue image beside its board half-way,
# halved to 640 x 240.
set -euo pipefail
[ -n "${DOCSHOTS_SCREEN:-}" ] ||
    exec env DOCSHOTS_SCREEN=1 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" bash "$0" "$@"
cd "$(dirname "$0")/.."
level=${1:-6}
build=$(realpath "${2:-build}")
shots=$build/screenshots
password=$(sed -n "s/^level=$((level - 1)),\([a-z]*\).*/\1/p" data/levels.dat)
[ -n "$password" ] || { echo "docshots: no password opens level $level" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/cryptsliders-docshots.XXXXXX")
mkdir -p docs

# The game's own window, and its death with the script.
(cd "$work" && ln -s "$build/data" data && printf '1.00\n0.00\n0\n0\n2\n' >CryptSLIDERS.cfg && exec env LANGUAGE=en "$build/cryptsliders") \
    >"$work/stdout.txt" 2>&1 &
game=$!
trap 'kill "$game" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^CryptSLIDERS$' 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
    sleep 0.1
done
[ -n "${wid:-}" ] || { echo "docshots: the game opened no window" >&2; exit 1; }
key() { xdotool windowfocus --sync "$wid" 2>/dev/null; xdotool key --clearmodifiers "$@"; sleep "${pause:-1}"; }
click() { xdotool mousemove --window "$wid" --sync "$1" "$2"; xdotool click 1; sleep 0.5; }

pause=2 key space           # past the logo
click 660 500               # Play: the password panel
key BackSpace
xdotool type --delay 80 "$password"
key Return                  # the level's chamber
key space                   # its first clue
import -window "$wid" "$work/clue.png"
# Into play: past each further clue image, and the help where the level opens it.
presses=$(ls "$build/data/level$level"/clue[0-9].png | wc -l)
grep -qi "^data=$level," data/help/help.dat && presses=$((presses + 1))
for _ in $(seq "$presses"); do key Escape; done
import -window "$wid" "$work/play.png"

for shot in play clue; do
    [ "$(identify -format '%wx%h' "$work/$shot.png")" = 1280x960 ] || { echo "docshots: $shot is no 2x frame" >&2; exit 1; }
    convert "$work/$shot.png" -resize 640x480 -strip -colors 256 -define png:compression-level=9 "docs/$shot.png"
    echo "docshots: docs/$shot.png, level $level at 2x ($(du -h "docs/$shot.png" | cut -f1))"
done

# A German player's start screen, in a game of its own.
kill "$game" 2>/dev/null
wait "$game" 2>/dev/null
(cd "$work" && rm -f CryptSLIDERS.sav && exec env LANGUAGE=de LANG=de_DE.UTF-8 CRYPTSLIDERS_LOCALEDIR="$build/locale" \
    "$build/cryptsliders") >"$work/stdout-de.txt" 2>&1 &
game=$!
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^CryptSLIDERS$' 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
    sleep 0.1
done
pause=3 key space
import -window "$wid" "$work/start-de.png"
convert "$work/start-de.png" -resize 640x480 -strip -colors 256 -define png:compression-level=9 docs/start-de.png
echo "docshots: docs/start-de.png, the start screen in German at 2x ($(du -h docs/start-de.png | cut -f1))"

for frame in pictures_clue pictures_half; do
    [ -f "$shots/$frame.png" ] || { echo "docshots: no $frame.png in $shots: run ./test.sh first" >&2; exit 1; }
done
convert "$shots/pictures_clue.png" "$shots/pictures_half.png" +append -resize 640x240 -strip -colors 256 \
    -define png:compression-level=9 docs/photos.png
echo "docshots: docs/photos.png from the pictures test's frames ($(du -h docs/photos.png | cut -f1))"

