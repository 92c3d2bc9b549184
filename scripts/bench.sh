#!/usr/bin/env bash
# Benchmark: paneprobe against the floor (bench/floor.c, the bare Win32 work
# of the same lookup) on a desktop of N recorded windows. Both look for a
# caption that no window has; they run alternately, RUNS times each, and the
# ratio of their median times is printed, last line for all sizes.
#   bash scripts/bench.sh [windows ...]     default: 5000 20000; RUNS=15
set -euo pipefail
cd "$(dirname "$0")/.."

sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(5000 20000)
runs=${RUNS:-15}

bash scripts/setup.sh
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)" --target paneprobe bench_floor bench_crowd >/dev/null

source scripts/wine-session.sh
wine_session_start bench
bin=build/test/bin

# Milliseconds one run takes, process start included (the same for both).
time_run() {
    local start end
    start=$(date +%s%N)
    "$WINE64" "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() {
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

summary=()
for windows in "${sizes[@]}"; do
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    timeout 1800 "$WINE64" "$bin/bench_crowd.exe" "$windows" 1700 >"$fifo" &
    crowd=$!
    read -r _ <"$fifo"
    rm -f "$fifo"

    probe=()
    floor=()
    for _ in $(seq "$runs"); do
        probe+=("$(time_run "$bin/paneprobe.exe" no window has this caption)")
        floor+=("$(time_run "$bin/bench_floor.exe")")
    done
    kill "$crowd" 2>/dev/null || true
    wait "$crowd" 2>/dev/null || true

    p=$(median "${probe[@]}")
    f=$(median "${floor[@]}")
    ratio=$(awk -v p="$p" -v f="$f" 'BEGIN { printf "%.3f", p / f }')
    echo "$windows windows: paneprobe median $p ms, floor median $f ms over $runs runs each: ratio $ratio"
    summary+=("$ratio at $windows windows")
done
wine_session_stop
joined=$(printf '%s, ' "${summary[@]}")
echo "ratio paneprobe/floor: ${joined%, }"
