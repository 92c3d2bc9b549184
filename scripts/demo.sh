#!/usr/bin/env bash
# Shows the programs at work on a private virtual display under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)" >/dev/null

source scripts/wine-session.sh
wine_session_start demo

bin=build/test/bin
show() {
    echo "> $*"
    timeout 60 "$WINE64" "$bin/$1.exe" "${@:2}" | sed 's/^/  /'
}

show panefit /?
show paneprobe /?
show panefit 640 "Page Setup"
