#!/bin/bash
# Play Game (a plain click), a swap, SIGHUP saves as a close does, with no
# box; Resume restores the board, End leaves the end marker. Then a resumed
# Rotational game: the rotate button turns a block into a line scoring 25,
# and the close saves the turned board and total.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
play_skip_start_help
saved="$E2E_GAME_DIR/Data/Resume.dat"

e2e_launch
xdotool mousemove --window "$window" 400 120 click 1  # Play Game, no hold
sleep 1.5 # 250 ms to act, then the pieces grow in
play_swap
play_park_pointer "$window"
sleep 4.5  # the slide, a possible slide back, the board check and regrowth
play_window_rgb "$window" "$E2E_TMP/before-close.rgb"

kill -HUP "$E2E_GAME_PID"
e2e_end_clean
e2e_said "$SAVED_BOX" "the automatic save was not said on stderr"
play_saved compare "$saved" "$E2E_TMP/before-close.rgb" "$E2E_GAME_DIR" ||
    e2e_fail "the saved board is not the one on screen"
cp "$saved" "$E2E_TMP/saved-first.dat"

# Resume restores the same board; resuming does not consume the file.
e2e_launch
e2e_press resume
sleep 0.8
play_box_shown "No saved game..." && e2e_fail "Resume did not find the saved game"
sleep 1.5
play_shot resumed compare "$saved" || e2e_fail "the resumed board differs from the saved one"
cmp -s "$saved" "$E2E_TMP/saved-first.dat" || e2e_fail "resuming changed the saved game"

# End: the score screen follows and only the end marker is left; a close
# then saves nothing.
e2e_press end
if play_wait_box "High Score" 30; then xdotool key Escape; fi
e2e_until "$E2E_GAME_PID" play_saved marker "$saved" || e2e_fail "End did not leave the end marker"
e2e_close
# A box would keep the game open; it ends without one.
! E2E_WAIT=100 e2e_until "$E2E_GAME_PID" play_box_shown "$SAVED_BOX" ||
    e2e_fail "an ended game was saved again"
e2e_end_clean
play_saved marker "$saved" || e2e_fail "closing after End touched the saved game"

# Blue (1) on (5, 3), (6, 3) and (7, 3) waits for the Blue of (3, 3): turning
# the block clockwise moves it to (4, 3) and completes row 3 from x = 4 to 7.
play_saved write "$saved" 1 100 35=1 36=1 37=1
e2e_launch
e2e_press resume
sleep 1.5                    # the board grows in
e2e_click "$window" 180 180  # the rotate button on corner (4, 4)
sleep 1.5
e2e_close_through "$SAVED_BOX"

python3 - "$saved" <<'PY' || e2e_fail "saved game after the turn"
import struct, sys
variant, difficulty, level, total, *cells = struct.unpack("<104i", open(sys.argv[1], "rb").read())
assert (variant, difficulty, level, total) == (1, 2, 1, 125), (variant, difficulty, level, total)
colour = lambda x, y: cells[x + 10 * y]
before = lambda x, y: (x + 3 * y) % 6 + 1
# Clockwise: (3, 4) went up to (3, 3), (4, 3) down to (4, 4), (4, 4) left to (3, 4).
assert [colour(3, 3), colour(4, 4), colour(3, 4)] == [before(3, 4), before(4, 3), before(4, 4)]
# The line's four cells were refilled from the five colours Blue to Purple.
assert all(1 <= colour(x, 3) <= 5 for x in range(4, 8)), cells[30:40]
PY
e2e_log "ok"
