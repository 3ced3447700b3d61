#!/usr/bin/env bash
# play.sh -- builds CryptSLIDERS (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
ensure_packages "${GAME_PACKAGES[@]}"
setup_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The game reads data/ and writes its settings file in its working directory.
cd build
echo "Starting CryptSLIDERS"
exec ./cryptsliders
