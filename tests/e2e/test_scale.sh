#!/bin/bash
# The game on a desktop scaled to 200% (Xft.dpi 192): a 1250 x 880 window at
# (100, 100) whose start screen and resumed board, shrunk by every second
# pixel, are the 1x shots byte for byte; a swap clicked at 2x places plays
# as at 1x; the saved-game box and the name dialog are twice their size and
# answer their buttons; a bad VLIMS_SCALE leaves the desktop's. VLIMS_SCALE=3
# gives 1875 x 1320, and 2 on a screen of 1600 x 1000, which cannot hold 3.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=2048x1536 e2e_setup "$1"
play_skip_start_help
saved="$E2E_GAME_DIR/Data/Resume.dat"
echo "Xft.dpi: 192" | xrdb -merge

expect_window() {
    local at
    at=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h "@" x "," y}')
    [[ "$at" == "$2"* ]] || e2e_fail "window $at, expected $2"
}
# A box's button, in box pixels from its bottom-right corner.
click_in_box() {
    local box width height k=$E2E_SCALE
    box=$(xwininfo -name "$1" | awk '/Window id:/ {print $4}')
    expect_window "$box" "$2"
    read -r width height < <(xwininfo -id "$box" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
    E2E_SCALE=1 e2e_click "$box" $((width - k * $3)) $((height - k * $4))
}

# (3, 3) is Blue, and so are (5, 3) to (7, 3): swapping it with its
# neighbour (4, 3) makes a line of four.
play_saved write "$E2E_TMP/written.dat" 0 100 35=1 36=1 37=1
for k in 1 2; do
    export E2E_SCALE=$k
    cp "$E2E_TMP/written.dat" "$saved"
    VLIMS_SCALE=$k e2e_launch
    expect_window "$window" "$((625 * k))x$((440 * k))@$((50 * k)),$((50 * k))"
    play_window_rgb "$window" "$E2E_TMP/start-${k}x.rgb"
    cmp "$E2E_TMP/start-1x.rgb" "$E2E_TMP/start-${k}x.rgb" || e2e_fail "the start screen at ${k}x"
    e2e_press resume
    play_park_pointer "$window" # off the piece under Resume, which would stir
    sleep 2
    play_shot "board-${k}x" compare "$saved" || e2e_fail "the resumed board at ${k}x"
    cmp "$E2E_TMP/board-1x.rgb" "$E2E_TMP/board-${k}x.rgb" || e2e_fail "the board at ${k}x"
    ((k == 2)) || e2e_close_through "$SAVED_BOX"
done
e2e_click "$window" 160 160  # (3, 3)
sleep 0.3
e2e_click "$window" 200 160  # (4, 3)
sleep 2
e2e_close
play_wait_box "$SAVED_BOX" || e2e_fail "no message about the automatic save"
click_in_box "$SAVED_BOX" 760x 190 27  # OK, centred at the foot of a box 380 wide
e2e_end_clean
# Only the swap makes the line of 25.
[[ "$(play_saved check "$saved")" == "variant 0 difficulty 2 level 1 total 125" ]] ||
    e2e_fail "saved game after the swap at 2x"

# A bad VLIMS_SCALE is named and the desktop's scale taken; End, then the
# name dialog's OK takes the typed name.
VLIMS_SCALE=x2 e2e_launch
expect_window "$window" "1250x880@100,100"
e2e_said 'VLIMS_SCALE="x2" is not a scale' "the bad VLIMS_SCALE not named"
e2e_press resume
sleep 1
e2e_press end
play_wait_box "High Score" 50 || e2e_fail "no name dialog"
xdotool type "Sharp"
click_in_box "High Score" 600x 148 27  # OK: Cancel and its gap right of it
sleep 1
grep -q Sharp "$E2E_GAME_DIR/Data/Info.dat" || e2e_fail "the name dialog's OK at 2x"
e2e_close
e2e_end_clean

for fits in 1875x1320 1250x880; do
    [[ $fits == 1875x1320 ]] || e2e_restart_x 1600x1000
    VLIMS_SCALE=3 e2e_launch
    expect_window "$window" "$fits"
    e2e_close
    e2e_end_clean
done
e2e_log "ok"
