#!/usr/bin/env bash
# Start-up of Vardolin.exe to the window shown and closed, under Wine, as a ratio to a minimal
# USER32 program showing the same dialog, measured in one Wine session on a virtual display
# with a window manager.
# Usage: win_startup_ratio.sh WINDOWS_BUILD_DIR [RUNS]
set -euo pipefail
build=$1
runs=${2:-9}

source "$(dirname "$0")/../scripts/lib/virtual_display.sh" "$@"
source "$(dirname "$0")/../scripts/lib/wine_env.sh"

probe=$build/tests/win32/win_probe.exe
vardolin=$(winepath -w "$build/app/Vardolin.exe")
baseline=$(winepath -w "$build/bench/minimal_win32_dialog.exe")
v=$(wine "$probe" startup "$vardolin" Vardolin "$runs" | tr -d '\r')
b=$(wine "$probe" startup "$baseline" Vardolin "$runs" | tr -d '\r')
awk -v v="$v" -v b="$b" -v runs="$runs" 'BEGIN {
    printf "Vardolin.exe start-up to shown and closed (median of %d): %.0f ms, baseline %.0f ms, ratio %.2f (target <= 1.2)\n", runs, v, b, v / b
}'
