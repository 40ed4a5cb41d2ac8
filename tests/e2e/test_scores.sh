#!/bin/bash
# A game ended with a high score asks for the name in the "High Score" window;
# the name typed there and confirmed with Enter is in "Data/Info.dat" at once,
# and Escape enters nothing.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

# A saved Normal game on Normal difficulty with 3850 points (whose low byte is
# 0x0A, so the file's line-end translation shows) on a board without lines:
# colour (x + 3y) mod 6 + 1 never repeats four times in any direction.
write_saved_game() {
    # Past the start help, which is played on Easy.
    echo 3 >"$E2E_GAME_DIR/Data/Help.dat"
    echo 3 >"$E2E_GAME_DIR/Data/Help2.dat"
    python3 - "$E2E_GAME_DIR/Data/Resume.dat" <<'PY'
import struct, sys
cells = [(x + 3 * y) % 6 + 1 for y in range(10) for x in range(10)]
open(sys.argv[1], "wb").write(struct.pack("<104i", 0, 2, 1, 3850, *cells))
PY
}

# Waits (up to 10 s) for the "High Score" window.
find_dialog() {
    local i
    for i in $(seq 100); do
        xwininfo -name "High Score" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    e2e_fail "no \"High Score\" window"
}

# Resumes the saved game, ends it with End and waits for the name dialog.
end_game_with_high_score() {
    write_saved_game
    e2e_start_game
    local window
    window=$(e2e_find_window)
    sleep 1
    e2e_click "$window" 400 170  # Resume
    sleep 1.5
    e2e_click "$window" 535 400  # End
    find_dialog
    sleep 0.5
}

# The entries that are not "Player" with 0, as "number:name:stored bytes of
# the score" (numbers from 1 in file order; entry 11 is the first of Normal
# Game / Normal). The file is read with its line-end translation undone.
entered_names() {
    python3 - "$E2E_GAME_DIR/Data/Info.dat" <<'PY'
import sys
raw = open(sys.argv[1], "rb").read()
data = raw.replace(b"\r\n", b"\n")
for i in range(len(data) // 36):
    name = data[36 * i:36 * i + 32].split(b"\0")[0].decode("latin-1")
    score = data[36 * i + 32:36 * i + 36]
    if name != "Player" or score != bytes(4):
        print(f"{i + 1}:{name}:{score.hex()}")
PY
}

end_game_with_high_score
e2e_screenshot "$E2E_TMP/dialog.png"
# Real key presses (XTEST) to the focused dialog. Keys sent to a given window
# would fail on the release of Return (the window is gone by then) and leave
# the key held down in the X server.
xdotool type "Ann"
sleep 0.3
xdotool key Return
for i in $(seq 50); do
    [[ -f "$E2E_GAME_DIR/Data/Info.dat" ]] && break
    sleep 0.1
done
[[ -f "$E2E_GAME_DIR/Data/Info.dat" ]] || e2e_fail "no Data/Info.dat after the name was entered"
[[ "$(entered_names)" == "11:Ann:0a0f0000" ]] || e2e_fail "Info.dat holds $(entered_names)"
# 3850 is 0A 0F 00 00: its 0x0A is stored as 0D 0A.
size=$(stat -c %s "$E2E_GAME_DIR/Data/Info.dat")
[[ "$size" == 2161 ]] || e2e_fail "Info.dat holds $size bytes, expected 2161"
sleep 0.5
e2e_screenshot "$E2E_TMP/scores.png"
e2e_close
e2e_wait_exit
e2e_expect_clean_exit 1
[[ "$(entered_names)" == "11:Ann:0a0f0000" ]] || e2e_fail "the entry was lost at exit"

# Escape and the close box close the dialog as Cancel: nothing is entered.
cp "$E2E_GAME_DIR/Data/Info.dat" "$E2E_TMP/before.dat"
press_escape() { xdotool key Escape; }
close_box() { wmctrl -c "High Score"; }
for cancel in press_escape close_box; do
    end_game_with_high_score
    xdotool type "Bob"
    $cancel
    sleep 0.5
    ! xwininfo -name "High Score" >/dev/null 2>&1 || e2e_fail "$cancel left the dialog open"
    e2e_close
    e2e_wait_exit
    e2e_expect_clean_exit 1
    cmp -s "$E2E_TMP/before.dat" "$E2E_GAME_DIR/Data/Info.dat" || e2e_fail "$cancel changed Info.dat"
done
e2e_log "ok"
