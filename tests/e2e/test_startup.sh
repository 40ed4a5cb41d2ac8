#!/bin/bash
# A first start: a 625 x 440 client area at (50, 50), an empty display log,
# SIGTERM as a close (leaving the default score table), Help with no browser
# naming the page, the start help leaving its demonstration row in view; then
# the display lost under a running game, and no screen.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
LOG="$E2E_GAME_DIR/Direct Draw 5 Log.txt"

e2e_launch
size=$(e2e_client_size "$window")
corner=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x "," y}')
[[ "$size@$corner" == "625x440@50,50" ]] || e2e_fail "client area $size at $corner"
kill -TERM "$E2E_GAME_PID"
e2e_end_clean
[[ -f "$LOG" && ! -s "$LOG" ]] || e2e_fail "no empty display log"
[[ $(stat -c %s "$E2E_GAME_DIR/Data/Info.dat") == 2160 ]] || e2e_fail "no default score table"

mkdir "$E2E_TMP/bin"
printf '#!/bin/sh\nexit 3\n' >"$E2E_TMP/bin/xdg-open"  # what it says when it finds no browser
chmod +x "$E2E_TMP/bin/xdg-open"
PATH="$E2E_TMP/bin:$PATH" e2e_launch
e2e_press help
e2e_until "$E2E_GAME_PID" grep -q -- "$E2E_GAME_DIR/Help/Hints.html" "$E2E_TMP/game.stderr" ||
    e2e_fail "Help said nothing"
e2e_press play
sleep 1.5
# White, White, White, Red, White on (3, 4) to (7, 4).
play_shot first-game exact 3,4=6 4,4=6 5,4=6 6,4=3 7,4=6 ||
    e2e_fail "the start help hides the row it teaches"
e2e_close_through "$SAVED_BOX"

# The display goes away under a running game: what a close saves is saved.
e2e_launch
e2e_press play
sleep 1.5
kill -KILL "$E2E_XVFB_PID"
e2e_end_clean
play_saved check "$E2E_GAME_DIR/Data/Resume.dat" || e2e_fail "no saved game after the display was lost"
e2e_said "connection to the display was lost" "nothing said on stderr"

# With no screen the graphics check fails: the message goes to stderr (no box
# can be shown either) and the game quits at once, creating nothing.
rm -f "$E2E_GAME_DIR/Data/Info.dat"
: >"$E2E_TMP/game.stderr"
(cd "$E2E_GAME_DIR" && exec env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 ./vlims) 2>"$E2E_TMP/game.stderr" &
E2E_GAME_PID=$!
e2e_end_clean
e2e_said "Vlims requires DirectX 5." "no check message"
e2e_said "graphics check failed" "no reason on stderr"
[[ ! -e "$E2E_GAME_DIR/Data/Info.dat" ]] || e2e_fail "the score screen was created"
e2e_log "ok"
