#!/bin/bash
# A whole game in the real window: Play Game (a plain click, no hold), a
# swap on the board, SIGHUP saves the game as a close does (with its
# message, which a close request ends at once), Resume restores the same
# board, and End leaves only the end marker.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
play_skip_start_help
saved="$E2E_GAME_DIR/Data/Resume.dat"

e2e_start_game
window=$(e2e_find_window)
sleep 1
e2e_quick_click "$window" 400 120  # Play Game
sleep 1.5                           # 250 ms to act, then the pieces grow in
play_park_pointer "$window"
sleep 0.3
play_window_rgb "$window" "$E2E_TMP/board.rgb"
play_saved pieces "$E2E_TMP/board.rgb" "$E2E_GAME_DIR" || e2e_fail "no board of pieces after Play Game"

# Click a piece, then its right-hand neighbour: a swap (kept or undone).
e2e_click "$window" 180 180
sleep 0.3
e2e_click "$window" 220 180
play_park_pointer "$window"
sleep 4.5  # the slide, a possible slide back, the board check and regrowth
play_window_rgb "$window" "$E2E_TMP/before-close.rgb"

kill -HUP "$E2E_GAME_PID"
play_wait_box "Your game has been automatically saved..." ||
    e2e_fail "no message about the automatic save"
[[ -f "$saved" ]] || e2e_fail "the box shows before the game is saved"
e2e_close
sleep 1
kill -0 "$E2E_GAME_PID" 2>/dev/null && e2e_fail "a close request left the game in its message box"
e2e_wait_exit
e2e_expect_clean_exit 1
play_saved check "$saved" || e2e_fail "bad saved game"
play_saved compare "$saved" "$E2E_TMP/before-close.rgb" "$E2E_GAME_DIR" ||
    e2e_fail "the saved board is not the one on screen"
cp "$saved" "$E2E_TMP/saved-first.dat"

# Resume restores the same board; resuming does not consume the file.
e2e_start_game
window=$(e2e_find_window)
sleep 1
e2e_click "$window" 400 170  # Resume
sleep 0.8
play_box_shown "No saved game..." && e2e_fail "Resume did not find the saved game"
play_park_pointer "$window"
sleep 1.5
play_window_rgb "$window" "$E2E_TMP/resumed.rgb"
play_saved compare "$saved" "$E2E_TMP/resumed.rgb" "$E2E_GAME_DIR" ||
    e2e_fail "the resumed board differs from the saved one"
cmp -s "$saved" "$E2E_TMP/saved-first.dat" || e2e_fail "resuming changed the saved game"

# End: the score screen follows and only the end marker is left.
e2e_click "$window" 535 400
sleep 1
if play_wait_box "High Score" 20; then
    xdotool key Escape
    sleep 0.5
fi
play_saved marker "$saved" || e2e_fail "End did not leave the end marker"
e2e_close
sleep 1
play_box_shown "Your game has been automatically saved..." &&
    e2e_fail "an ended game was saved again"
e2e_wait_exit
e2e_expect_clean_exit 1
play_saved marker "$saved" || e2e_fail "closing after End touched the saved game"
e2e_log "ok"
