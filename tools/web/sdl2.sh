#!/bin/bash
# Builds SDL2 for the web (Emscripten, WebAssembly) from Debian's own libsdl2
# source package, so the browser game runs the same SDL version as the Linux
# one. The result is cached in .cache/web/sdl2 (ignored by git) and reused
# while it exists. Needs emcmake on PATH (Debian's emscripten).
# Usage: tools/web/sdl2.sh  -> prints the install prefix on stdout.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cache="$root/.cache/web"
prefix="$cache/sdl2"
stamp="$prefix/.built"

# shellcheck source=../sdl2_source.sh
source "$root/tools/sdl2_source.sh"

echo "Building SDL2 for the web..." >&2
rm -rf "$prefix"
mkdir -p "$prefix/lib/cmake/SDL2" "$prefix/include/SDL2" "$scratch/objects"
# SDL's own configuration for Emscripten (include/SDL_config_emscripten.h)
# rather than its CMake build, whose hundreds of feature checks each start
# emcc and take ten minutes here: only the parts the browser has, one thread
# (the game starts none, and threads would need cross-origin isolation
# headers from every server), compiled two at a time.
cd "$source_dir/src"
parts=(. atomic audio audio/emscripten audio/disk audio/dummy cpuinfo dynapi events file
    filesystem/emscripten haptic haptic/dummy hidapi joystick joystick/emscripten
    joystick/virtual loadso/dlopen locale locale/emscripten misc misc/emscripten power
    power/emscripten render render/software sensor sensor/dummy stdlib thread
    thread/generic timer timer/unix video video/emscripten video/dummy video/yuv2rgb)
# shellcheck disable=SC2016  # the inner shell expands its own arguments
for part in "${parts[@]}"; do
    for source in "$part"/*.c; do
        [[ -e "$source" ]] && echo "$source"
    done
done | xargs -P "$(nproc)" -I{} sh -c \
    'emcc -O2 -DNDEBUG -I../include -c "$1" -o "$2/$(echo "${1#./}" | tr / _).o"' sh {} "$scratch/objects"
emar rcs "$prefix/lib/libSDL2.a" "$scratch"/objects/*.o
cp ../include/*.h "$prefix/include/SDL2/"
cat >"$prefix/lib/cmake/SDL2/SDL2Config.cmake" <<'CONFIG'
# SDL2 for the web, built by tools/web/sdl2.sh.
get_filename_component(_sdl2_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
if(NOT TARGET SDL2::SDL2)
    add_library(SDL2::SDL2 STATIC IMPORTED)
    set_target_properties(SDL2::SDL2 PROPERTIES
        IMPORTED_LOCATION "${_sdl2_prefix}/lib/libSDL2.a"
        INTERFACE_INCLUDE_DIRECTORIES "${_sdl2_prefix}/include/SDL2")
endif()
set(SDL2_FOUND TRUE)
CONFIG
cd "$root"
rm -rf "$scratch"
touch "$stamp"
echo "$prefix"
