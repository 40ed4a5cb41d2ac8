#!/bin/bash
# A resumed Rotational game in the real window: a click on the rotate button
# between cells (3, 3) and (4, 4) turns the block, the line it makes scores 25,
# and closing the window saves the turned board with the new total.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
play_skip_start_help
# Blue (1) on (5, 3), (6, 3) and (7, 3) waits for the Blue of (3, 3): turning
# the block clockwise moves it to (4, 3) and completes row 3 from x = 4 to 7.
play_saved write "$E2E_GAME_DIR/Data/Resume.dat" 1 100 35=1 36=1 37=1

e2e_launch
e2e_press resume
sleep 1.5                    # the board grows in
e2e_click "$window" 180 180  # the rotate button on corner (4, 4)
sleep 1.5
e2e_close_through "$SAVED_BOX"

python3 - "$E2E_GAME_DIR/Data/Resume.dat" <<'PY' || e2e_fail "saved game after the turn"
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
