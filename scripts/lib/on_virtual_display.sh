#!/usr/bin/env bash
# Runs a command on a virtual X display of its own, so that nothing opens on the user's desktop,
# with a small window manager on it that frames windows and moves the keyboard focus to a newly
# opened box, as a desktop does.
# Usage: on_virtual_display.sh command [arguments...]
set -euo pipefail
if [ -z "${VARDOLIN_ON_VIRTUAL_DISPLAY:-}" ]; then
    export VARDOLIN_ON_VIRTUAL_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi
# Wine keeps one server per prefix, tied to the display it started on: a server of the tests'
# prefix left running from an earlier virtual display would put every new window there. End it
# first (only that one: other prefixes' servers are someone else's).
if command -v wineserver >/dev/null; then
    source "$(dirname "$0")/wine_env.sh"
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
fi
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    window_manager=$!
    trap 'kill "$window_manager" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi
"$@"
