#!/usr/bin/env bash
# web-deps.sh -- the C libraries the web build links, built with emcc from Debian's
# own sources into build-web/deps/ (static libraries, headers, pkg-config files).
# Sourced by play.sh and test.sh for web_env and web_deps; run alone it builds them.
# A library already in deps/ is not built again: delete its stamp to rebuild it.
set -euo pipefail

# Emscripten and the browser the page is tested in, both from Debian (Node.js and
# npm, which install the test's driver, come with the machine).
WEB_PACKAGES=(emscripten chromium-headless-shell dpkg-dev python3)

# Debian's emscripten keeps its library cache frozen in /usr/share; the build
# gets a config of its own whose cache, a copy of the packaged one, lies in the
# build tree, so variants the package lacks can be built into it.
web_env() {
  local dir=$1
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  if [ ! -f "$dir/emcache/.copied" ]; then
    rm -rf "$dir/emcache"
    cp -a /usr/share/emscripten/cache "$dir/emcache"
    touch "$dir/emcache/.copied"
  fi
  sed -e "s|^FROZEN_CACHE.*|FROZEN_CACHE = False|" /usr/share/emscripten/.emscripten >"$dir/emscripten.cfg"
  printf '\nCACHE = %s\n' "'$dir/emcache'" >>"$dir/emscripten.cfg"
  export EM_CONFIG="$dir/emscripten.cfg"
  # Debian's node finds its own modules (the minifiers of -O2) only here.
  export NODE_PATH=/usr/share/nodejs
}

# apt-get source needs the archives' source indexes, which a fresh machine's
# apt lists may leave out: they are added beside the binary ones, once.
deb_src_lists() {
  [ -n "$(apt-cache showsrc zlib 2>/dev/null)" ] && return 0
  local f list=/etc/apt/sources.list.d/cryptsliders-deb-src
  for f in /etc/apt/sources.list.d/*.sources; do
    if [ -f "$f" ] && [ "$f" != "$list.sources" ]; then sed -e 's/^Types:.*/Types: deb-src/' "$f"; fi
  done >"$list.sources"
  { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } | sed -n 's/^deb /deb-src /p' >"$list.list"
  apt-get update -qq
}

# One library's Debian source, unpacked once under deps/src. The newest
# version first; the security archive may not hold the sources of its
# updates, so the older versions the index lists are tried after it.
deb_source() {
  local pkg=$1 src=$2 version
  if ! compgen -G "$src/$pkg-*/" >/dev/null; then
    for version in $(apt-cache showsrc "$pkg" | sed -n 's/^Version: //p' | sort -ruV); do
      (cd "$src" && apt-get source -qq "$pkg=$version" >/dev/null 2>&1) && break
    done
  fi
  compgen -G "$src/$pkg-*/" | head -n1 || { echo "web-deps: no source of $pkg to be had" >&2; return 1; }
}

# A library built with CMake through emcmake and installed into the prefix.
# Configure checks that run a program do so in the machine's Node.js without
# its fetch, with which Emscripten 3.1.6's programs fail to load their .wasm
# (and without the flag emcmake would add, which Node.js 20 refuses).
cmake_lib() {
  local tree=$1 prefix=$2
  shift 2
  rm -rf "$tree/build-web"
  # pkg-config sees the libraries built here alone, never the machine's.
  PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH="" emcmake cmake -Wno-dev --no-warn-unused-cli -S "$tree" -B "$tree/build-web" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node);--no-experimental-fetch" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include" "$@" >/dev/null
  cmake --build "$tree/build-web" -j"$(nproc)" >/dev/null
  cmake --install "$tree/build-web" >/dev/null
}

