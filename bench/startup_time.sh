#!/bin/bash
# Measures (does not assert) the real game's start-up under Xvfb: from
# launching the process to its window being on screen with the start screen
# in it. The window is shown only after start-up has drawn and presented the
# first frame, and the expose that follows is answered by the next tick, so
# this is start-up to the first frame seen, to within one tick and the
# polling step. Usage: bench/startup_time.sh GAME_DIR [RUNS]
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_setup "$1"
runs=${2:-5}

now_ms() { date +%s%3N; }

times=()
for _ in $(seq "$runs"); do
    start=$(now_ms)
    (cd "$E2E_GAME_DIR" && exec ./vlims) 2>>"$E2E_TMP/game.stderr" &
    E2E_GAME_PID=$!
    until xdotool search --onlyvisible --name "^${E2E_TITLE}\$" >/dev/null 2>&1; do
        kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended early"
        sleep 0.002
    done
    shown=$(now_ms)
    times+=($((shown - start)))
    e2e_close
    e2e_wait_exit
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "launch to window shown (ms), $runs runs: $sorted; median $median"
