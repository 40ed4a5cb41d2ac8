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

if [[ -f "$stamp" ]]; then
    echo "$prefix"
    exit 0
fi

scratch="$cache/sdl2-work"
rm -rf "$scratch"
mkdir -p "$scratch/apt/sources.list.d" "$scratch/apt/lists/partial" "$scratch/src"

# A source list derived from the machine's own apt sources: no mirror is
# written into the project, and the system's apt state is left untouched.
system_sources=/etc/apt/sources.list.d/debian.sources
if [[ ! -f "$system_sources" ]]; then
    echo "sdl2.sh: $system_sources is missing; cannot find a Debian source mirror" >&2
    exit 1
fi
sed 's/^Types:.*/Types: deb-src/' "$system_sources" >"$scratch/apt/sources.list.d/debian.sources"
apt_options=(
    -o "Dir::Etc::sourcelist=$scratch/apt/sources.list"
    -o "Dir::Etc::sourceparts=$scratch/apt/sources.list.d"
    -o "Dir::State::Lists=$scratch/apt/lists"
    -o "Debug::NoLocking=1"
)
: >"$scratch/apt/sources.list"
echo "Fetching Debian's libsdl2 source..." >&2
apt-get "${apt_options[@]}" update >&2
(cd "$scratch/src" && apt-get "${apt_options[@]}" source --download-only libsdl2 >&2)

origs=("$scratch"/src/libsdl2_*.orig.tar.*)
orig=${origs[0]}
tar -xf "$orig" -C "$scratch/src"
source_dir=$(find "$scratch/src" -mindepth 1 -maxdepth 1 -type d -name 'SDL2-*' | head -n1)
if [[ -z "$source_dir" ]]; then
    echo "sdl2.sh: no SDL2 source folder in $orig" >&2
    exit 1
fi

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
