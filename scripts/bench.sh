#!/usr/bin/env bash
# Benchmark: paneprobe against the floor (bench/floor.c, the literal Win32
# calls of a lookup) on a desktop of N recorded windows, mixed as on a real
# desktop (bench/crowd.c). Two queries that match nothing are timed: a
# caption that no window has, and the handle 1. The three commands run in
# turn, RUNS times each, and the ratio of each query's median time to the
# floor's is printed.
# Then, on the same desktop, panefit-wait waits WAIT_SECONDS for a caption
# that never comes, against bench/wait_floor.c, the least such a wait must
# do four times a second: the CPU time each costs on the whole machine (the
# program and the wine server together, from /proc/stat), WAIT_RUNS times in
# turn, and the ratio of the medians. The last lines have all the ratios.
#   bash scripts/bench.sh [windows ...]     default: 5000 20000; RUNS=15,
#                                           WAIT_RUNS=5, WAIT_SECONDS=6
set -euo pipefail
cd "$(dirname "$0")/.."

sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(5000 20000)
runs=${RUNS:-15}
wait_runs=${WAIT_RUNS:-5}
wait_seconds=${WAIT_SECONDS:-6}

bash scripts/setup.sh
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)" --target paneprobe panefit-wait bench_floor bench_wait_floor bench_crowd >/dev/null

source scripts/wine-session.sh
wine_session_start bench
bin=build/test/bin

# Milliseconds one run takes, process start included (the same for all).
time_run() {
    local start end
    start=$(date +%s%N)
    timeout 300 "$WINE64" "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

# CPU time, in clock ticks of 10 ms, that the whole machine spends while
# one run lasts, process start included (the same for all).
busy_ticks() {
    awk '/^cpu / { print $2 + $3 + $4 + $7 + $8 + $9 }' /proc/stat
}
cpu_run() {
    local before after
    before=$(busy_ticks)
    timeout 300 "$WINE64" "$@" >/dev/null || true
    after=$(busy_ticks)
    echo $((after - before))
}

median() {
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'
}

captions=()
handles=()
waits=()
for windows in "${sizes[@]}"; do
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    timeout 1800 "$WINE64" "$bin/bench_crowd.exe" "$windows" 1700 >"$fifo" &
    crowd=$!
    read -r _ <"$fifo"
    rm -f "$fifo"

    caption=()
    handle=()
    floor=()
    for _ in $(seq "$runs"); do
        caption+=("$(time_run "$bin/paneprobe.exe" no window has this caption)")
        handle+=("$(time_run "$bin/paneprobe.exe" "#1")")
        floor+=("$(time_run "$bin/bench_floor.exe")")
    done
    wait=()
    wait_floor=()
    for _ in $(seq "$wait_runs"); do
        wait+=("$(cpu_run "$bin/panefit-wait.exe" 1x1 "no window has this caption" "$wait_seconds")")
        wait_floor+=("$(cpu_run "$bin/bench_wait_floor.exe" "$wait_seconds")")
    done
    kill "$crowd" 2>/dev/null || true
    wait "$crowd" 2>/dev/null || true

    c=$(median "${caption[@]}")
    h=$(median "${handle[@]}")
    f=$(median "${floor[@]}")
    echo "$windows windows, medians of $runs runs: floor $f ms, caption query $c ms (ratio $(ratio "$c" "$f")), handle query $h ms (ratio $(ratio "$h" "$f"))"
    captions+=("$(ratio "$c" "$f") at $windows")
    handles+=("$(ratio "$h" "$f") at $windows")
    w=$(median "${wait[@]}")
    wf=$(median "${wait_floor[@]}")
    echo "$windows windows, a $wait_seconds s wait, CPU medians of $wait_runs runs: floor $((wf * 10)) ms, panefit-wait $((w * 10)) ms (ratio $(ratio "$w" "$wf"))"
    waits+=("$(ratio "$w" "$wf") at $windows")
done
wine_session_stop
joined() {
    local text
    text=$(printf '%s, ' "$@")
    echo "${text%, }"
}
echo "ratio to the floor: caption query $(joined "${captions[@]}"); handle query $(joined "${handles[@]}") windows"
echo "CPU of a wait, ratio to the floor: $(joined "${waits[@]}") windows"
