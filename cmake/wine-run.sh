#!/usr/bin/env bash
# CTest's emulator for the 64-bit test build: runs a Windows program under
# wine64. Two rare faults belong to the host, not to the program, and such a
# run is tried again, at most twice, and said so:
# - Wine fails to start a process at all: it exits with an error before the
#   program has written a single byte;
# - the host's loader aborts Wine's own exit after the program has ended
#   ("Inconsistency detected by ld.so", exit 127), so the program's exit code
#   is lost.
# Any other run, or one that fails the same way three times, counts as it ended.
wine=${WINE_RUN_WINE64:-/usr/lib/wine/wine64}
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
for attempt in 1 2 3; do
    "$wine" "$@" >"$output" 2>"$errors"
    status=$?
    fault=
    if [ $status -ne 0 ] && [ ! -s "$output" ]; then
        fault="did not start (exit $status, no output)"
    elif [ $status -eq 127 ] && grep -q '^Inconsistency detected by ld.so' "$errors"; then
        fault="ended in a fault of the host's loader (exit 127)"
    fi
    cat "$errors" >&2
    if [ -n "$fault" ] && [ $attempt -lt 3 ]; then
        echo "wine-run: $1 $fault; trying again" >&2
        continue
    fi
    cat "$output"
    exit $status
done
