# shellcheck shell=bash
# Sourced by play.sh, test.sh, fuzz.sh, soak.sh and .ci/run: the Debian 12
# packages the game needs, those its tests and packaging checks need, and the
# check that they are installed.

# Building the game and painting its artwork.
VLIMS_GAME_PACKAGES=(
    cmake g++ make pkg-config
    libsdl2-dev libcairo2-dev fonts-liberation2
)

# The unit tests, benchmarks, fuzzing, the end-to-end tests under Xvfb, and
# building and checking the Debian package.
VLIMS_TEST_PACKAGES=(
    libgtest-dev libbenchmark-dev
    xvfb xauth openbox xdotool wmctrl imagemagick x11-utils x11-xserver-utils python3
    clang libclang-rt-14-dev clang-format clang-tidy shellcheck
    dpkg-dev file lintian desktop-file-utils appstream
)

VLIMS_PACKAGES=("${VLIMS_GAME_PACKAGES[@]}" "${VLIMS_TEST_PACKAGES[@]}")

# Prints those of the given packages (all of them when none are given) that
# are not installed.
vlims_missing_packages() {
    local package
    (($# > 0)) || set -- "${VLIMS_PACKAGES[@]}"
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            echo "$package"
        fi
    done
}

# Installs those of the given packages (all of them when none are given)
# that are missing, when run as root; otherwise prints the one line to run as
# root and stops the calling script.
vlims_ensure_packages() {
    local missing
    missing=$(vlims_missing_packages "$@" | tr '\n' ' ')
    missing=${missing% }
    [[ -z "$missing" ]] && return 0
    if [[ $(id -u) -eq 0 ]]; then
        echo "Installing: $missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update
        # shellcheck disable=SC2086
        apt-get install -y --no-install-recommends $missing
    else
        echo "Some packages are missing. Run this as root, then start this script again:"
        echo
        echo "    apt-get update && apt-get install -y --no-install-recommends $missing"
        exit 1
    fi
}

# ---- Windows build (./windows.sh, tests/windows/run.sh) ----------------------
# The cross compiler, Wine to run the result, GoogleTest's sources for the
# cross-built tests and zip for the players' archive. SDL2 for Windows is
# built from Debian's own source package (tools/windows/sdl2.sh).
# shellcheck disable=SC2034  # read by windows.sh and .ci/run
VLIMS_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64 wine64 googletest zip
)

# ---- Web build (./web.sh, tests/web/run.sh) ------------------------------------
# Debian's emscripten builds SDL2 and the game for WebAssembly; zip packs the
# players' archive. The browser tests run Debian's headless chromium, driven
# by puppeteer-core from the npm registry (tests/web/package.json) with the
# node and npm (nodejs ships npm here).
VLIMS_WEB_BUILD_PACKAGES=(
    emscripten zip
)
# shellcheck disable=SC2034  # read by .ci/run
VLIMS_WEB_PACKAGES=(
    "${VLIMS_WEB_BUILD_PACKAGES[@]}" chromium nodejs
)
