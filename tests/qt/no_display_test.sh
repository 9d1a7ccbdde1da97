#!/usr/bin/env bash
# Without a display to open the window on, the program says so in one line and ends with status
# 1: no abort, no core file, no advice to reinstall it.
# Usage: no_display_test.sh vardolin
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ulimit -c unlimited
status=0
for display in none :987; do
    if [ "$display" = none ]; then
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >out 2>err || code=$?
    else
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$display "$program" >out 2>err || code=$?
    fi
    said=$(cat err)
    expected="vardolin: cannot open a display: set DISPLAY or WAYLAND_DISPLAY"
    if [ "${code:-0}" -ne 1 ] || [ "$said" != "$expected" ] || ls core* >/dev/null 2>&1; then
        echo "FAIL: display $display: status ${code:-0}, said: $said"
        status=1
    else
        echo "ok: display $display: status 1, said: $said"
    fi
    unset code
done
exit "$status"
