# shellcheck shell=bash
# The end-to-end tests' X server and window manager, the game run from a copy
# of its folder, clicks, boxes and shots. Source it, then e2e_setup GAME_DIR.
set -euo pipefail

E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The window title carries the project version, which only CMake states.
E2E_TITLE="Vlims $(sed -n 's/^project(Vlims VERSION \([0-9.]*\).*/\1/p' "$E2E_LIB_DIR/../../CMakeLists.txt")"
# What X, SDL and D-Bus keep until exit is theirs, not ours.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$E2E_LIB_DIR/../lsan.supp:print_suppressions=0}
E2E_TMP="" E2E_XVFB_PID="" E2E_WM_PID="" E2E_GAME_PID="" E2E_GAME_RC=""
# The program and what starts it (the Windows run: vlims.exe and Wine).
E2E_PROGRAM=${E2E_PROGRAM:-vlims} E2E_LAUNCHER=${E2E_LAUNCHER:-}

e2e_log() { echo "e2e: $*" >&2; }
e2e_fail() {
    echo "e2e: FAIL: $*" >&2
    [[ -z "$E2E_TMP" || ! -f "$E2E_TMP/game.stderr" ]] || cat - "$E2E_TMP/game.stderr" <<<"---- game stderr ----" >&2
    exit 1
}

e2e_cleanup() {
    [[ -z "$E2E_GAME_PID" ]] || kill -KILL -- "-$E2E_GAME_PID" 2>/dev/null || true
    # shellcheck disable=SC2046
    kill $(jobs -p) 2>/dev/null || true
    wait 2>/dev/null || true
    if [[ -n "$E2E_TMP" && -z "${E2E_KEEP:-}" ]]; then rm -rf "$E2E_TMP"; fi
}

# A scratch copy of the game folder without the files it writes, and X.
e2e_setup() {
    [[ -x "$1/$E2E_PROGRAM" ]] || e2e_fail "no game at $1/$E2E_PROGRAM"
    e2e_start_x
    E2E_GAME_DIR="$E2E_TMP/game"
    cp -r "$1" "$E2E_GAME_DIR"
    rm -f "$E2E_GAME_DIR"/Data/{Resume,Info,Help,Help2}.dat
    e2e_log "game in $E2E_GAME_DIR"
}

# Waits up to $E2E_WAIT tenths of a second (30 s unless set: a loaded machine
# is slow) for the command to succeed while the process $1 lives.
e2e_until() {
    local pid=$1
    shift
    for _ in $(seq "${E2E_WAIT:-300}"); do
        "$@" >/dev/null 2>&1 && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

e2e_start_x() { E2E_TMP=$(mktemp -d /tmp/vlims-e2e.XXXXXX); trap e2e_cleanup EXIT; e2e_start_server; }

# Xvfb with a screen of $E2E_SCREEN (1024x768 unless set) on a display number
# it picks itself (several runs may share the machine), and openbox.
e2e_start_server() {
    local fd_file="$E2E_TMP/display"
    rm -f "$fd_file"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768}x24" -nolisten tcp 3>"$fd_file" 2>"$E2E_TMP/xvfb.log" &
    E2E_XVFB_PID=$!
    e2e_until "$E2E_XVFB_PID" test -s "$fd_file" || e2e_fail "no Xvfb: $(cat "$E2E_TMP/xvfb.log")"
    DISPLAY=":$(tr -d '[:space:]' <"$fd_file")"
    export DISPLAY
    # On a loaded machine the number is out before the server takes clients.
    e2e_until "$E2E_XVFB_PID" xdpyinfo ||
        e2e_fail "Xvfb on $DISPLAY takes no connections: $(cat "$E2E_TMP/xvfb.log")"
    # The game's scale is the test's to set, not the desktop's the tests run on.
    unset SDL_VIDEODRIVER VLIMS_SCALE GDK_SCALE QT_SCALE_FACTOR
    # No sound card here: the dummy driver keeps the audio path exercised.
    export SDL_AUDIODRIVER=dummy
    e2e_start_wm
    e2e_log "X server on $DISPLAY"
}

