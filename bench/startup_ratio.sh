#!/usr/bin/env bash
# Start-up to the window shown and closed again, and peak memory, of vardolin as a ratio to a
# minimal Qt 6 dialog program, measured alternately in one run on a virtual display.
# Usage: startup_ratio.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$1
runs=${2:-15}

source "$(dirname "$0")/../scripts/lib/virtual_display.sh" "$@"

# Runs a program until its window shows, closes it with Escape; prints "milliseconds kilobytes".
measure() {
    local program=$1 title=$2
    local start end pid window peak
    start=$(date +%s%N)
    "$program" &
    pid=$!
    # Poll finely: xdotool's own --sync waits in half seconds.
    window=""
    for _ in $(seq 2000); do
        window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.005
    done
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Escape
    wait "$pid"
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) $peak"
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

vardolin_times=() vardolin_memory=() baseline_times=() baseline_memory=()
measure "$build/app/vardolin" Vardolin >/dev/null  # warm the caches
measure "$build/bench/minimal_qt_dialog" Baseline >/dev/null
for _ in $(seq "$runs"); do
    read -r ms kb < <(measure "$build/app/vardolin" Vardolin)
    vardolin_times+=("$ms") vardolin_memory+=("$kb")
    read -r ms kb < <(measure "$build/bench/minimal_qt_dialog" Baseline)
    baseline_times+=("$ms") baseline_memory+=("$kb")
done

vt=$(printf '%s\n' "${vardolin_times[@]}" | median)
bt=$(printf '%s\n' "${baseline_times[@]}" | median)
vm=$(printf '%s\n' "${vardolin_memory[@]}" | median)
bm=$(printf '%s\n' "${baseline_memory[@]}" | median)
awk -v vt="$vt" -v bt="$bt" -v vm="$vm" -v bm="$bm" -v runs="$runs" 'BEGIN {
    printf "start-up to shown and closed (median of %d): vardolin %d ms, baseline %d ms, ratio %.2f (target <= 1.25)\n", runs, vt, bt, vt / bt
    printf "peak memory (median): vardolin %d KiB, baseline %d KiB, ratio %.2f (target <= 1.20)\n", vm, bm, vm / bm
}'
