#!/bin/bash
# Measures (does not assert) the game's CPU use under Xvfb over 10 s each:
# on the start screen, on the play screen with nothing moving, and with the
# pointer resting on a piece, which animates. Usage: measure_cpu.sh GAME_DIR
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
play_skip_start_help

# Percent of one core the game used over the next $1 seconds.
cpu_percent() {
    local seconds=$1 ticks before after
    ticks=$(getconf CLK_TCK)
    before=$(awk '{print $14 + $15}' "/proc/$E2E_GAME_PID/stat")
    sleep "$seconds"
    after=$(awk '{print $14 + $15}' "/proc/$E2E_GAME_PID/stat")
    awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" \
        'BEGIN {printf "%.1f", 100 * d / t / s}'
}

# The game itself, not a shell in front of it.
(cd "$E2E_GAME_DIR" && exec ./vlims) 2>>"$E2E_TMP/game.stderr" &
E2E_GAME_PID=$!
window=$(e2e_find_window)
play_park_pointer "$window"
sleep 2
echo "start screen: $(cpu_percent 10)% of a core"

e2e_click "$window" 400 120
sleep 2
play_park_pointer "$window"
sleep 3  # past the first board check
echo "play screen, nothing moving: $(cpu_percent 10)% of a core"

xdotool mousemove --window "$window" 180 180
sleep 1
echo "play screen, pointer on a piece: $(cpu_percent 10)% of a core"

e2e_close
if play_wait_box "Your game has been automatically saved..."; then
    xdotool key Return
fi
e2e_wait_exit
