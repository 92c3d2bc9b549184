# Sourced by the test and demo scripts: a private virtual display and a private
# Wine prefix for one run, torn down on exit. Only processes started here are
# stopped, by their own ids.
#   wine_session_start NAME   prefix build/wine/NAME, made once and reused
#   wine_session_stop         (also runs on exit)

WINE64=/usr/lib/wine/wine64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_session_start() {
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    export WINEPREFIX="$root/build/wine/$1"
    mkdir -p "$WINEPREFIX"

    # Xvfb picks a free display itself and tells us its number.
    local displayfile
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
    XVFB_PID=$!
    trap wine_session_stop EXIT
    for _ in $(seq 100); do
        [ -s "$displayfile" ] && break
        sleep 0.1
    done
    [ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n 1 "$displayfile")"
    rm -f "$displayfile"

    if [ ! -f "$WINEPREFIX/.prepared" ]; then
        echo "wine: preparing the prefix $WINEPREFIX (once)"
        timeout 600 "$WINE64" wineboot -i >/dev/null 2>&1 || true
        # Xvfb runs no window manager: unmanaged windows spare each hide the
        # X11 driver's two-second wait for one.
        timeout 120 "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        timeout 120 /usr/lib/wine/wineserver -w
        touch "$WINEPREFIX/.prepared"
    fi
    # A persistent server keeps process starts fast. Its system processes
    # (services, explorer, ...) are started here with no pipes attached: one
    # started by a test would hold that test's output pipe open to the end.
    /usr/lib/wine/wineserver -p
    timeout 120 "$WINE64" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

wine_session_stop() {
    trap - EXIT
    [ -n "${WINEPREFIX:-}" ] && /usr/lib/wine/wineserver -k 2>/dev/null
    [ -n "${WINEPREFIX:-}" ] && timeout 30 /usr/lib/wine/wineserver -w 2>/dev/null
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    fi
    return 0
}
