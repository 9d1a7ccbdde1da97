#!/usr/bin/env bash
# Runs Vardolin.exe under Wine on a virtual display with a window manager and runs the user
# scenario (tests/support/user_scenario.txt) on it: keys typed with xdotool as on X11, the focused
# box read and the system menu's About item chosen by win_probe.exe with the platform's own
# calls; the process ends with status 0.
# Usage: end_to_end_test.sh Vardolin.exe win_probe.exe [screenshot.png]
set -euo pipefail
program=$1
probe=$2
screenshot=${3:-}

source "$(dirname "$0")/../../scripts/lib/virtual_display.sh" "$@"
source "$(dirname "$0")/../../scripts/lib/wine_env.sh"
source "$(dirname "$0")/../../scripts/lib/ends_within.sh"
source "$(dirname "$0")/../support/user_scenario.sh"
source "$(dirname "$0")/../support/user_scenario_x11.sh"

wine "$program" &
pid=$!

# What the scenario does under Wine beyond what every X display shares.
scenario_focused_text() { wine "$probe" focused 2>/dev/null | tr -d '\r'; }
# The active window, once both the window manager and Wine itself hold it active: only then has
# the X focus reached Wine, and the keys typed go to the window.
scenario_active_title() {
    local title
    title=$(x_active_title)
    [ "$(wine "$probe" active 2>/dev/null | tr -d '\r')" = "$title" ] && printf '%s' "$title"
}
# The About item that the program appends to the system menu (IDM_ABOUTBOX).
scenario_menu_about() { wine "$probe" syscommand Vardolin 0x0010 >/dev/null; }
scenario_picture() {
    [ -n "$screenshot" ] || return 0
    local window
    window=$(xdotool search --onlyvisible --name '^Vardolin$' | head -n 1)
    "$(dirname "$0")/../../scripts/lib/framed_window_shot.sh" "$window" "$screenshot"
}
scenario_ended() { ends_within 10 "$pid" && wait "$pid"; }

# The dialog has put the focus on its first control, the upper Calc, before a key is typed.
wait_for 20 scenario_shows Calc || echo "the focus is not on the upper Calc"
if ! run_user_scenario; then
    kill "$pid" 2>/dev/null || true
    echo "FAIL: the user scenario under Wine"
    exit 1
fi
echo "PASS: the user scenario on Vardolin.exe, which ended with status 0"
