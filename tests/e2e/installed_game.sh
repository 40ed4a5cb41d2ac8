#!/bin/bash
# The installed Debian package started by a user who is not root, outside a
# game folder: it plays a move and saves on closing into the player's folder.
#   installed_game.sh [USER]     as root; USER (made when missing) plays
source "$(dirname "$0")/lib.sh"
PLAYER=${1:-vlims-player}
[[ $(id -u) -eq 0 ]] || e2e_fail "run as root: it makes a player and plays as them"
[[ -x /usr/games/vlims ]] || e2e_fail "no installed game at /usr/games/vlims"
id "$PLAYER" >/dev/null 2>&1 || useradd --create-home "$PLAYER"
HOME_DIR=$(getent passwd "$PLAYER" | cut -d: -f6)
PLAYER_DIR="$HOME_DIR/.local/share/vlims"
saved="$PLAYER_DIR/Data/Resume.dat"
rm -rf "$PLAYER_DIR"
e2e_start_x

# The desktop's environment, not ours: the player's home, no XDG_DATA_HOME.
(cd "$HOME_DIR" && exec setsid setpriv --reuid="$PLAYER" --regid="$PLAYER" --init-groups \
    env -i HOME="$HOME_DIR" USER="$PLAYER" DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy \
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/games vlims) 2>>"$E2E_TMP/game.stderr" &
E2E_GAME_PID=$!
window=$(e2e_find_window)
e2e_until_still "$window" || e2e_fail "the start screen never settled"
[[ -d "$PLAYER_DIR/Data" ]] || e2e_fail "the player's folder $PLAYER_DIR/Data was not made"
e2e_press play
sleep 1.5
play_swap
sleep 4.5
e2e_close_through "$SAVED_BOX"
[[ $(stat -c %U "$saved") == "$PLAYER" ]] || e2e_fail "the saved game is not the player's"
play_saved check "$saved" || e2e_fail "bad saved game"
# Every picture, sound and font was found in the prefix: none is named missing.
[[ ! -s "$E2E_TMP/game.stderr" ]] || e2e_fail "the game complained on stderr"
[[ -f "$PLAYER_DIR/Direct Draw 5 Log.txt" ]] || e2e_fail "no display log in the player's folder"
e2e_log "ok: the installed game saved $saved"
