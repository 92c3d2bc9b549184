#!/usr/bin/env bash
# Shows the programs at work on a sample "Page Setup" dialog, panelist's
# list, and panefit-wait on a "Print Setup" dialog that opens a moment after
# it starts,
# on a private virtual display under Wine; saves screenshots from before and
# after.
# It runs the shipped 32-bit programs wherever 32-bit Wine starts them.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target panefit paneprobe panefit-wait panelist >/dev/null
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)" --target panefit paneprobe panefit-wait panelist sample_dialog >/dev/null

source scripts/wine-session.sh
wine_session_start demo

# The shipped 32-bit programs wherever 32-bit Wine starts them, natively or
# through qemu-i386; the 64-bit test build of the same sources elsewhere.
bin=build/test/bin
mode=$(wine32_mode)
if [ "$mode" != none ] && wine32_starts_quickly; then
    programs=build/release/bin
    wine=/usr/lib/wine/wine
    echo "Showing the shipped 32-bit programs ($programs; 32-bit Wine runs $mode here)."
else
    programs=$bin
    wine=$WINE64
    [ "$mode" = none ] && why=$(wine32_missing_reason) || why=$(wine32_slow_reason)
    echo "Showing the 64-bit test build ($programs): $why."
fi
echo
shots=build/demo
mkdir -p "$shots"

# Runs one program as a user would type it, and shows what it prints (and
# panefit-wait's exit code).
show() {
    local typed="C:\\>" word status=0
    for word in "$@"; do
        [[ "$word" == *" "* ]] && word="\"$word\""
        typed+=" $word"
    done
    echo "$typed"
    timeout 60 "$wine" "$programs/$1.exe" "${@:2}" >"$shots/output.txt" || status=$?
    tr -d '\r' <"$shots/output.txt" | sed 's/^/    /'
    [ "$1" != panefit-wait ] || echo "    (exit code $status)"
    echo
}

screenshot() {
    sleep 1
    import -window root -display "$DISPLAY" "$shots/$1.png"
}

timeout 120 "$WINE64" "$bin/sample_dialog.exe" 90 &
sample=$!
for _ in $(seq 50); do
    timeout 60 "$wine" "$programs/paneprobe.exe" Page Setup | grep -q "Dialog found" && break
    sleep 0.2
done

show panelist
show paneprobe Page Setup
screenshot before
show panefit 640x480 "page setup"
show paneprobe Page Setup
show panefit -1x-2 "Print Preview"
show paneprobe Page
show paneprobe Print Setup
echo "A \"Print Setup\" dialog opens two seconds from now; panefit-wait waits for it:"
timeout 60 "$WINE64" "$bin/sample_dialog.exe" 30 2 &
late=$!
show panefit-wait 480x300 "Print Setup" 20 /exact /program:sample_dialog
show paneprobe Print Setup
screenshot after

kill "$sample" "$late" 2>/dev/null || true
wine_session_stop
echo "Screenshots: $shots/before.png and $shots/after.png"
echo "Demo took $(( $(date +%s) - started )) s."