# libwebp's decoder and demuxer alone (the page never encodes), compiled
# directly: its whole CMake build, encoder and tools included, takes ten times
# as long. The files are those its own Makefile.am puts in the decoding library;
# the SIMD variants are left out, as WebAssembly is built without them.
webp_decoder() {
  local tree=$1 prefix=$2 obj=$1/build-web
  rm -rf "$obj" && mkdir -p "$obj" "$prefix/include/webp" "$prefix/lib/pkgconfig"
  (cd "$tree/src" && printf '%s\n' dec/*.c demux/*.c \
    dsp/{alpha_processing,cpu,dec,dec_clip_tables,filters,lossless,rescaler,upsampling,yuv}.c \
    utils/{bit_reader,color_cache,filters,huffman,quant_levels_dec,random,rescaler,thread}_utils.c utils/utils.c) |
    xargs -P"$(nproc)" -I{} sh -c 'emcc -O2 -DNDEBUG -I"$1" -I"$1/src" -c "$1/src/{}" -o "$2/$(echo {} | tr / _).o"' _ "$tree" "$obj"
  rm -f "$prefix/lib/libwebp.a" "$prefix/lib/libwebpdemux.a"
  emar rcs "$prefix/lib/libwebp.a" $(ls "$obj"/*.o | grep -v '/demux_')
  emar rcs "$prefix/lib/libwebpdemux.a" "$obj"/demux_*.o
  cp "$tree"/src/webp/{decode,demux,mux_types,types}.h "$prefix/include/webp/"
  local version
  version=$(sed -n 's/^AC_INIT(\[libwebp\], \[\([0-9.]*\)\].*/\1/p' "$tree/configure.ac")
  printf 'Name: libwebp\nDescription: WebP decoder\nVersion: %s\nCflags: -I%s/include\nLibs: -L%s/lib -lwebp\n' \
    "$version" "$prefix" "$prefix" >"$prefix/lib/pkgconfig/libwebp.pc"
  printf 'Name: libwebpdemux\nDescription: WebP demuxer\nVersion: %s\nRequires: libwebp\nCflags: -I%s/include\nLibs: -L%s/lib -lwebpdemux\n' \
    "$version" "$prefix" "$prefix" >"$prefix/lib/pkgconfig/libwebpdemux.pc"
}

web_deps() {
  local deps
  mkdir -p "$1/deps/src"
  deps=$(cd "$1/deps" && pwd)
  local src=$deps/src prefix=$deps t0 t
  t0=$(date +%s)
  deb_src_lists
  # The page decodes the game's own art (PNG, WebP) and draws its font; the
  # player's photos (JPEG, TIFF, HEIC) are left to the browser's decoders.
  local libs=(zlib libpng1.6 libwebp freetype)
  for lib in "${libs[@]}"; do
    [ -f "$deps/$lib.stamp" ] && continue
    t=$(date +%s)
    local tree
    tree=$(deb_source "$lib" "$src")
    case $lib in
    zlib)
      (cd "$tree" && { [ -x configure ] || autoreconf -fi >/dev/null 2>&1; } && emconfigure ./configure --static --prefix="$prefix" >/dev/null &&
        emmake make -j"$(nproc)" libz.a >/dev/null && emmake make install >/dev/null) ;;
    libpng1.6)
      cmake_lib "$tree" "$prefix" -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DPNG_HARDWARE_OPTIMIZATIONS=OFF ;;
    libwebp)
      webp_decoder "$tree" "$prefix" ;;
    freetype)
      # Its gzip support on the zlib built above: without one, FreeType compiles
      # its own copy in, whose symbols clash with that zlib's at the link.
      cmake_lib "$tree" "$prefix" -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_BZIP2=ON \
        -DFT_DISABLE_PNG=ON -DFT_REQUIRE_ZLIB=ON -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include" ;;
    esac
    touch "$deps/$lib.stamp"
    echo "web-deps: $lib built in $(($(date +%s) - t)) s"
  done
  echo "web-deps: all in $deps ($(($(date +%s) - t0)) s this run)"
}

# The game for the page: index.html, cryptsliders.js, .wasm and .data in the
# build directory, configured with emcmake; the data tree is a native build's.
web_build() {
  local dir=$1 data=$2
  echo "Building the web version in $dir/"
  emcmake cmake -S . -B "$dir" -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node);--no-experimental-fetch" \
    -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DWEB_DATA="$data" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

# The browser's driver for the tests and the benchmark (puppeteer-core from
# npm), once, in the build tree: no browser of its own is downloaded.
web_driver() {
  [ -d "$1/node/node_modules/puppeteer-core" ] && return 0
  mkdir -p "$1/node"
  (cd "$1/node" && PUPPETEER_SKIP_DOWNLOAD=1 npm install --silent --no-audit --no-fund puppeteer-core@24 >/dev/null)
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  cd "$(dirname "$0")/.."
  source tools/setup.sh
  ensure_packages "${WEB_PACKAGES[@]}"
  web_env build-web
  web_deps build-web
fi
