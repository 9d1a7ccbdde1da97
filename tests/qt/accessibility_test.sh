#!/usr/bin/env bash
# Starts the real program on a virtual display with the AT-SPI accessibility bus, as a desktop
# with a screen reader runs it, and reads its window through the bus (accessibility_test.py).
# Usage: accessibility_test.sh path/to/vardolin
set -euo pipefail
program=$1

source "$(dirname "$0")/../../scripts/lib/virtual_display.sh" "$@"
if [ -z "${VARDOLIN_OWN_SESSION_BUS:-}" ]; then
    export VARDOLIN_OWN_SESSION_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
"$program" &
pid=$!
trap 'kill "$pid" "$bus" 2>/dev/null || true' EXIT
/usr/bin/python3 "$(dirname "$0")/accessibility_test.py" "$(basename "$program")"
