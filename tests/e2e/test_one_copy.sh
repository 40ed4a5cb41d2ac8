#!/bin/bash
# Two copies of the game in one folder: the second says so and quits without
# touching a file (not even the first one's save in progress), the first plays
# on and saves. Then a pipe where the display log belongs: the game starts as
# usual and puts its log in its place.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
LOG="$E2E_GAME_DIR/Direct Draw 5 Log.txt"
listing() { (cd "$E2E_GAME_DIR" && find . -printf '%p %s %T@\n' | sort); }

e2e_launch
first=$E2E_GAME_PID
e2e_press play
sleep 1
: >"$E2E_GAME_DIR/Data/Resume.dat.tmp-AbC123"  # as a save in progress leaves it
listing >"$E2E_TMP/before.txt"
e2e_start_game
if play_wait_box "Already running..." 50; then xdotool key Return; fi
e2e_end_clean
e2e_said "another copy of the game is using this folder" "the second copy did not say why it quit"
listing | cmp -s - "$E2E_TMP/before.txt" || e2e_fail "the second copy touched the folder"
E2E_GAME_PID=$first
e2e_close_through "$SAVED_BOX"
play_saved check "$E2E_GAME_DIR/Data/Resume.dat" || e2e_fail "the first copy lost its save"

rm "$LOG"
mkfifo "$LOG"
e2e_start_game
e2e_find_window >/dev/null
[[ -f "$LOG" ]] || e2e_fail "the log is not a file"
kill -TERM "$E2E_GAME_PID"
e2e_end_clean
e2e_log "ok"
