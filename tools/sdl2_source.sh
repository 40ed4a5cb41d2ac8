# shellcheck shell=bash
# shellcheck disable=SC2154  # root, cache, prefix and stamp come from the caller
# Sourced by tools/windows/sdl2.sh and tools/web/sdl2.sh: both build SDL2
# from Debian's own libsdl2 source package, so every host runs the SDL
# version the Linux game runs. The caller sets root, cache, prefix and stamp;
# this prints the prefix and ends the caller when the build is cached, or
# fetches and unpacks the source and sets scratch and source_dir.

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
