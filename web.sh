#!/bin/bash
# Builds the game for web browsers (WebAssembly) on Debian 12: installs what
# is missing (see tools/setup.sh), builds SDL2 for the web once (cached in
# .cache/web), paints the artwork natively as ./play.sh does, builds the game
# with Debian's emscripten and leaves dist/vlims-web/, a folder any static web
# server serves (python3 -m http.server -d dist/vlims-web), and its archive
# dist/vlims-web.zip.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

VLIMS_PACKAGES=("${VLIMS_GAME_PACKAGES[@]}" "${VLIMS_WEB_BUILD_PACKAGES[@]}")
vlims_ensure_packages

# Debian's emcc runs its JavaScript tools with the node on PATH, and finds
# their modules only where Debian put them.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
jobs=$(nproc)

sdl2=$(tools/web/sdl2.sh)

# The pictures, fonts, sounds and hints page are the same on every host.
native=build-web/native
cmake -S . -B "$native" -DVLIMS_TESTS=OFF -DVLIMS_BENCH=OFF >/dev/null
cmake --build "$native" -j "$jobs" --target vlims_assets

# Only what the game reads: the saves of a native game played in that folder
# stay out of the package.
files=build-web/files
rm -rf "$files"
mkdir -p "$files/Data"
cp -r "$native/game/Graphics" "$native/game/Sounds" "$native/game/Help" "$files/"
cp "$native/game/Data/"*Metrics.dat "$files/Data/"

web=build-web/wasm
emcmake cmake -S . -B "$web" -DCMAKE_BUILD_TYPE=Release -DSDL2_DIR="$sdl2/lib/cmake/SDL2" \
    -DVLIMS_TESTS=OFF -DVLIMS_BENCH=OFF -DVLIMS_WEB_FILES="$PWD/$files" >/dev/null
# The packed files are read at link time: a changed picture relinks.
rm -f "$web/game/vlims.js"
cmake --build "$web" -j "$jobs" --target vlims "$@"

out=dist/vlims-web
rm -rf "$out" dist/vlims-web.zip
mkdir -p "$out"
cp "$web/game/vlims.js" "$web/game/vlims.wasm" "$web/game/vlims.data" tools/web/index.html "$out/"
# The hints page opens in a tab of its own, from the server.
cp -r "$files/Help" "$out/"
(cd dist && zip -q -r -X vlims-web.zip vlims-web)
echo "Made $out and dist/vlims-web.zip ($(stat -c %s dist/vlims-web.zip) bytes)"
