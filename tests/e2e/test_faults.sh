#!/bin/bash
# The real game against a damaged folder: no Data folder at all, then a
# saved game that is a folder and a 10 MB high-score table of random bytes.
# Each time it starts, plays, tells the player what it could not save, and
# ends cleanly; what it could not read it names on stderr.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
DATA="$E2E_GAME_DIR/Data"
focused() { [[ "$(xdotool getactivewindow getwindowname 2>/dev/null)" == xmessage ]]; }

# No Data folder: no metrics (text without widths), nothing can be saved,
# and the folder is not made behind the player's back. Play Game is one plain
# click while another window has the focus (the click that activates the game
# counts).
mv "$DATA" "$E2E_TMP/Data.away"
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
mv "$E2E_TMP/Data.away" "$DATA"

# The saved game is a folder; the high-score table is 10 MB of noise.
mkdir "$DATA/Resume.dat"
head -c $((10 << 20)) /dev/urandom >"$DATA/Info.dat"
: >"$E2E_TMP/game.stderr"
e2e_launch
e2e_press scores  # the noise read as far as it goes
sleep 1
e2e_press menu
sleep 1
e2e_press resume  # there is none
play_wait_box "No saved game..." || e2e_fail "Resume found a saved game in a folder"
xdotool key Return
sleep 1.5
e2e_close_through "$NOT_SAVED_BOX"
[[ -d "$DATA/Resume.dat" ]] || e2e_fail "the folder in place of the saved game was touched"
e2e_log "ok"
