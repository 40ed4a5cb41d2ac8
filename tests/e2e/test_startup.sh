#!/bin/bash
# The real game opens its window with a 625 x 440 client area and a close
# request ends it cleanly with exit code 1.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

e2e_start_game
window=$(e2e_find_window)
size=$(e2e_client_size "$window")
[[ "$size" == "625x440" ]] || e2e_fail "client area $size, expected 625x440"
sleep 1
e2e_screenshot "$E2E_TMP/start.png"
e2e_close
e2e_wait_exit
e2e_expect_clean_exit 1
[[ -f "$E2E_GAME_DIR/Direct Draw 5 Log.txt" ]] || e2e_fail "no display log"
[[ ! -s "$E2E_GAME_DIR/Direct Draw 5 Log.txt" ]] || e2e_fail "the display log is not empty"

# SIGTERM is a close request too.
e2e_start_game
e2e_find_window >/dev/null
sleep 0.5
kill -TERM "$E2E_GAME_PID"
e2e_wait_exit
e2e_expect_clean_exit 1
e2e_log "ok"
