#!/bin/bash
# Builds the game for 64-bit Windows on Debian 12 and packs it for players:
# installs what is missing (see tools/setup.sh), builds SDL2 for Windows once
# (cached in .cache/windows), paints the artwork natively as ./play.sh does,
# cross-builds vlims.exe and leaves dist/vlims-windows-x64.zip, a folder a
# player unzips anywhere and starts vlims.exe from.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

VLIMS_PACKAGES=("${VLIMS_PACKAGES[@]}" "${VLIMS_WINDOWS_PACKAGES[@]}")
vlims_ensure_packages

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
jobs=$(nproc)

sdl2=$(tools/windows/sdl2.sh)

# The pictures, fonts, sounds and hints page are the same on every host.
native=build-windows/native
cmake -S . -B "$native" -DVLIMS_TESTS=OFF -DVLIMS_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$native" -j "$jobs" --target vlims_assets

cross=build-windows/cross
cmake -S . -B "$cross" -DCMAKE_TOOLCHAIN_FILE=tools/windows/mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DSDL2_DIR="$sdl2/lib/cmake/SDL2" \
    -DVLIMS_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$cross" -j "$jobs" --target vlims "$@"

# The game folder: the program, SDL2.dll and what the artwork program made.
game="$cross/game"
cp "$sdl2/bin/SDL2.dll" "$game/"
for folder in Graphics Sounds Data Help; do
    rm -rf "${game:?}/$folder"
    cp -r "$native/game/$folder" "$game/$folder"
done

mkdir -p dist
staging=build-windows/dist
rm -rf "$staging" dist/vlims-windows-x64.zip
mkdir -p "$staging/Vlims"
cp -r "$game/vlims.exe" "$game/SDL2.dll" "$game/Graphics" "$game/Sounds" "$game/Data" \
    "$game/Help" "$staging/Vlims/"
(cd "$staging" && zip -q -r -X "$OLDPWD/dist/vlims-windows-x64.zip" Vlims)
echo "Made dist/vlims-windows-x64.zip ($(stat -c %s dist/vlims-windows-x64.zip) bytes)"