# openbox, managing the screen; a start that fails or hangs is tried twice more.
e2e_start_wm() {
    local attempt
    for attempt in 1 2 3; do
        openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
        E2E_WM_PID=$!
        E2E_WAIT=150 e2e_until "$E2E_WM_PID" wmctrl -m && return 0
        e2e_log "openbox not ready (attempt $attempt): $(cat "$E2E_TMP/openbox.log")"
        kill "$E2E_WM_PID" 2>/dev/null || true
        wait "$E2E_WM_PID" 2>/dev/null || true
    done
    e2e_fail "no openbox: $(cat "$E2E_TMP/openbox.log")"
}

# Another X server, with a screen of $1, in place of the running one.
e2e_restart_x() {
    kill "$E2E_WM_PID" "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_WM_PID" "$E2E_XVFB_PID" 2>/dev/null || true
    E2E_SCREEN=$1 e2e_start_server
}

# The game started from its folder (or the working directory $1) in a process
# group of its own: a kill must take SDL's message box child too, or the dead
# game's window stays on the screen.
# shellcheck disable=SC2120  # the folder tests pass a working directory
e2e_start_game() {
    local program="./$E2E_PROGRAM"
    [[ -z "${1:-}" ]] || program="$E2E_GAME_DIR/$E2E_PROGRAM"
    # shellcheck disable=SC2086
    (cd "${1:-$E2E_GAME_DIR}" && exec setsid $E2E_LAUNCHER "$program") 2>>"$E2E_TMP/game.stderr" &
    E2E_GAME_PID=$!
    E2E_GAME_RC=""
}

e2e_find_window() {
    e2e_until "$E2E_GAME_PID" e2e_window_id || e2e_fail "no window named \"$E2E_TITLE\""
    e2e_window_id
}
e2e_window_id() { xdotool search --onlyvisible --name "^${E2E_TITLE}\$" 2>/dev/null | head -n 1 | grep .; }

# "WIDTHxHEIGHT" of a window's own (client) area.
e2e_client_size() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

# A press the 10 ms tick cannot miss, as a player's: the pointer settled, the
# button down 150 ms. Places in game pixels, scaled by $E2E_SCALE (1 unless set).
e2e_click() {
    xdotool mousemove --window "$1" $(($2 * ${E2E_SCALE:-1})) $(($3 * ${E2E_SCALE:-1}))
    sleep 0.1
    xdotool mousedown 1 sleep 0.15 mouseup 1
}

# The close box, as the window manager's.
e2e_close() { wmctrl -c "$E2E_TITLE"; }

# Waits (up to 20 s) for the game to end and keeps its exit code.
e2e_wait_exit() {
    E2E_WAIT=200 e2e_until $$ e2e_game_ended || e2e_fail "the game did not end within 20 s"
    wait "$E2E_GAME_PID" && E2E_GAME_RC=0 || E2E_GAME_RC=$?
    E2E_GAME_PID=""
}
e2e_game_ended() { ! kill -0 "$E2E_GAME_PID" 2>/dev/null; }

# The end every run must have: the given exit code, and no sanitizer report.
e2e_expect_clean_exit() {
    [[ "$E2E_GAME_RC" == "$1" ]] || e2e_fail "exit code $E2E_GAME_RC, expected $1"
    ! grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: .*Sanitizer" \
        "$E2E_TMP/game.stderr" 2>/dev/null || e2e_fail "sanitizer report"
}

# shellcheck disable=SC2034  # read by the scripts that source this
SAVED_BOX="Your game has been automatically saved..." NOT_SAVED_BOX="Your game could not be saved..."

# The game started, its window in $window, the start screen settled.
e2e_launch() {
    e2e_start_game
    window=$(e2e_find_window)
    e2e_until_still "$window" || e2e_fail "the start screen never settled"
}

