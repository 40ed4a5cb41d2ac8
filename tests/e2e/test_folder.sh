#!/bin/bash
# Two copies in one folder: the second (started where a mere Graphics folder
# is) says so in a box and quits touching no file, the first plays on and
# saves. No Data folder: the game plays, says it could not save, names what it
# could not read or write, and makes no folder. (FaultTest does the rest.)
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
DATA="$E2E_GAME_DIR/Data"
listing() { (cd "$E2E_GAME_DIR" && find . -printf '%p %s %T@\n' | sort); }
focused() { [[ "$(xdotool getactivewindow getwindowname 2>/dev/null)" == xmessage ]]; }

e2e_launch
first=$E2E_GAME_PID
e2e_press play
e2e_until "$first" test -s "$DATA/Help.dat" || e2e_fail "no game started"
: >"$DATA/Resume.dat.tmp-AbC123"  # as a save in progress leaves it
listing >"$E2E_TMP/before.txt"
mkdir -p "$E2E_TMP/designer/Graphics"
e2e_start_game "$E2E_TMP/designer"
play_wait_box "Already running..." || e2e_fail "the second copy showed no box"
wmctrl -c "Already running..."  # the first copy keeps the focus
e2e_end_clean
e2e_said "Another copy of the game is using this folder" "the second copy did not say why it quit"
listing | cmp -s - "$E2E_TMP/before.txt" || e2e_fail "the second copy touched the folder"
E2E_GAME_PID=$first
e2e_close_through "$SAVED_BOX"
play_saved check "$DATA/Resume.dat" || e2e_fail "the first copy lost its save"

# No metrics (text without widths). Play Game is one plain click while
# another window has the focus (the click that activates the game counts).
rm -r "$DATA"
: >"$E2E_TMP/game.stderr"
e2e_launch
xmessage -geometry +700+500 "focus elsewhere" &
other=$!
e2e_until "$other" focused || e2e_fail "xmessage has no focus"
xdotool mousemove --window "$window" 400 120 click 1  # Play Game, no hold
kill "$other"
sleep 1.5
play_swap
sleep 1.5
e2e_close_through "$NOT_SAVED_BOX"
[[ ! -e "$DATA" ]] || e2e_fail "the game made a Data folder"
e2e_said 'Times Roman 10 Font Metrics.dat' "the missing font metrics were not named on stderr"
e2e_said 'Resume.dat' "the failed save was not named on stderr"
e2e_log "ok"
