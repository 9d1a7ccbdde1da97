#!/usr/bin/env bash
# Drives the real program as a person would, on a virtual X display with a window manager:
# starts it with options that Qt would take for itself (they must change nothing), waits for the
# window centred with its frame, types 445 into Val. and presses Enter, copies Tone and Cent out
# through the clipboard, takes a screenshot, presses Escape and expects the program to end with
# status 0.
# Usage: end_to_end_test.sh path/to/vardolin [screenshot.png]
set -euo pipefail
program=$1
screenshot=${2:-}

source "$(dirname "$0")/../../scripts/lib/virtual_display.sh" "$@"
source "$(dirname "$0")/../../scripts/lib/ends_within.sh"

fail() {
    echo "FAIL: $*" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}

copy_focused_box() {
    xdotool key ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard
}

"$program" -platform offscreen -reverse -style windows &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vardolin$' | head -n 1) || fail "no window"
xdotool windowactivate --sync "$window"
sleep 0.5

# Centred on the screen with its frame.
read -r x y width height < <("$(dirname "$0")/../../scripts/lib/frame_geometry.sh" "$window")
screen_width=$(xdpyinfo | awk '/dimensions:/ { split($2, size, "x"); print size[1] }')
screen_height=$(xdpyinfo | awk '/dimensions:/ { split($2, size, "x"); print size[2] }')
off_x=$(( x + width / 2 - screen_width / 2 ))
off_y=$(( y + height / 2 - screen_height / 2 ))
[ "${off_x#-}" -le 2 ] && [ "${off_y#-}" -le 2 ] ||
    fail "the framed window is ${off_x}, ${off_y} px off the screen's centre"

# A desktop matches the window to its launcher by the class that the desktop entry names.
entry="$(dirname "$0")/../../app/org.vardolin.Vardolin.desktop"
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "\(.*\)", "\(.*\)"/\2/p')
[ "$wm_class" = "$(sed -n 's/^StartupWMClass=//p' "$entry")" ] ||
    fail "the window's class '$wm_class' is not the desktop entry's StartupWMClass"

# The focus starts on the upper Calc; Ref. and then Val. follow in the tab order.
xdotool key Tab Tab
xdotool type --delay 40 445
xdotool key Return
sleep 0.3
xdotool key Tab
tone=$(copy_focused_box)
xdotool key Tab
cent=$(copy_focused_box)
[ "$tone" = " A3" ] || fail "Tone shows '$tone', expected ' A3'"
[ "$cent" = "19.5622" ] || fail "Cent shows '$cent', expected '19.5622'"

if [ -n "$screenshot" ]; then
    "$(dirname "$0")/../../scripts/lib/framed_window_shot.sh" "$window" "$screenshot"
fi

xdotool key Escape
ends_within 5 "$pid" || fail "the program is still running after Escape"
wait "$pid" || fail "the program ended with status $?"
echo "PASS: Tone '$tone', Cent '$cent', the program ended with status 0"
