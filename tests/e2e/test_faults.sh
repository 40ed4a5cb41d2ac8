#!/bin/bash
# The real game against a damaged folder: no Data folder at all, then a
# saved game that is a folder and a 10 MB high-score table of random bytes.
# Each time it starts, plays, tells the player what it could not save, and
# ends cleanly; what it could not read it names on stderr.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"
DATA="$E2E_GAME_DIR/Data"
NOT_SAVED="Your game could not be saved..."

# Play Game with one plain click while another window has the focus (the
# click that activates the game counts), a click on two neighbours, then the
# close box; the box that follows is dismissed and the game must end with
# exit code 1.
play_and_close() {
    local expected_box=$1
    e2e_start_game
    local window i
    window=$(e2e_find_window)
    xmessage -geometry +700+500 "focus elsewhere" &
    local other=$!
    for i in $(seq 50); do
        [[ "$(xdotool getactivewindow getwindowname 2>/dev/null)" == xmessage ]] && break
        sleep 0.1
    done
    [[ "$(xdotool getactivewindow getwindowname 2>/dev/null)" == xmessage ]] || e2e_fail "xmessage has no focus"
    e2e_quick_click "$window" 400 120  # Play Game
    kill "$other"
    sleep 1.5
    e2e_click "$window" 180 180
    sleep 0.3
    e2e_click "$window" 220 180
    sleep 1.5
    e2e_close
    play_wait_box "$expected_box" || e2e_fail "no \"$expected_box\" box"
    xdotool key Return
    e2e_wait_exit
    e2e_expect_clean_exit 1
}

# No Data folder: no metrics (text without widths), nothing can be saved,
# and the folder is not made behind the player's back.
mv "$DATA" "$E2E_TMP/Data.away"
play_and_close "$NOT_SAVED"
[[ ! -e "$DATA" ]] || e2e_fail "the game made a Data folder"
grep -q 'Times Roman 10 Font Metrics.dat' "$E2E_TMP/game.stderr" ||
    e2e_fail "the missing font metrics were not named on stderr"
grep -q 'Resume.dat' "$E2E_TMP/game.stderr" || e2e_fail "the failed save was not named on stderr"
mv "$E2E_TMP/Data.away" "$DATA"

# The saved game is a folder; the high-score table is 10 MB of noise.
mkdir "$DATA/Resume.dat"
head -c $((10 << 20)) /dev/urandom >"$DATA/Info.dat"
: >"$E2E_TMP/game.stderr"
e2e_start_game
window=$(e2e_find_window)
sleep 1
e2e_click "$window" 400 220  # High Scores: the noise read as far as it goes
sleep 1
e2e_click "$window" 450 360  # Menu
sleep 1
e2e_click "$window" 400 170  # Resume: there is none
play_wait_box "No saved game..." || e2e_fail "Resume found a saved game in a folder"
xdotool key Return
sleep 1.5
e2e_close
play_wait_box "$NOT_SAVED" || e2e_fail "no \"$NOT_SAVED\" box"
xdotool key Return
e2e_wait_exit
e2e_expect_clean_exit 1
[[ -d "$DATA/Resume.dat" ]] || e2e_fail "the folder in place of the saved game was touched"
e2e_log "ok"
