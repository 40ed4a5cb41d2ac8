#!/bin/bash
# Two copies of the game in one folder: the second says so and quits without
# touching a file (not even the first one's save in progress), the first plays
# on and saves. Then a pipe where the display log belongs: the game starts as
# usual and puts its log in its place.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
SAVED="Your game has been automatically saved..."
listing() { (cd "$E2E_GAME_DIR" && find . -printf '%p %s %T@\n' | sort); }
close_saving() {
    e2e_close
    play_wait_box "$SAVED" || e2e_fail "no \"$SAVED\" box"
    xdotool key Return
    e2e_wait_exit
    e2e_expect_clean_exit 1
}

e2e_start_game
first=$E2E_GAME_PID
window=$(e2e_find_window)
sleep 1
e2e_click "$window" 400 120  # Play Game
sleep 1
: >"$E2E_GAME_DIR/Data/Resume.dat.tmp-AbC123"  # as a save in progress leaves it
listing >"$E2E_TMP/before.txt"
e2e_start_game
if play_wait_box "Already running..." 50; then xdotool key Return; fi
e2e_wait_exit
e2e_expect_clean_exit 1
grep -q "another copy of the game is using this folder" "$E2E_TMP/game.stderr" ||
    e2e_fail "the second copy did not say why it quit"
listing | cmp -s - "$E2E_TMP/before.txt" || e2e_fail "the second copy touched the folder"
E2E_GAME_PID=$first
close_saving
[[ $(stat -c %s "$E2E_GAME_DIR/Data/Resume.dat") == 416 ]] || e2e_fail "the first copy lost its save"

rm "$E2E_GAME_DIR/Direct Draw 5 Log.txt"
mkfifo "$E2E_GAME_DIR/Direct Draw 5 Log.txt"
e2e_start_game
e2e_find_window >/dev/null
[[ -f "$E2E_GAME_DIR/Direct Draw 5 Log.txt" ]] || e2e_fail "the log is not a file"
e2e_close
e2e_wait_exit
e2e_expect_clean_exit 1
e2e_log "ok"
