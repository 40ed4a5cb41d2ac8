#!/bin/bash
# Measures (does not assert) what the game costs under Xvfb, in five states
# of 10 s each: the start screen idle, the board idle, the pointer resting on
# a piece (which animates), playing with a move every 1.5 s, and the message
# box the close brings up, open and untouched. For each:
# the game process's own CPU time (the nanosecond run times of all its
# threads, from /proc; the tick-based utime and stime are too coarse for
# figures near 1%) as % of one core, and its wake-ups per second, counted as the
# voluntary context switches of all its threads (each is a sleep in the
# kernel that ended). Also the launch-to-window time and the peak RSS.
# Several game folders are measured one after the other in each round, on
# the same desktop, so that builds compare side by side, each at every
# screen scale of SCALES (VLIMS_SCALE; "1 2" by default: the plain window and
# the one a 200% desktop gets).
# Usage: measure_cpu.sh GAME_DIR [GAME_DIR...]   (ROUNDS=3 by default)
source "$(dirname "$0")/../tests/e2e/lib.sh"
E2E_SCREEN=1600x1200 e2e_setup "$1"
read -r -a scales <<<"${SCALES:-1 2}"
rounds=${ROUNDS:-3}
seconds=10

games=()
for i in $(seq "$#"); do
    dir="$E2E_TMP/game$i"
    cp -r "${!i}" "$dir"
    rm -f "$dir"/Data/{Resume,Info,Help,Help2}.dat
    games+=("$dir")
done

now_ms() { date +%s%3N; }

# "cpu_nanoseconds voluntary_switches" of the game's live threads so far. A
# thread that ends in between (the sound device's, when it rests) takes its
# time with it; in the idle states it ended long before.
usage_sample() {
    local ns switches
    ns=$(cat /proc/"$E2E_GAME_PID"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%d", s}')
    switches=$(cat /proc/"$E2E_GAME_PID"/task/*/status 2>/dev/null |
        awk '/^voluntary_ctxt_switches/ {s += $2} END {print s + 0}')
    echo "$ns $switches"
}

# Prints "cpu% wakeups/s" between two samples taken $3 seconds apart.
usage_between() {
    local before after
    read -ra before <<<"$1"
    read -ra after <<<"$2"
    awk -v d=$((after[0] - before[0])) -v w=$((after[1] - before[1])) \
        -v s="$3" 'BEGIN {printf "%.2f %.0f", 100 * d / 1e9 / s, w / s}'
}

measure_idle() {
    local before
    before=$(usage_sample)
    sleep "$seconds"
    usage_between "$before" "$(usage_sample)" "$seconds"
}

# A swap of two neighbours every 1.5 s, kept or undone by the game, down the
# middle columns of the board so that no move repeats one just made.
measure_playing() {
    local before start k y
    before=$(usage_sample)
    start=$(now_ms)
    for k in 0 1 2 3 4 5; do
        y=$((120 + 40 * (k % 6)))
        sleep "$(awk -v t=$((start + k * 1500 - $(now_ms))) 'BEGIN {print (t > 0 ? t : 0) / 1000}')"
        e2e_click "$window" 200 "$y"
        e2e_click "$window" 240 "$y"
        play_park_pointer "$window"
    done
    sleep "$(awk -v t=$((start + seconds * 1000 - $(now_ms))) 'BEGIN {print (t > 0 ? t : 0) / 1000}')"
    usage_between "$before" "$(usage_sample)" "$seconds"
}

# One game's run through the five states; leaves one line of results in RESULT.
measure_game() {
    local dir=$1 start shown start_screen board pointer playing box rss
    echo 3 >"$dir/Data/Help.dat"
    echo 3 >"$dir/Data/Help2.dat"
    rm -f "$dir/Data/Resume.dat"
    start=$(now_ms)
    (cd "$dir" && VLIMS_SCALE=$E2E_SCALE exec ./vlims) 2>>"$E2E_TMP/game.stderr" &
    E2E_GAME_PID=$!
    until window=$(xdotool search --onlyvisible --name "^${E2E_TITLE}\$" 2>/dev/null | head -n 1) &&
        [[ -n "$window" ]]; do
        kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended early"
        sleep 0.002
    done
    shown=$(now_ms)
    play_park_pointer "$window"
    # Past the sound device's rest, 2 s after the start sound: a thread that
    # ends within the 10 s would take its run time with it.
    sleep 3
    start_screen=$(measure_idle)

    e2e_click "$window" 400 120  # Play Game
    sleep 2
    play_park_pointer "$window"
    sleep 3  # past the first board check
    board=$(measure_idle)

    xdotool mousemove --window "$window" $((200 * E2E_SCALE)) $((200 * E2E_SCALE))  # a piece
    sleep 1
    pointer=$(measure_idle)

    playing=$(measure_playing)
    rss=$(awk '/^VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$E2E_GAME_PID/status")

    e2e_close
    box="- -"
    if play_wait_box "Your game has been automatically saved..."; then
        sleep 1
        box=$(measure_idle)
        xdotool key Return
    fi
    e2e_wait_exit
    RESULT="$start_screen $board $pointer $playing $box $((shown - start)) $rss"
}

echo "% of one core over ${seconds} s (wake-ups per second), launch to window, peak RSS"
echo "| game | scale | round | start screen idle | board idle | pointer on a Vlim | playing | message box open | launch to window | peak RSS |"
echo "|---|---|---|---|---|---|---|---|---|---|"
for round in $(seq "$rounds"); do
    for i in "${!games[@]}"; do
        for E2E_SCALE in "${scales[@]}"; do
            measure_game "${games[$i]}"
            read -r s_cpu s_wake b_cpu b_wake p_cpu p_wake m_cpu m_wake x_cpu x_wake launch rss <<<"$RESULT"
            echo "| $((i + 1)) | ${E2E_SCALE}x | $round | $s_cpu ($s_wake/s) | $b_cpu ($b_wake/s)" \
                "| $p_cpu ($p_wake/s) | $m_cpu ($m_wake/s) | $x_cpu ($x_wake/s) | $launch ms | $rss MB |"
        done
    done
done
