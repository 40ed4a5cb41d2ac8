#!/bin/bash
# The real game killed at random moments around the saves of a close during a
# game or after End: each file holds what it held or one whole new version.
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
    ((cycle % 2)) || e2e_rest_after e2e_press end  # the end marker, then the score screen
    e2e_close
    # Before, during or after the save, which comes some 100 ms after the close.
    sleep "$(printf '0.%03d' $((RANDOM % 200)))"
    kill -KILL -- "-$E2E_GAME_PID" 2>/dev/null || true
    wait "$E2E_GAME_PID" 2>/dev/null || true
    E2E_GAME_PID=""
    changed=$(play_saved whole "$DATA" "$BEFORE") || e2e_fail "a file was torn (cycle $cycle)"
    e2e_log "cycle $cycle: new ${changed:-nothing}"
    [[ "$changed" == *Resume.dat* ]] && resaved=$((resaved + 1))
done
e2e_log "ok: $CYCLES kills of the real game, $resaved after a new Resume.dat; every file whole"
