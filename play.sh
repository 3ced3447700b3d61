#!/usr/bin/env bash
# play.sh -- builds CryptSLIDERS (installing what is missing) and starts it.
#   ./play.sh          the game in a window
#   ./play.sh --web    the game built for the browser in build-web/, served at http://127.0.0.1:8000/
#                      (build-web/site/ is what any static host serves; build-web/cryptsliders-web.zip the same)
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
ensure_packages "${GAME_PACKAGES[@]}"
setup_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "${1:-}" = "--web" ]; then
  source tools/web-deps.sh
  ensure_packages "${WEB_PACKAGES[@]}"
  web_env build-web
  web_deps build-web
  web_build build-web "$PWD/build/data"
  echo "CryptSLIDERS is served at http://127.0.0.1:8000/ (Ctrl+C ends it)"
  exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/site
fi
# The game reads data/ and writes its settings file in its working directory.
cd build
echo "Starting CryptSLIDERS"
exec ./cryptsliders
