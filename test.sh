#!/bin/bash
# Installs what the game and its tests need (on Debian 12), builds everything
# in build-test/ with AddressSanitizer and UndefinedBehaviorSanitizer and
# warnings as errors, and runs every test: the unit tests and the end-to-end
# tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

vlims_ensure_packages "${VLIMS_GAME_PACKAGES[@]}" "${VLIMS_TEST_PACKAGES[@]}"
cmake -S . -B build-test -DVLIMS_SANITIZE=ON -DVLIMS_WERROR=ON -DVLIMS_TESTS=ON -DVLIMS_BENCH=ON
cmake --build build-test -j "$(nproc)"
cd build-test
ctest --output-on-failure -j "$(nproc)"
