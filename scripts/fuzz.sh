#!/usr/bin/env bash
# Builds and runs the fuzz targets of the platform-free rules, each for a
# bounded time, and fails on any finding (a crash, a sanitizer report or a
# broken property).
#   bash scripts/fuzz.sh [seconds per target] [target ...]
# e.g. bash scripts/fuzz.sh 3600 for an hour each; the default is 30 seconds
# for every target (command_line number size_argument query).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(command_line number size_argument query)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

for target in "${targets[@]}"; do
    # Inputs found on the way go to the build folder; the seeds stay as they are.
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus" build/fuzz/findings
    log=build/fuzz/$target.log
    if ! build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix=build/fuzz/findings/"$target"- \
        "$corpus" fuzz/corpus/"$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target: finding, see $log and build/fuzz/findings/" >&2
        exit 1
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    echo "fuzz_$target: $runs runs in $seconds s, no finding"
done
