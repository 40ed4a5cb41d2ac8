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
