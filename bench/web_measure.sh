#!/bin/bash
# Measures (does not assert) the web build that ./web.sh left in
# dist/vlims-web: its transfer size gzip-compressed (what a server that
# compresses sends), then in Debian's headless chromium the time from
# navigation to the first drawn frame and the renderer's CPU on an idle
# board and while playing (bench/web_measure.mjs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
site="$root/dist/vlims-web"
[[ -f "$site/vlims.wasm" ]] || { echo "web_measure: run ./web.sh first" >&2; exit 1; }
(cd "$root/tests/web" && npm install --no-audit --no-fund --silent)

total=0
for file in $(cd "$site" && find . -type f | sort); do
    size=$(gzip -9 -c "$site/$file" | wc -c)
    total=$((total + size))
    printf '%-28s %9d bytes, %9d gzipped\n' "$file" "$(stat -c %s "$site/$file")" "$size"
done
echo "transfer size gzipped: $total bytes ($(awk "BEGIN {printf \"%.2f\", $total / 1048576}") MiB)"

SCRATCH=$(mktemp -d /tmp/vlims-web-measure.XXXXXX)
export SCRATCH
python3 -u -m http.server --bind 127.0.0.1 --directory "$site" 0 >"$SCRATCH/server.log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$SCRATCH"' EXIT
for _ in $(seq 50); do
    port=$(grep -o 'port [0-9]*' "$SCRATCH/server.log" 2>/dev/null | grep -o '[0-9]*' || true)
    [[ -n "$port" ]] && break
    sleep 0.1
done
node "$root/bench/web_measure.mjs" "http://127.0.0.1:$port/"
