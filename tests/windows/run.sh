#!/bin/bash
# The Windows build, proved under Wine: ./windows.sh makes the players' zip,
# the unit tests are cross-built and run headless, then the game itself plays
# and saves on Xvfb (e2e_play.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS

./windows.sh
cmake --build build-windows/cross -j "$(nproc)" --target vlims_tests
cp build-windows/cross/game/SDL2.dll build-windows/cross/
# The artwork tests also read the desktop icons, painted beside the game folder.
rm -rf build-windows/cross/icons && cp -r build-windows/native/icons build-windows/cross/icons

source tests/windows/wine.sh
trap wine_stop EXIT
wine_prepare

echo "windows: unit tests under Wine" >&2
# No display: SDL's dummy drivers, as on Linux (tests/support/HeadlessDrivers.cpp).
DISPLAY="" "$WINE" build-windows/cross/vlims_tests.exe --gtest_brief=1
wine_stop

echo "windows: the game under Wine on Xvfb" >&2
bash tests/windows/e2e_play.sh build-windows/cross/game
echo "windows: passed in $((SECONDS - started)) s" >&2
