# shellcheck shell=bash
# Sourced by the Windows tests: Wine in a prefix of its own (under the Windows
# build folder, made once with wineboot), quiet, and stopped on exit.
WINE=/usr/lib/wine/wine64  # Debian's wine64 puts nothing on PATH
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build-windows/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no offer to install Mono or Gecko

wine_prepare() {
    [[ -x "$WINE" ]] || { echo "windows: $WINE is missing (Debian package wine64)" >&2; exit 1; }
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        echo "windows: making the Wine prefix $WINEPREFIX" >&2
        mkdir -p "$WINEPREFIX"
        DISPLAY="" "$WINE" wineboot -i
        /usr/lib/wine/wineserver -w
    fi
}

wine_stop() { /usr/lib/wine/wineserver -k 2>/dev/null || true; }

# The desktop's DPI, as its display settings set it (96 is 100%).
wine_dpi() {
    local key
    [[ -f "$WINEPREFIX/system.reg" ]] || return 0  # no prefix made yet: nothing to set back
    for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
        "$WINE" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 || true
    done
}
