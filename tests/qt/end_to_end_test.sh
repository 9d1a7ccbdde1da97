#!/usr/bin/env bash
# Drives the real program as a person would, on a virtual X display with a window manager:
# starts it with options that Qt would take for itself (they must change nothing), waits for the
# window centred with its frame and with the desktop entry's class, then runs the user scenario
# (tests/support/user_scenario.txt) with xdotool's keys, reading the boxes through the clipboard,
# and expects the program to end with status 0.
# Usage: end_to_end_test.sh path/to/vardolin [screenshot.png]
set -euo pipefail
program=$1
screenshot=${2:-}

source "$(dirname "$0")/../../scripts/lib/virtual_display.sh" "$@"
source "$(dirname "$0")/../../scripts/lib/ends_within.sh"
source "$(dirname "$0")/../support/user_scenario.sh"
source "$(dirname "$0")/../support/user_scenario_x11.sh"

fail() {
    echo "FAIL: $*" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}

"$program" -platform offscreen -reverse -style windows &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vardolin$' | head -n 1) || fail "no window"
xdotool windowactivate --sync "$window"

# Centred on the screen with its frame, once the window manager has framed it.
centred() {
    local x y width height screen_width screen_height
    read -r x y width height < <("$(dirname "$0")/../../scripts/lib/frame_geometry.sh" "$window")
    screen_width=$(xdpyinfo | awk '/dimensions:/ { split($2, size, "x"); print size[1] }')
    screen_height=$(xdpyinfo | awk '/dimensions:/ { split($2, size, "x"); print size[2] }')
    off_x=$((x + width / 2 - screen_width / 2))
    off_y=$((y + height / 2 - screen_height / 2))
    [ "${off_x#-}" -le 2 ] && [ "${off_y#-}" -le 2 ]
}
wait_for 5 centred || fail "the framed window is ${off_x}, ${off_y} px off the screen's centre"

# A desktop matches the window to its launcher by the class that the desktop entry names.
entry="$(dirname "$0")/../../app/org.vardolin.Vardolin.desktop"
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "\(.*\)", "\(.*\)"/\2/p')
[ "$wm_class" = "$(sed -n 's/^StartupWMClass=//p' "$entry")" ] ||
    fail "the window's class '$wm_class' is not the desktop entry's StartupWMClass"

# What the scenario does on X11 beyond what every X display shares.
scenario_focused_text() {
    xdotool key ctrl+a ctrl+c
    xclip -o -selection clipboard 2>/dev/null
}
# The window menu is a popup window of the program's own: its last item is About.
program_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
more_windows_than() { [ "$(program_windows)" -gt "$1" ]; }
scenario_menu_about() {
    local before
    before=$(program_windows)
    xdotool key shift+F10
    wait_for 5 more_windows_than "$before" || scenario_fail "no window menu"
    xdotool key Up Return
}
scenario_picture() {
    if [ -n "$screenshot" ]; then
        "$(dirname "$0")/../../scripts/lib/framed_window_shot.sh" "$window" "$screenshot"
    fi
}
scenario_ended() {
    ends_within 10 "$pid" && wait "$pid"
}

run_user_scenario || fail "the user scenario on X11"
echo "PASS: the user scenario on X11, and the program ended with status 0"
