# Shared helpers for the end-to-end tests: a private X server with a window
# manager, the real game started from a copy of its folder, screenshots, and
# the checks of a clean end. Source it, then call e2e_setup GAME_DIR.
set -euo pipefail

E2E_TITLE="Vlims 2.10"
E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# What X, SDL and D-Bus keep until exit is theirs, not ours.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$E2E_LIB_DIR/../lsan.supp:print_suppressions=0}
E2E_TMP=""
E2E_XVFB_PID=""
E2E_WM_PID=""
E2E_GAME_PID=""
E2E_GAME_RC=""
# The program in the game folder and what starts it: the Windows run sets
# vlims.exe and Wine.
E2E_PROGRAM=${E2E_PROGRAM:-vlims}
E2E_LAUNCHER=${E2E_LAUNCHER:-}

e2e_log() { echo "e2e: $*" >&2; }
e2e_fail() {
    echo "e2e: FAIL: $*" >&2
    if [[ -n "$E2E_TMP" && -f "$E2E_TMP/game.stderr" ]]; then
        echo "---- game stderr ----" >&2
        cat "$E2E_TMP/game.stderr" >&2
    fi
    exit 1
}

e2e_cleanup() {
    local pid
    for pid in "$E2E_GAME_PID" "$E2E_WM_PID" "$E2E_XVFB_PID"; do
        if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    if [[ -n "$E2E_TMP" && -z "${E2E_KEEP:-}" ]]; then rm -rf "$E2E_TMP"; fi
}

# Copies the game folder to a scratch folder, so that the test's saved files
# never touch the build's own, and starts the X server (e2e_start_x).
e2e_setup() {
    local game_dir=$1
    [[ -x "$game_dir/$E2E_PROGRAM" ]] || e2e_fail "no game at $game_dir/$E2E_PROGRAM"
    e2e_start_x
    cp -r "$game_dir" "$E2E_TMP/game"
    rm -f "$E2E_TMP/game/Data/Resume.dat" "$E2E_TMP/game/Data/Info.dat" \
        "$E2E_TMP/game/Data/Help.dat" "$E2E_TMP/game/Data/Help2.dat"
    E2E_GAME_DIR="$E2E_TMP/game"
    e2e_log "game in $E2E_GAME_DIR"
}

# Makes the scratch folder and starts Xvfb on a display number it picks
# itself (several runs may share the machine) and openbox on it.
e2e_start_x() {
    E2E_TMP=$(mktemp -d /tmp/vlims-e2e.XXXXXX)
    trap e2e_cleanup EXIT
    local fd_file="$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>"$E2E_TMP/xvfb.log" &
    E2E_XVFB_PID=$!
    local i
    for i in $(seq 300); do
        [[ -s "$fd_file" ]] && break
        sleep 0.1
    done
    [[ -s "$fd_file" ]] || e2e_fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$(tr -d '[:space:]' <"$fd_file")"
    unset SDL_VIDEODRIVER SDL_AUDIODRIVER
    # No sound card here: the dummy driver keeps the audio path exercised.
    export SDL_AUDIODRIVER=dummy

    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    # A loaded machine can take a while; 30 s before giving up.
    for i in $(seq 300); do
        wmctrl -m >/dev/null 2>&1 && break
        kill -0 "$E2E_WM_PID" 2>/dev/null || e2e_fail "openbox ended: $(cat "$E2E_TMP/openbox.log")"
        sleep 0.1
    done
    wmctrl -m >/dev/null 2>&1 || e2e_fail "openbox did not start: $(cat "$E2E_TMP/openbox.log")"
    e2e_log "X server on $DISPLAY"
}

# Starts the game from its folder (its working directory) in the background.
e2e_start_game() {
    # shellcheck disable=SC2086
    (cd "$E2E_GAME_DIR" && exec $E2E_LAUNCHER "./$E2E_PROGRAM") 2>>"$E2E_TMP/game.stderr" &
    E2E_GAME_PID=$!
    E2E_GAME_RC=""
}

# Prints the id of the game's main window once it exists (within 20 s).
e2e_find_window() {
    local i id
    for i in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^${E2E_TITLE}\$" 2>/dev/null | head -n 1 || true)
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended before showing its window"
        sleep 0.1
    done
    e2e_fail "no window named \"$E2E_TITLE\""
}

# "WIDTHxHEIGHT" of a window's own (client) area.
e2e_client_size() {
    xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# A press the game's 10 ms tick cannot miss: the button stays down 150 ms,
# as a player's click does, with the pointer settled first.
e2e_click() {
    local window=$1 x=$2 y=$3
    xdotool mousemove --window "$window" "$x" "$y"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.15
    xdotool mouseup 1
}

# A plain click with no hold: press and release arrive together.
e2e_quick_click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Asks the window manager to close the game's window, as the close box does.
e2e_close() {
    wmctrl -c "$E2E_TITLE"
}

# Waits (up to 20 s) for the game to end and keeps its exit code.
e2e_wait_exit() {
    local i
    for i in $(seq 200); do
        if ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
            set +e
            wait "$E2E_GAME_PID"
            E2E_GAME_RC=$?
            set -e
            E2E_GAME_PID=""
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "the game did not end within 20 s"
}

# The end every run must have: the given exit code, and no sanitizer report.
e2e_expect_clean_exit() {
    local expected=$1
    [[ "$E2E_GAME_RC" == "$expected" ]] || e2e_fail "exit code $E2E_GAME_RC, expected $expected"
    if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: .*Sanitizer" \
        "$E2E_TMP/game.stderr" 2>/dev/null; then
        e2e_fail "sanitizer report"
    fi
}

# The play tests: message boxes, window shots and the saved-board checks.
# Moves the pointer onto an empty part of the panel, where nothing animates.
play_park_pointer() {
    xdotool mousemove --window "$1" 600 30
}

play_box_shown() {
    xwininfo -name "$1" >/dev/null 2>&1
}

# Waits for the window (a message box, the name dialog) with this caption,
# within $2 tenths of a second (100 unless given). Keys for it are pressed
# with no --window: it has the focus, and a key sent to a window that closes
# on the press fails on the release.
play_wait_box() {
    local i
    for i in $(seq "${2:-100}"); do
        play_box_shown "$1" && return 0
        sleep 0.1
    done
    return 1
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
    python3 "$E2E_LIB_DIR/saved_board.py" "$@"
}

# A saved game of variant $1 (0 Normal, 1 Rotational) on Normal difficulty,
# level 1, total $2, on a board without lines: colour (x + 3y) mod 6 + 1
# never repeats four times in any direction. Cells "INDEX=COLOUR" follow.
play_write_saved() {
    python3 - "$E2E_GAME_DIR/Data/Resume.dat" "$@" <<'PY'
import struct, sys
cells = [(x + 3 * y) % 6 + 1 for y in range(10) for x in range(10)]
for change in sys.argv[4:]:
    index, colour = map(int, change.split("="))
    cells[index] = colour
data = struct.pack("<104i", int(sys.argv[2]), 2, 1, int(sys.argv[3]), *cells)
open(sys.argv[1], "wb").write(data)
PY
}

# Starts the game with the start help already seen, so that nothing covers
# the board in the shots.
play_skip_start_help() {
    echo 3 >"$E2E_GAME_DIR/Data/Help.dat"
    echo 3 >"$E2E_GAME_DIR/Data/Help2.dat"
}
