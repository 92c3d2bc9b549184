# Sourced by the test, demo and bench scripts: a private virtual display and a private
# Wine prefix for one run, torn down on exit. Only processes started here are
# stopped, by their own ids.
#   wine_session_start NAME   prefix build/wine/NAME, made once and reused
#   wine_session_stop         (also runs on exit)

WINE64=/usr/lib/wine/wine64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# True when Wine's 32-bit loader starts (natively or through qemu-i386).
wine32_runs() {
    timeout 300 /usr/lib/wine/wine --version >/dev/null 2>&1
}

# How 32-bit Windows programs run here: "native" (Wine's 32-bit loader runs
# on the kernel itself), "emulated" (through qemu-i386) or "none".
wine32_mode() {
    local binfmt=/proc/sys/fs/binfmt_misc
    if ! wine32_runs; then
        echo none
    elif grep -qx enabled $binfmt/status 2>/dev/null && grep -qx enabled $binfmt/qemu-i386 2>/dev/null; then
        echo emulated # a registered handler takes i386 programs before the kernel's own loader
    else
        echo native
    fi
}

# Within a session: true when a 32-bit program starts and ends within
# Wine32StartLimit seconds. Natively that takes a fraction of a second, through
# the qemu-i386 of bookworm-backports about one; Debian 12's own qemu-i386
# takes a minute, and the test suite would then take hours.
Wine32StartLimit=10
wine32_starts_quickly() {
    local root started
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    started=$(date +%s%N)
    timeout $((Wine32StartLimit + 5)) /usr/lib/wine/wine "$root/build/release/bin/paneprobe.exe" /? \
        </dev/null >/dev/null 2>&1 || return 1
    [ $(($(date +%s%N) - started)) -le $((Wine32StartLimit * 1000000000)) ]
}

# Why 32-bit programs start slowly here, and what to run.
wine32_slow_reason() {
    local qemu
    qemu=$(QEMU_VERSION=1 /usr/lib/wine/wine 2>/dev/null | sed -n 1p)
    echo "a 32-bit program takes more than $Wine32StartLimit s to start here (through ${qemu:-qemu-i386});" \
        "run scripts/setup.sh as root: it installs and registers qemu-i386 10 from bookworm-backports"
}

# Why 32-bit Windows programs cannot run here.
wine32_missing_reason() {
    if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
        echo "the kernel runs no i386 programs and binfmt_misc is not available to hand them to qemu-i386"
    elif [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        echo "qemu-i386 is not registered with binfmt_misc (registering it needs root: run scripts/setup.sh as root)"
    else
        echo "Wine's 32-bit loader does not start, even through qemu-i386"
    fi
}

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

    # A prefix made while 32-bit Wine runs also holds the 32-bit system
    # (syswow64), so that 32-bit programs start in it too.
    local kind=win64
    wine32_runs && kind=wow64
    if [ "$(cat "$WINEPREFIX/.prepared" 2>/dev/null)" != "$kind" ]; then
        echo "wine: preparing the $kind prefix $WINEPREFIX (once)"
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        timeout 900 "$WINE64" wineboot -i >/dev/null 2>&1 || true
        # Xvfb runs no window manager: unmanaged windows spare each hide the
        # X11 driver's two-second wait for one.
        timeout 120 "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        timeout 120 /usr/lib/wine/wineserver -w
        echo "$kind" >"$WINEPREFIX/.prepared"
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
