# Helpers of the play tests on top of lib.sh: message
# boxes, window shots and the saved-board checks.

PLAY_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Moves the pointer onto an empty part of the panel, where nothing animates.
play_park_pointer() {
    xdotool mousemove --window "$1" 600 30
}

# Prints the id of the message box with this caption once it shows (within
# $2 tenths of a second, 100 unless given). SDL's boxes are found by
# xwininfo; xdotool search misses them.
play_wait_box() {
    local caption=$1 tenths=${2:-100} i id
    for i in $(seq "$tenths"); do
        id=$(xwininfo -name "$caption" 2>/dev/null | awk '/Window id:/ {print $4}' || true)
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

play_box_shown() {
    xwininfo -name "$1" >/dev/null 2>&1
}

# The window's client area as raw RGB bytes (625 x 440 x 3).
play_window_rgb() {
    local window=$1 out=$2
    import -window "$window" "$out.png"
    convert "$out.png" -depth 8 "rgb:$out"
    local size
    size=$(stat -c %s "$out")
    [[ "$size" == $((625 * 440 * 3)) ]] || e2e_fail "window shot is $size bytes"
}

play_saved() {
    python3 "$PLAY_LIB_DIR/saved_board.py" "$@"
}

# Starts the game with the start help already seen, so that nothing covers
# the board in the shots.
play_skip_start_help() {
    echo 3 >"$E2E_GAME_DIR/Data/Help.dat"
    echo 3 >"$E2E_GAME_DIR/Data/Help2.dat"
}
