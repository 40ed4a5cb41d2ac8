#!/bin/bash
# The real game opens its window with a 625 x 440 client area at (50, 50)
# and a close request ends it cleanly with exit code 1; a new player's
# first steps.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

e2e_start_game
window=$(e2e_find_window)
size=$(e2e_client_size "$window")
[[ "$size" == "625x440" ]] || e2e_fail "client area $size, expected 625x440"
corner=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x "," y}')
[[ "$corner" == "50,50" ]] || e2e_fail "client area at $corner, expected 50,50"
sleep 1
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

# What a new player meets: Help with no browser says where the page is, and
# the first game's start help leaves its five demonstration pieces in view.
mkdir "$E2E_TMP/bin"
printf '#!/bin/sh\nexit 3\n' >"$E2E_TMP/bin/xdg-open"  # what it says when it finds no browser
chmod +x "$E2E_TMP/bin/xdg-open"
PATH="$E2E_TMP/bin:$PATH" e2e_start_game
window=$(e2e_find_window)
sleep 1
e2e_click "$window" 400 270  # Help
sleep 1.5
grep -qF "$E2E_GAME_DIR/Help/Hints.html" "$E2E_TMP/game.stderr" || e2e_fail "Help said nothing"
e2e_click "$window" 400 120  # Play Game
play_park_pointer "$window"
sleep 1.5
play_window_rgb "$window" "$E2E_TMP/first-game.rgb"
python3 - "$E2E_TMP/first-game.rgb" "$E2E_GAME_DIR" <<'PY' || e2e_fail "the start help hides the row it teaches"
import struct, sys
shot = open(sys.argv[1], "rb").read()
for i, colour in enumerate(["White", "White", "White", "Red", "White"]):
    bmp = open(f"{sys.argv[2]}/Graphics/Vlims/{colour} Vlim Standard 1.bmp", "rb").read()
    at = struct.unpack_from("<I", bmp, 10)[0]  # 40 rows of 120 bytes, bottom up
    piece = [bmp[at + (39 - n // 40) * 120 + n % 40 * 3:][:3][::-1] for n in range(1600)]
    left = 20 + 40 * (3 + i)
    hidden = sum(any(p) and shot[((180 + n // 40) * 625 + left + n % 40) * 3:][:3] != p
                 for n, p in enumerate(piece))
    assert hidden == 0, f"{colour} of ({3 + i}, 4): {hidden} pixels not as drawn"
PY
e2e_close
play_wait_box "Your game has been automatically saved..." || e2e_fail "no save message"
xdotool key Return
e2e_wait_exit
e2e_expect_clean_exit 1

# The display goes away under a running game: what a close saves is saved.
e2e_start_game
window=$(e2e_find_window)
sleep 1
e2e_click "$window" 400 120  # Play Game
sleep 1.5
kill -KILL "$E2E_XVFB_PID"
e2e_wait_exit
e2e_expect_clean_exit 1
play_saved check "$E2E_GAME_DIR/Data/Resume.dat" || e2e_fail "no saved game after the display was lost"
grep -q "connection to the display was lost" "$E2E_TMP/game.stderr" || e2e_fail "nothing said on stderr"

# With no screen to show a window on, the graphics check fails: the message
# goes to stderr (no box can be shown either) and the game quits at once,
# before creating anything.
rm -f "$E2E_GAME_DIR/Data/Info.dat"
(cd "$E2E_GAME_DIR" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER \
    timeout 20 ./vlims) 2>"$E2E_TMP/nodisplay.stderr" && rc=0 || rc=$?
[[ $rc == 1 ]] || e2e_fail "exit code $rc without a screen, expected 1"
grep -q "Vlims requires DirectX 5." "$E2E_TMP/nodisplay.stderr" || e2e_fail "no check message"
grep -q "graphics check failed" "$E2E_TMP/nodisplay.stderr" || e2e_fail "no reason on stderr"
! grep -qE "Sanitizer|runtime error:" "$E2E_TMP/nodisplay.stderr" || e2e_fail "sanitizer report"
[[ ! -e "$E2E_GAME_DIR/Data/Info.dat" ]] || e2e_fail "the score screen was created"

e2e_log "ok"
