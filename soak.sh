#!/bin/bash
# The long runs, too slow for every test run: a bot plays 20,000 moves in
# each variant on each difficulty (across the 32-bit wrap of the tick count),
# the game is played with every file of its folder missing and then cut
# short, and the saving child is killed 1,000 times. Builds in build-test/
# with AddressSanitizer and UndefinedBehaviorSanitizer, like ./test.sh.
#
#   ./soak.sh [GTEST_FILTER]      e.g. ./soak.sh '*LongPlay*Rotational*'
#   VLIMS_SOAK_MOVES=5000 ./soak.sh  a shorter bot game
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
vlims_ensure_packages

filter=${1:-'*LongPlayTest*:AssetSweepTest.*:KillWhileSavingTest.*'}
cmake -S . -B build-test -DVLIMS_SANITIZE=ON -DVLIMS_WERROR=ON -DVLIMS_TESTS=ON -DVLIMS_BENCH=ON >/dev/null
cmake --build build-test -j 2 --target vlims_tests vlims
cd build-test
export VLIMS_SOAK=1 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp:print_suppressions=0
# Only the figures and failures; the game's complaints about the damaged
# folders are expected.
./vlims_tests --gtest_filter="$filter" 2> >(grep -v '^Vlims: ' >&2)
