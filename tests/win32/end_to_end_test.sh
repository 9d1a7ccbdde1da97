#!/usr/bin/env bash
# Runs Vardolin.exe under Wine on a virtual display and drives it with win_probe.exe: typing,
# results, the system menu, the About box, and the end of the process with status 0.
# Usage: end_to_end_test.sh Vardolin.exe win_probe.exe
set -euo pipefail
program=$1
probe=$2

source "$(dirname "$0")/../../scripts/lib/virtual_display.sh" "$@"
source "$(dirname "$0")/../../scripts/lib/wine_env.sh"

wine "$program" &
pid=$!
status=0
wine "$probe" drive || status=$?
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: Vardolin.exe is still running"
    kill "$pid"
    exit 1
fi
wait "$pid" || { echo "FAIL: Vardolin.exe ended with status $?"; exit 1; }
[ "$status" -eq 0 ] || exit "$status"
echo "PASS: Vardolin.exe ended with status 0"
