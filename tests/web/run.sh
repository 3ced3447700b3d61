#!/usr/bin/env bash
# run.sh -- builds the web version when it is missing or old, serves it on
# 127.0.0.1 and runs the browser test against it (installing its driver).
# Usage: run.sh NATIVE_BUILD_DIR
set -euo pipefail
native=$(cd "$1" && pwd)
cd "$(dirname "$0")/../.."
source tools/setup.sh
source tools/web-deps.sh
ensure_packages "${WEB_PACKAGES[@]}"
web_env build-web
web_deps build-web
web_build build-web "$native/data" >/dev/null
web_driver build-web
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
# The page is served from its zip, as an HTML5 game site would unpack it.
rm -rf build-web/unzipped
python3 -m zipfile -e build-web/cryptsliders-web.zip build-web/unzipped
python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/unzipped >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
for _ in $(seq 100); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
  sleep 0.1
done
rm -rf build-web/shots build-web/moves
mkdir -p build-web/shots build-web/moves
# The boards the tests play are laid with seed 7 (?seed=7), whose winning
# moves the solver finds.
# Two photos for the picker, as JPEGs the page cannot decode itself (the
# browser does): one red; one blue above green, stored on its side (blue
# left) with the EXIF turn that stands it up.
mkdir -p build-web/photos
convert -size 480x360 xc:'rgb(230,20,20)' build-web/photos/red.jpg
convert -size 240x240 xc:'rgb(20,20,230)' xc:'rgb(20,200,20)' +append build-web/photos/blue-over-green.jpg
exiftool -q -overwrite_original -Orientation=6 -n build-web/photos/blue-over-green.jpg
# The desktop game's frame that the page's must equal.
tests/web/native_frame.sh "$native" build-web/shots/native-password.png 2>/dev/null
tests/web/native_frame.sh "$native" build-web/shots/native-password-de.png de de_DE.UTF-8 2>/dev/null
for level in 1 2 7; do
  "$native/solve" --moves "$native/data" $level 7 >build-web/moves/level$level.moves
done
for test in ${WEB_TESTS:-first_frames language play touch pads photos}; do
  echo "=== $test"
  NODE_PATH=$PWD/build-web/node/node_modules node tests/web/$test.js "http://127.0.0.1:$port/" "$native/data" \
    build-web/shots build-web/moves
done
