#!/bin/bash
# A whole game in the real window: Play Game (a plain click, no hold), a
# swap on the board, SIGHUP saves the game as a close does (with its
# message, which a close request ends at once), Resume restores the same
# board, and End leaves only the end marker.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
play_skip_start_help
saved="$E2E_GAME_DIR/Data/Resume.dat"

e2e_launch
xdotool mousemove --window "$window" 400 120 click 1  # Play Game, no hold
sleep 1.5                           # 250 ms to act, then the pieces grow in
play_shot board pieces || e2e_fail "no board of pieces after Play Game"
play_swap
play_park_pointer "$window"
sleep 4.5  # the slide, a possible slide back, the board check and regrowth
play_window_rgb "$window" "$E2E_TMP/before-close.rgb"

kill -HUP "$E2E_GAME_PID"
play_wait_box "$SAVED_BOX" || e2e_fail "no message about the automatic save"
[[ -f "$saved" ]] || e2e_fail "the box shows before the game is saved"
e2e_close  # ends the game from its message box, with no key pressed
e2e_end_clean
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
sleep 0.5
play_saved marker "$saved" || e2e_fail "End did not leave the end marker"
e2e_close
sleep 1
play_box_shown "$SAVED_BOX" && e2e_fail "an ended game was saved again"
e2e_end_clean
play_saved marker "$saved" || e2e_fail "closing after End touched the saved game"
e2e_log "ok"
