#!/usr/bin/env bash
# CTest's emulator for the 64-bit test build: runs a Windows program under
# wine64. On rare occasions Wine fails to start a process at all: it exits
# with an error before the program has written a single byte. Such a run is
# tried again, at most twice, and said so; a run that printed anything, or
# that fails the same way three times, counts as it ended.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
for attempt in 1 2 3; do
    /usr/lib/wine/wine64 "$@" >"$output"
    status=$?
    [ $status -eq 0 ] || [ -s "$output" ] || [ $attempt -eq 3 ] || {
        echo "wine-run: $1 did not start (exit $status, no output); trying again" >&2
        continue
    }
    cat "$output"
    exit $status
done
