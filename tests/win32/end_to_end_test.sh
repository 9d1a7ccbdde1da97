#!/usr/bin/env bash
# Runs Vardolin.exe under Wine on a virtual display with a window manager and drives it with
# win_probe.exe: typing, results (with a screenshot of them), the system menu, the About box, and
# the end of the process with status 0.
# Usage: end_to_end_test.sh Vardolin.exe win_probe.exe [screenshot.png]
set -euo pipefail
program=$1
probe=$2
screenshot=${3:-}

source "$(dirname "$0")/../../scripts/lib/virtual_display.sh" "$@"
source "$(dirname "$0")/../../scripts/lib/wine_env.sh"
source "$(dirname "$0")/../../scripts/lib/ends_within.sh"

wine "$program" &
pid=$!
status=0
signal=$(mktemp -u /tmp/vardolin-picture.XXXXXX)
wine "$probe" drive "$signal" &
probe_pid=$!
for _ in $(seq 300); do
    [ -e "$signal" ] && break
    kill -0 "$probe_pid" 2>/dev/null || break
    sleep 0.1
done
if [ -e "$signal" ]; then
    if [ -n "$screenshot" ]; then
        window=$(xdotool search --onlyvisible --name '^Vardolin$' | head -n 1)
        "$(dirname "$0")/../../scripts/lib/framed_window_shot.sh" "$window" "$screenshot"
    fi
    rm -f "$signal"
fi
wait "$probe_pid" || status=$?
if ! ends_within 10 "$pid"; then
    echo "FAIL: Vardolin.exe is still running"
    kill "$pid"
    exit 1
fi
wait "$pid" || { echo "FAIL: Vardolin.exe ended with status $?"; exit 1; }
[ "$status" -eq 0 ] || exit "$status"
echo "PASS: Vardolin.exe ended with status 0"
