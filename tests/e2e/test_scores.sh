#!/bin/bash
# 13 name dialogs in one run: a resumed game with points, End, a name typed.
# Enter enters it; Escape and the dialog's close box do not, nor does the game
# window's close box end it; SIGTERM enters what is typed and quits.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
play_skip_start_help
INFO="$E2E_GAME_DIR/Data/Info.dat"

# The Normal/Normal entries that are not "Player" with 0, newest first, as
# "name:stored bytes of the score", line-end translation undone.
entered_names() {
    python3 - "$INFO" <<'PY'
import sys
data = open(sys.argv[1], "rb").read().replace(b"\r\n", b"\n")
for i in range(10, 20):
    name, score = data[36 * i:36 * i + 32].split(b"\0")[0].decode("latin-1"), data[36 * i + 32:36 * i + 36]
    if name != "Player" or score != bytes(4):
        print(f"{name}:{score.hex()}", end=" ")
PY
}
names_are() { [[ "$(entered_names)" == "$1" ]]; }
dialog_gone() { ! play_box_shown "High Score"; }
dialog_focused() { [[ "$(xdotool getactivewindow getwindowname 2>/dev/null)" == "High Score" ]]; }
dialog_sum() { e2e_window_sum "$(xwininfo -name "High Score" | awk '/Window id:/ {print $4}')"; }
dialog_changed() { [[ "$(dialog_sum)" != "$1" ]]; }

# Resume (a fresh saved game of $1 points), End, and wait for the dialog.
end_game_with() {
    play_saved write "$E2E_GAME_DIR/Data/Resume.dat" 0 "$1"
    e2e_press resume
    sleep 1.2
    e2e_press end
    play_wait_box "High Score" || e2e_fail "no \"High Score\" window for $1 points"
    e2e_until "$E2E_GAME_PID" dialog_focused || e2e_fail "the dialog has no focus"
}

e2e_launch
expected=""
round=0
# Real key presses (XTEST) to the focused dialog. 3850 is 0A 0F 00 00: its
# 0x0A is stored as 0D 0A.
for how in Return Return Return Return Return Return Return Return Return Return Escape close; do
    score=$((3850 + round))
    end_game_with "$score"
    xdotool type "Ann$round"
    [[ $round != 0 ]] || { e2e_close && sleep 0.5 && play_box_shown "High Score"; } ||
        e2e_fail "the game window's close box ended the dialog"
    if [[ $how == close ]]; then wmctrl -c "High Score"; else xdotool key "$how"; fi
    e2e_until "$E2E_GAME_PID" dialog_gone || e2e_fail "$how left the dialog open"
    [[ $how != Return ]] || expected="Ann$round:$(printf '%08x' "$score" | sed 's/\(..\)\(..\)\(..\)\(..\)/\4\3\2\1/') $expected"
    e2e_until "$E2E_GAME_PID" names_are "$expected" || e2e_fail "$how in round $round: Info.dat holds $(entered_names)"
    [[ $round != 0 ]] || [[ $(stat -c %s "$INFO") == 2161 ]] || e2e_fail "Info.dat is not 2161 bytes"
    e2e_until_still "$window" || e2e_fail "the score screen never settled"
    e2e_rest_after e2e_press menu
    round=$((round + 1))
done

# A quit is not a Cancel.
end_game_with 9001
before=$(dialog_sum)
xdotool type "Zed"
e2e_until "$E2E_GAME_PID" dialog_changed "$before" || e2e_fail "the typed name never showed"
kill -TERM "$E2E_GAME_PID"
e2e_end_clean
# Zed's 9001 tops the ten, and the lowest, Ann0's, drops out.
[[ "$(entered_names)" == "Zed:29230000 ${expected%Ann0:*}" ]] || e2e_fail "SIGTERM in the dialog left $(entered_names)"
! grep -q "refused a request" "$E2E_TMP/game.stderr" || e2e_fail "an X request failed"
e2e_log "ok"
