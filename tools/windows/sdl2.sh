#!/bin/bash
# Builds SDL2 for 64-bit Windows from Debian's own libsdl2 source package, so
# the Windows game runs the same SDL version as the Linux one. The result is
# cached in .cache/windows/sdl2 (ignored by git) and reused while it exists.
# Usage: tools/windows/sdl2.sh  -> prints the install prefix on stdout.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cache="$root/.cache/windows"
prefix="$cache/sdl2"
stamp="$prefix/.built"

# shellcheck source=../sdl2_source.sh
source "$root/tools/sdl2_source.sh"

echo "Building SDL2 for Windows (a few minutes)..." >&2
rm -rf "$prefix"
cmake -S "$source_dir" -B "$scratch/build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/tools/windows/mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF \
    -DSDL_LIBC=ON >&2
cmake --build "$scratch/build" -j"$(nproc)" >&2
cmake --install "$scratch/build" >&2
rm -rf "$scratch"
touch "$stamp"
echo "$prefix"
