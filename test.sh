#!/bin/bash
# Installs what the tests need (on Debian 12), builds everything in
# build-test/ with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test: the unit tests and the end-to-end tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

vlims_ensure_packages
cmake -S . -B build-test -DVLIMS_SANITIZE=ON
cmake --build build-test -j "$(nproc)"
cd build-test
ctest --output-on-failure -j "$(nproc)"
