#!/usr/bin/env bash
# bench/web.sh [IDLE_SECONDS] -- builds the page (as the browser tests do) and
# measures it in headless Chromium from 127.0.0.1 (bench/web_bench.js).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
source tools/web-deps.sh
ensure_packages "${GAME_PACKAGES[@]}" "${WEB_PACKAGES[@]}"
setup_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
web_env build-web
web_deps build-web >/dev/null
web_build build-web "$PWD/build/data" >/dev/null
web_driver build-web
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
sleep 1
NODE_PATH=$PWD/build-web/node/node_modules node bench/web_bench.js "http://127.0.0.1:$port/" build-web/site "${1:-10}"
