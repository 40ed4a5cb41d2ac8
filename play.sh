#!/bin/bash
# Installs what the game needs (on Debian 12), builds it in build/ and starts
# it in its game folder, build/game.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

vlims_ensure_packages "${VLIMS_GAME_PACKAGES[@]}"
cmake -S . -B build -DVLIMS_SANITIZE=OFF
cmake --build build -j "$(nproc)" --target vlims
cd build/game
exec ./vlims
