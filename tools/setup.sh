#!/usr/bin/env bash
# setup.sh -- installs the Debian packages the build needs, then configures and builds.
# Sourced by play.sh and test.sh. Usage: setup_build BUILD_DIR [cmake options...]
set -euo pipefail

# dpkg-dev: dpkg-buildflags gives the hardening flags of the optimised build,
# and dpkg-shlibdeps the .deb's library dependencies.
GAME_PACKAGES=(cmake g++ make pkg-config dpkg-dev
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libfreetype-dev
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libjpeg62-turbo-dev libpng-dev libtiff-dev libexif-dev libwebp-dev libheif-dev
  libcairo2-dev libsndfile1-dev fonts-linuxlibertine
  librsvg2-dev libpango1.0-dev libfontconfig-dev libfluidsynth-dev fluid-soundfont-gm
  libwebp-dev libvorbis-dev optipng gettext)
# The package tests validate the desktop files and the manual page, and check
# the .debs with lintian; the help pages are read by OCR; the game runs again
# on sdl12-compat (beside SDL 1.2, in a directory of its own) under a window
# manager; pictures are made as real tools write them (exiftool, img2webp,
# libtiff's tools, libheif's and libavif's encoders) for the game to read.
TEST_PACKAGES=(libgtest-dev xvfb xauth xdotool imagemagick libheif-examples libavif-bin
  desktop-file-utils appstream groff-base lintian tesseract-ocr tesseract-ocr-eng
  libsdl1.2-compat openbox libimage-exiftool-perl webp libtiff-tools
  tesseract-ocr-deu tesseract-ocr-fra tesseract-ocr-spa locales)

# Installs whatever of the given packages is missing; a second run costs one dpkg query.
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing ${#missing[@]} Debian packages and what they need (on a fresh machine a few" \
    "hundred MB to download: minutes): ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Generates the named locales (as "de_DE.UTF-8") that the system lacks, as a
# player's system has them for their language.
ensure_locales() {
  local missing=() l
  for l in "$@"; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || missing+=("$l")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Generating the locales ${missing[*]}"
  for l in "${missing[@]}"; do
    grep -qx "$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  done
  $sudo locale-gen >/dev/null
}

setup_build() {
  local dir=$1
  shift
  echo "Configuring the build in $dir/"
  cmake -S . -B "$dir" "$@" >/dev/null
  echo "Building the game and its tools, then drawing its art and rendering its music, in $dir/" \
    "(the first time 1 to 2 minutes on two cores)"
  cmake --build "$dir" -j"$(nproc)"
}
