#!/bin/bash
# The web build (./web.sh) served on 127.0.0.1 and played in headless
# chromium by browser_test.mjs, against the native game's screens under Xvfb.
# Usage: tests/web/run.sh [SHOTS_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
site="$root/dist/vlims-web"
native="$root/build-web/native/game"
[[ -f "$site/vlims.wasm" && -d "$native" ]] || { echo "web: run ./web.sh first" >&2; exit 1; }
# The native game beside the artwork web.sh painted: the reference screens.
cmake --build "$root/build-web/native" -j "$(nproc)" --target vlims >/dev/null

command -v npm >/dev/null || { echo "web: the tests need npm (Debian: apt-get install npm)" >&2; exit 1; }
(cd "$root/tests/web" && npm install --no-audit --no-fund --silent)

source "$root/tests/e2e/lib.sh"
e2e_setup "$native"
# A table cut inside the second entry of the Normal difficulty's Normal Game
# (the score screen's first view), for the comparison of that screen.
python3 -c "import sys; entry = lambda name, score: name.ljust(32, b'\0') + score.to_bytes(4, 'little')
sys.stdout.buffer.write(10 * entry(b'Easy', 5) + entry(b'Cut Table', 777) + b'Cut'.ljust(14, b'\0'))" >"$E2E_TMP/cut-info.dat"
cp "$E2E_TMP/cut-info.dat" "$E2E_GAME_DIR/Data/Info.dat"
e2e_launch
xdotool mousemove --window "$window" 5 5
sleep 1
play_window_rgb "$window" "$E2E_TMP/native-start.rgb"
e2e_press scores
sleep 1.5
play_window_rgb "$window" "$E2E_TMP/native-scores.rgb"
kill -TERM "$E2E_GAME_PID"
e2e_end_clean

# A free port from the system, and the server's own log for a failure.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port" >"$E2E_TMP/server.log" 2>&1 &
server_up() { python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null; }
e2e_until $! server_up || e2e_fail "no web server: $(cat "$E2E_TMP/server.log")"
timeout 300 node "$root/tests/web/browser_test.mjs" "http://127.0.0.1:$port/" \
    "$E2E_TMP/native-start.rgb" "$root/build-web/files" "$E2E_TMP" "${1:-}" ||
    e2e_fail "browser tests failed"
