#!/bin/bash
# The real game is killed (SIGKILL) at random moments around its saves: the
# close box during a game (Data/Resume.dat, after Data/Help.dat at the game's
# start) and the close box on the score screen after End (Data/Info.dat and
# the end marker). After every kill each file holds exactly what it held
# before or one whole version the game writes, never a torn or empty one.
source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

CYCLES=${E2E_KILL_CYCLES:-12}
DATA="$E2E_GAME_DIR/Data"
BEFORE="$E2E_TMP/before"
mkdir -p "$BEFORE"

snapshot() {
    rm -f "$BEFORE"/*
    local name
    for name in Resume.dat Info.dat Help.dat; do
        [[ -f "$DATA/$name" ]] && cp "$DATA/$name" "$BEFORE/$name"
    done
    return 0
}

# Each file is the old one, or a whole new version: a playable saved game or
# the end marker, a whole translated score table, the old count plus one.
check_files() {
    python3 - "$DATA" "$BEFORE" <<'PY' || e2e_fail "a file was torn (cycle $1)"
import os, struct, sys
data, before = sys.argv[1], sys.argv[2]
def read(folder, name):
    path = os.path.join(folder, name)
    return open(path, "rb").read() if os.path.isfile(path) else None
def whole_resume(b):
    if b == struct.pack("<i", 99):
        return True
    if len(b) != 416:
        return False
    v = struct.unpack("<104i", b)
    return v[0] in (0, 1) and v[1] in (1, 2, 3) and v[2] >= 1 and v[3] >= 0 and all(1 <= c <= 6 for c in v[4:])
def whole_info(b):
    stream = b.replace(b"\r\n", b"\n")
    return len(stream) == 60 * 36 and all(b"\0" in stream[36 * i:36 * i + 32] for i in range(60))
def whole_help(b, old):
    expected = int(old) + 1 if old is not None else 2
    return b == str(expected).encode()
bad, changed = [], []
for name, whole in (("Resume.dat", whole_resume), ("Info.dat", whole_info)):
    new, old = read(data, name), read(before, name)
    if new != old and not (new is not None and whole(new)):
        bad.append(f"{name}: {None if new is None else len(new)} bytes")
    elif new != old:
        changed.append(name)
new, old = read(data, "Help.dat"), read(before, "Help.dat")
if new != old and not (new is not None and whole_help(new, old)):
    bad.append(f"Help.dat: {new!r} after {old!r}")
elif new != old:
    changed.append("Help.dat")
print(" ".join(changed))
if bad:
    print("torn:", ", ".join(bad), file=sys.stderr)
    sys.exit(1)
PY
}

# The game in a process group of its own: SDL shows a message box from a
# forked child that shares the game's X connection, and a kill must take that
# child too, or the dead game's window stays on the screen.
start_game_alone() {
    (cd "$E2E_GAME_DIR" && exec setsid ./vlims) 2>>"$E2E_TMP/game.stderr" &
    E2E_GAME_PID=$!
}

kill_at_random() {
    # 0 to 200 ms after the close request: before, during or after the save
    # (which comes some 100 ms after it here).
    sleep "$(printf '0.%03d' $((RANDOM % 200)))"
    kill -KILL -- "-$E2E_GAME_PID" 2>/dev/null || true
    wait "$E2E_GAME_PID" 2>/dev/null || true
    E2E_GAME_PID=""
}

kills=0
resaved=0
for cycle in $(seq "$CYCLES"); do
    snapshot
    start_game_alone
    window=$(e2e_find_window)
    sleep 0.8
    e2e_click "$window" 400 120  # Play Game
    sleep 0.8
    if ((cycle % 2 == 0)); then
        e2e_click "$window" 535 400  # End: the end marker, then the score screen
        sleep 0.8
    fi
    e2e_close
    kill_at_random
    kills=$((kills + 1))
    changed=$(check_files "$cycle")
    e2e_log "cycle $cycle: new ${changed:-nothing}"
    [[ "$changed" == *Resume.dat* ]] && resaved=$((resaved + 1))
done

left=$(find "$DATA" -name '*.tmp-*' | wc -l)
e2e_log "ok: $kills kills of the real game, $resaved after a new Resume.dat; every file whole" \
    "after each; $left temporary files left by cut writes"
