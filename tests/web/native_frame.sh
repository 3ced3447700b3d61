#!/usr/bin/env bash
# native_frame.sh GAME_BUILD_DIR OUT.png [LANGUAGE LOCALE] -- the desktop
# game's password panel with "owlet" typed, in a window of 640 x 480 on an X
# screen of its own (in English, or in the language of a player with that
# locale): the frame the page must draw the same, with the same art, words
# and font.
set -euo pipefail
[ -n "${NATIVE_FRAME_SCREEN:-}" ] ||
  exec env NATIVE_FRAME_SCREEN=1 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 640x480x24 -noreset" bash "$0" "$@"
build=$(realpath "$1")
work=$(mktemp -d)
language=(LANGUAGE=en)
[ -z "${3:-}" ] || language=(LANGUAGE="$3" LANG="$4" CRYPTSLIDERS_LOCALEDIR="$build/locale")
(cd "$work" && ln -s "$build/data" data && exec env "${language[@]}" "$build/cryptsliders") >/dev/null 2>&1 &
game=$!
trap 'kill $game 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  wid=$(xdotool search --onlyvisible --name '^CryptSLIDERS$' 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
  sleep 0.1
done
sleep 1
xdotool key --window "$wid" space
sleep 2.5
xdotool mousemove --window "$wid" --sync 330 250 click 1
sleep 0.5
xdotool type --window "$wid" owlet
sleep 0.5
# Pixels alone: a gamma chunk would have the browser that compares them shift them.
import -window root -strip -define png:exclude-chunks=gAMA,cHRM,bKGD "$2"