# A checksum of the window's pixels.
e2e_window_sum() { import -window "$1" -depth 8 rgb:- 2>/dev/null | md5sum; }
# Runs the command, then waits until the window has changed and come to rest.
e2e_rest_after() {
    local before
    before=$(e2e_window_sum "$window")
    "$@"
    e2e_until_still "$window" "$before" || e2e_fail "the window did not settle after: $*"
}
# Waits until the window shows a drawn frame (not its first black) three
# times in a row, half a second or more: a screen at rest, not a pause between
# a slide and its slide back. The play screen never rests (its Vlims pull
# faces when idle). A frame like the sum $2 does not count: the change waited
# for has not come yet.
e2e_until_still() {
    local window=$1 unlike=${2:-} black last="" now same=0
    black=$(head -c $((625 * 440 * 3)) /dev/zero | md5sum)
    for _ in $(seq "${E2E_WAIT:-300}"); do
        now=$(e2e_window_sum "$window")
        if [[ "$now" == "$last" && "$now" != "$black" && "$now" != "$unlike" ]]; then same=$((same + 1)); else same=0; fi
        ((same < 2)) || return 0
        last=$now
        kill -0 "$E2E_GAME_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

e2e_press() {
    local -A at=([play]="400 120" [resume]="400 170" [scores]="400 220" [help]="400 270"
        [end]="535 400" [menu]="450 360")
    # shellcheck disable=SC2086
    e2e_click "$window" ${at[$1]}
}

# Clicks the middle of the piece at (200, $1), then its right-hand neighbour's
# (a click on the gap between pieces selects nothing).
play_swap() {
    e2e_click "$window" 200 "${1:-200}"
    sleep 0.3
    e2e_click "$window" 240 "${1:-200}"
}

# The game ends by itself now, the way every end must: exit code 1, clean.
e2e_end_clean() { e2e_wait_exit; e2e_expect_clean_exit 1; }

# The close box, answered by the message box $1, which Enter dismisses.
e2e_close_through() {
    e2e_close
    play_wait_box "$1" || e2e_fail "no \"$1\" box"
    xdotool key Return
    e2e_end_clean
}

e2e_said() { grep -q -- "$1" "$E2E_TMP/game.stderr" || e2e_fail "$2"; }

# An empty part of the panel, where nothing animates.
play_park_pointer() { xdotool mousemove --window "$1" $((600 * ${E2E_SCALE:-1})) $((30 * ${E2E_SCALE:-1})); }

play_box_shown() { xwininfo -name "$1" >/dev/null 2>&1; }

# Waits $2 tenths of a second (100 unless given) for the box with this caption.
# Keys for it go with no --window: one sent to a window that closes on the
# press fails on the release.
play_wait_box() { E2E_WAIT=${2:-100} e2e_until "$E2E_GAME_PID" play_box_shown "$1"; }

# The window's client area as raw RGB bytes (625 x 440 x 3); a window scaled
# by $E2E_SCALE is shrunk by taking every k-th pixel of every k-th row.
play_window_rgb() {
    local window=$1 out=$2 size k=${E2E_SCALE:-1}
    import -window "$window" "$out.png"
    convert "$out.png" -depth 8 "rgb:$out"
    size=$(stat -c %s "$out")
    [[ "$size" == $((625 * 440 * 3 * k * k)) ]] || e2e_fail "window shot is $size bytes"
    ((k == 1)) || python3 - "$out" "$k" <<'PY'
import sys
path, k = sys.argv[1], int(sys.argv[2])
data, row = open(path, "rb").read(), 625 * k * 3
shrunk = b"".join(data[y * k * row:(y * k + 1) * row] for y in range(440))
open(path, "wb").write(b"".join(shrunk[i:i + 3] for i in range(0, len(shrunk), 3 * k)))
PY
}

# play_shot NAME COMMAND [ARGS...]: $window into $E2E_TMP/NAME.rgb, checked.
play_shot() {
    local shot="$E2E_TMP/$1.rgb" command=$2
    shift 2
    play_park_pointer "$window"
    sleep 0.3 # the play screen never rests (idle faces): no still frame to wait for
    play_window_rgb "$window" "$shot"
    play_saved "$command" "$@" "$shot" "$E2E_GAME_DIR"
}

play_saved() { python3 "$E2E_LIB_DIR/saved_board.py" "$@"; }

# The start help already seen: nothing covers the board in the shots.
play_skip_start_help() { tee "$E2E_GAME_DIR"/Data/Help{,2}.dat <<<3 >/dev/null; }
