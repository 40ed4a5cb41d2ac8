#!/bin/bash
# The high-score flow, round after round in one run of the game: resume a
# game with points, End, the name typed into the "High Score" window and OK
# (Enter), the score screen, back to the menu. Escape and the dialog's close
# box enter nothing; SIGTERM while it is open enters the name typed so far,
# then quits. The game never dies on the way and no X request fails.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
play_skip_start_help
INFO="$E2E_GAME_DIR/Data/Info.dat"

# The Normal/Normal entries that are not "Player" with 0, as
# "name:stored bytes of the score", line-end translation undone.
entered_names() {
    python3 - "$INFO" <<'PY'
import sys
data = open(sys.argv[1], "rb").read().replace(b"\r\n", b"\n")
for i in range(10, 20):
    name = data[36 * i:36 * i + 32].split(b"\0")[0].decode("latin-1")
    score = data[36 * i + 32:36 * i + 36]
    if name != "Player" or score != bytes(4):
        print(f"{name}:{score.hex()}", end=" ")
PY
}

# Resume (a fresh saved game of $1 points), End, and wait for the dialog.
end_game_with() {
    play_write_saved 0 "$1"
    e2e_click "$window" 400 170  # Resume
    sleep 1.2
    e2e_click "$window" 535 400  # End
    play_wait_box "High Score" || e2e_fail "no \"High Score\" window for $1 points"
    sleep 0.3
}

back_to_menu() {
    sleep 0.5
    e2e_click "$window" 450 360  # Menu
    sleep 0.8
}

e2e_start_game
window=$(e2e_find_window)
sleep 1
# 3850 is 0A 0F 00 00: its 0x0A is stored as 0D 0A.
expected=""
for round in $(seq 0 9); do
    score=$((3850 + round))
    end_game_with "$score"
    # Real key presses (XTEST) to the focused dialog.
    xdotool type "Ann$round"
    xdotool key Return
    expected="Ann$round:$(printf '%08x' "$score" | sed 's/\(..\)\(..\)\(..\)\(..\)/\4\3\2\1/') $expected"
    for i in $(seq 30); do
        [[ "$(entered_names)" == "$expected" ]] && break
        sleep 0.1
    done
    [[ "$(entered_names)" == "$expected" ]] || e2e_fail "round $round: Info.dat holds $(entered_names)"
    [[ $round != 0 ]] || [[ $(stat -c %s "$INFO") == 2161 ]] || e2e_fail "Info.dat is not 2161 bytes"
    back_to_menu
done

press_escape() { xdotool key Escape; }
close_box() { wmctrl -c "High Score"; }
for cancel in press_escape close_box; do
    end_game_with 9000
    xdotool type "Bob"
    $cancel
    sleep 0.5
    ! play_box_shown "High Score" || e2e_fail "$cancel left the dialog open"
    [[ "$(entered_names)" == "$expected" ]] || e2e_fail "$cancel entered $(entered_names)"
    back_to_menu
done

# A quit is not a Cancel.
end_game_with 9001
xdotool type "Zed"
sleep 0.3
kill -TERM "$E2E_GAME_PID"
e2e_wait_exit
e2e_expect_clean_exit 1
[[ "$(entered_names)" == Zed:29230000\ * ]] || e2e_fail "SIGTERM in the dialog left $(entered_names)"
! grep -q "refused a request" "$E2E_TMP/game.stderr" || e2e_fail "an X request failed"
e2e_log "ok"
