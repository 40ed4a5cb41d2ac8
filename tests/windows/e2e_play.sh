#!/bin/bash
# vlims.exe under Wine: its client area, a Hard game saved by the close, with
# its box and exit code 1; at 192 DPI the manifest leaves the game to double.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/wine.sh"
E2E_PROGRAM=vlims.exe
E2E_LAUNCHER=$WINE
E2E_SCREEN=1600x1200 e2e_setup "$1"
trap 'wine_dpi 96; e2e_cleanup; wine_stop' EXIT
wine_prepare
play_skip_start_help
saved="$E2E_GAME_DIR/Data/Resume.dat"

e2e_start_game
window=$(e2e_find_window)
size=$(e2e_client_size "$window")
[[ "$size" == "625x440" ]] || e2e_fail "client area $size, expected 625x440"
e2e_until_still "$window" || e2e_fail "the start screen never settled"
e2e_rest_after e2e_click "$window" 195 185  # the difficulty picture: Normal becomes Hard
e2e_click "$window" 400 120  # Play Game
sleep 1.5
play_park_pointer "$window"
sleep 0.3
play_window_rgb "$window" "$E2E_TMP/board.rgb"

e2e_close
play_wait_box "Your game has been automatically saved..." ||
    e2e_fail "no message about the automatic save"
box=$(xwininfo -name "Your game has been automatically saved..." | awk '/Window id:/ {print $4}')
[[ -f "$saved" ]] || e2e_fail "the box shows before the game is saved"
# Wine ignores keys sent to a window; the box has the focus, so type into it.
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key Return
e2e_end_clean
# Nothing moved since the shot: the board on screen is the one saved.
play_saved compare "$saved" "$E2E_TMP/board.rgb" "$E2E_GAME_DIR" ||
    e2e_fail "the board on screen after Play Game is not the saved one"
[[ "$(play_saved check "$saved")" == "variant 0 difficulty 3 level 1 "* ]] ||
    e2e_fail "the saved game is not a whole Hard Normal game of level 1"
compgen -G "$E2E_GAME_DIR/Data/*.tmp-*" >/dev/null && e2e_fail "a temporary file was left in Data"

wine_dpi 192
e2e_start_game
size=$(e2e_client_size "$(e2e_find_window)")
[[ "$size" == "1250x880" ]] || e2e_fail "client area $size at 192 DPI, expected 1250x880"
e2e_close
e2e_end_clean
e2e_log "ok"
