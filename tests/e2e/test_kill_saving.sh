#!/bin/bash
# The real game is killed (SIGKILL) at random moments around its saves: the
# close box during a game (Data/Resume.dat, after Data/Help.dat at the game's
# start) and the close box on the score screen after End (Data/Info.dat and
# the end marker). After every kill each file holds exactly what it held
# before or one whole version the game writes, never a torn or empty one.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
CYCLES=${E2E_KILL_CYCLES:-12}
DATA="$E2E_GAME_DIR/Data"
BEFORE="$E2E_TMP/before"

resaved=0
# Every game's start raises the start counter.
help_count_is_not() { [[ "$(cat "$DATA/Help.dat" 2>/dev/null)" != "$1" ]]; }
for cycle in $(seq "$CYCLES"); do
    rm -rf "$BEFORE"
    cp -r "$DATA" "$BEFORE"
    e2e_start_game
    window=$(e2e_find_window)
    e2e_until_still "$window" || e2e_fail "the start screen never settled"
    count=$(cat "$DATA/Help.dat" 2>/dev/null || true)
    e2e_press play
    e2e_until "$E2E_GAME_PID" help_count_is_not "$count" || e2e_fail "no game started (cycle $cycle)"
    if ((cycle % 2 == 0)); then
        e2e_rest_after e2e_press end  # the end marker, then the score screen
    fi
    e2e_close
    # 0 to 200 ms after the close request: before, during or after the save
    # (which comes some 100 ms after it here).
    sleep "$(printf '0.%03d' $((RANDOM % 200)))"
    kill -KILL -- "-$E2E_GAME_PID" 2>/dev/null || true
    wait "$E2E_GAME_PID" 2>/dev/null || true
    E2E_GAME_PID=""
    changed=$(play_saved whole "$DATA" "$BEFORE") || e2e_fail "a file was torn (cycle $cycle)"
    e2e_log "cycle $cycle: new ${changed:-nothing}"
    [[ "$changed" == *Resume.dat* ]] && resaved=$((resaved + 1))
done
e2e_log "ok: $CYCLES kills of the real game, $resaved after a new Resume.dat; every file whole"
