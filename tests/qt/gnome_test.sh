#!/usr/bin/env bash
# Drives the real program on GNOME's compositor, mutter (headless, native Wayland, no X11), as a
# person would, with keys and clicks through mutter's remote-desktop interface
# (gnome_remote.py) and the windows read as assistive technology reads them (atspi_windows.py):
# - the user scenario (tests/support/user_scenario.txt);
# - the title bars that the program draws there: Close alone, as GNOME's layout shows by default;
# - the About box opens over the calculator, with the calculator in the middle and in a corner;
# - after a click on the calculator while a modal box is open over it, the compositor's Alt+F4
#   and the keypad's Enter still close either box alone, as do Escape the About box and Return
#   the notice;
# - the window menu's Minimize minimizes, and nothing asks for activation afterwards;
# - GNOME's button layout, dark style, high contrast and Large Text, changed while it runs;
# - the title bar's Close ends the program with status 0.
# Everything runs on a session bus, a runtime folder and a monitor of the test's own.
# Usage: gnome_test.sh path/to/vardolin [picture.png]
set -euo pipefail
program=$(realpath "$1")
picture=${2:+$(realpath "$2")}
here=$(cd "$(dirname "$0")" && pwd)

tools=(mutter pipewire wireplumber gst-launch-1.0 convert gsettings gdbus /usr/libexec/xdg-desktop-portal)
export XDG_CURRENT_DESKTOP=GNOME
# shellcheck source=compositor_session.sh
source "$here/compositor_session.sh"

pipewire >"$runtime/pipewire.log" 2>&1 &
started+=($!)
wireplumber >"$runtime/wireplumber.log" 2>&1 &
started+=($!)
mutter --headless --wayland --no-x11 --virtual-monitor 1280x800 \
    --wayland-display="$WAYLAND_DISPLAY" >"$runtime/mutter.log" 2>&1 &
started+=($!)
wait_for 10 compositor_ready || { echo "FAIL: mutter did not start"; exit 1; }

# shellcheck source=command_tool.sh
source "$here/command_tool.sh"
coproc TOOL { /usr/bin/python3 "$here/gnome_remote.py" 2>"$runtime/remote.log"; }
started+=("$TOOL_PID")
tool_reply || { echo "FAIL: no remote-desktop session: $tool_answer"; cat "$runtime/remote.log"; exit 1; }
# A command to the remote-desktop session.
remote() { tool "$@"; }

# The program's windows on the monitor: the box around what has the window face (the light
# palette's, or FACE), as WIDTHxHEIGHT+LEFT+TOP.
windows_box() {
    local face=${1:-rgb(239,239,239)} other=black
    [ "$face" = "rgb(0,0,0)" ] && other=white
    remote picture "$runtime/screen.png" >&2
    convert "$runtime/screen.png" -fuzz 6% -fill "$other" +opaque "$face" -trim \
        -format '%wx%h%O' info: 2>/dev/null
}

# Prints the box of the program's windows once they are drawn and still (GNOME scales a window
# in as it opens): the same in two pictures in a row. Fails after 10 seconds.
drawn_box() {
    local box previous="" deadline=$((SECONDS + 10))
    while [ "$SECONDS" -le "$deadline" ]; do
        box=$(windows_box)
        if [ -n "$box" ] && [ "${box%%x*}" -ge 100 ] && [ "$box" = "$previous" ]; then
            echo "$box"
            return 0
        fi
        previous=$box
    done
    return 1
}

# The scenario's primitives on GNOME.
scenario_key() { remote key "$1"; }
scenario_type() { remote type "$1"; }
scenario_menu_about() {
    opens_menu remote key Shift+F10
    remote key Up Return
}
scenario_picture() {
    [ -n "$picture" ] || return 0
    # The window's face, and the edge around it.
    local width height left top
    IFS='x+' read -r width height left top <<<"$(drawn_box)"
    [ -n "$top" ] || { fail "no picture of the calculator"; return; }
    convert "$runtime/screen.png" -crop "$((width + 2))x$((height + 2))+$((left - 1))+$((top - 1))" \
        +repage "$picture"
}

start
run_user_scenario || fail "the user scenario on GNOME"

# The title bars: the buttons that GNOME's layout shows (Close alone by default), and no others.
start
calculator=$(drawn_box) || fail "the calculator was not drawn"
[ "$(title_bar_buttons Vardolin)" = "Close " ] ||
    fail "the calculator's title bar has '$(ask buttons Vardolin)'"

# The About box opens over the calculator wherever the calculator is: dragged by its title bar
# to the middle of the screen, and to the bottom right corner. The box lies within the
# calculator's height and is centred on it, unless the screen's edge stops it.
# The window's face begins a pixel inside its edge.
read -r _ bar_y <<<"$(ask place Vardolin Close)"
for to in 640,400 1100,570; do
    IFS='x+' read -r width height left top <<<"$calculator"
    # A drag: the pointer on the title bar, a third across at the height of its buttons (once the
    # program has seen it come), the press and the program's request to move the window, then
    # the way.
    logs_after 'wl_pointer@[0-9]*\.\(enter\|motion\)(' "brought the pointer to no calculator" \
        remote move $((left + width / 3)) $((top - 1 + bar_y))
    logs_after 'xdg_toplevel@[0-9]*\.move(' "on the title bar started no move" remote press
    remote release "${to%,*}" "${to#*,}"
    moved() { [ "$(drawn_box)" != "$calculator" ]; }
    wait_for 10 moved || fail "the calculator did not move to $to"
    calculator=$(drawn_box)
    IFS='x+' read -r width height left top <<<"$calculator"
    remote key F1
    wait_for 10 scenario_is_active "About Vardolin" || fail "F1 opened no About box"
    IFS='x+' read -r both_width both_height both_left both_top <<<"$(drawn_box)"
    off_centre=$(((both_left + both_width / 2) - (left + width / 2)))
    echo "the calculator at $calculator, with the About box $(drawn_box)"
    if [ "$both_top" -ne "$top" ] || [ "$both_height" -ne "$height" ] ||
        { [ "${off_centre#-}" -gt 2 ] && [ "$both_left" -gt 1 ] &&
              [ $((both_left + both_width)) -lt 1279 ]; }; then
        fail "the About box did not open over the calculator at $calculator"
    fi
    remote key Escape
    wait_for 10 scenario_is_active Vardolin || fail "Escape did not close the About box"
done

# A click on the calculator while a modal box is open over it: GNOME keeps the keyboard with a
# box it knows is modal; where it gives the keyboard to the calculator all the same, the box
# still takes its keys.
IFS='x+' read -r width _ left top <<<"$calculator"
title_x=$((left + width / 3))
title_y=$((top - 1 + bar_y))
# Every key that closes a box reaches it from there, the compositor's close request (Alt+F4)
# included, and the calculator stays.
for closing in "About box:Escape" "About box:Alt+F4" "About box:KP_Enter" notice:Return \
    notice:KP_Enter notice:Alt+F4; do
    box=${closing%%:*}
    closing_key=${closing#*:}
    if [ "$box" = notice ]; then
        # The first time from the upper Calc into Val.; then Val. has the focus again.
        [ "$closing_key" = Return ] && remote key Tab Tab
        remote type x
        remote key Return
        wait_for 10 scenario_notice_open || fail "no notice"
        # The calculator's Close, and the notice's.
        [ "$(title_bar_buttons Vardolin)" = "Close Close " ] ||
            fail "the title bars of the calculator and the notice have '$(title_bar_buttons Vardolin)'"
        closed() { [ "$(scenario_window_count Vardolin)" -eq 1 ]; }
    else
        remote key F1
        wait_for 10 scenario_is_active "About Vardolin" || fail "F1 opened no About box"
        [ "$(title_bar_buttons "About Vardolin")" = "Close " ] ||
            fail "the About box's title bar has '$(ask buttons "About Vardolin")'"
        closed() { [ "$(scenario_window_count "About Vardolin")" -eq 0 ]; }
    fi
    remote click "$title_x" "$title_y"
    remote key "$closing_key"
    if wait_for 10 closed && [ "$(scenario_window_count Vardolin)" -eq 1 ]; then
        echo "after a click on the calculator, $closing_key closed the $box"
    else
        fail "after a click on the calculator, $closing_key did not close the $box alone"
    fi
done
remote key Escape
ended "the boxes with the keyboard on the calculator"

# The window menu's Minimize: the window goes, and stays gone.
start
opens_menu remote key Shift+F10
remote key Down Return
minimized() { grep -q 'set_minimized()' "$runtime/wayland.log"; }
gone() { local box; box=$(windows_box); [ "${box%%x*}" -lt 50 ]; }
if wait_for 10 minimized && wait_for 10 gone; then
    # A question that the program answers itself: it has done all it did on being minimized.
    ask count Vardolin >/dev/null
    after=$(sed -n '/set_minimized()/,$p' "$runtime/wayland.log" | grep -c 'xdg_activation_v1@[0-9]*\.activate(' || true)
    [ "$after" -eq 0 ] || fail "after Minimize the program asked $after times for activation"
    gone || fail "the minimized calculator came back"
    echo "Minimize: minimized, and $after requests for activation afterwards"
else
    fail "the window menu's Minimize did not minimize the calculator"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true

# GNOME's settings, changed while the program runs: the title bar's buttons, the dark style, high
# contrast, and Large Text. SOURCE names where the program reads them.
follows_gnome_settings() {
    local source=$1 width
    start
    IFS='x+' read -r width _ <<<"$(drawn_box)"
    gsettings set org.gnome.desktop.wm.preferences button-layout "close,minimize:"
    minimize_too() { [ "$(title_bar_buttons Vardolin)" = "Close Minimize " ]; }
    wait_for 10 minimize_too ||
        fail "$source: the button layout close,minimize: gave '$(ask buttons Vardolin)'"
    gsettings reset org.gnome.desktop.wm.preferences button-layout
    # Each change: the schema's last word, the key, the value, and the calculator's face then.
    while read -r schema key value face; do
        gsettings set "org.gnome.desktop.$schema" "$key" "$value"
        drawn_in_face() {
            local now
            IFS='x' read -r now _ <<<"$(windows_box "$face")"
            [ "$now" = "$width" ]
        }
        wait_for 10 drawn_in_face || fail "$source: after $key $value the face is not $face"
    done <<'CHANGES'
interface color-scheme prefer-dark rgb(46,46,46)
interface color-scheme default rgb(239,239,239)
a11y.interface high-contrast true rgb(255,255,255)
interface color-scheme prefer-dark rgb(0,0,0)
CHANGES
    gsettings reset org.gnome.desktop.a11y.interface high-contrast
    gsettings reset org.gnome.desktop.interface color-scheme
    gsettings set org.gnome.desktop.interface text-scaling-factor 1.25
    grown() {
        local now
        IFS='x+' read -r now _ <<<"$(windows_box)"
        [ "${now:-0}" -ge $((width * 6 / 5)) ]
    }
    if wait_for 10 grown; then
        echo "$source: Large Text: the calculator $width wide at 1.0, $(windows_box) at 1.25"
    else
        fail "$source: with Large Text the calculator stayed $(windows_box)"
    fi
    gsettings reset org.gnome.desktop.interface text-scaling-factor
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
follows_gnome_settings GSettings
# The settings portal, started as a GNOME session starts it.
gdbus call --session --dest org.freedesktop.portal.Desktop --object-path /org/freedesktop/portal/desktop \
    --method org.freedesktop.portal.Settings.Read org.gnome.desktop.interface color-scheme >/dev/null ||
    fail "no settings portal"
follows_gnome_settings "the settings portal"

# The title bar's Close ends the program: a click on the button that assistive technology finds.
start
IFS='x+' read -r width _ left top <<<"$(drawn_box)"
read -r close_x close_y <<<"$(ask place Vardolin Close)"
[ -n "$close_y" ] || fail "no Close button in the calculator's title bar"
echo "Close at $close_x,$close_y in the window, $((width - close_x)) px from the right"
close_x=$((left - 1 + close_x))
close_y=$((top - 1 + close_y))
remote click "$close_x" "$close_y"
if ! ends_within 10 "$pid"; then
    remote picture "$runtime/screen.png"
    fail "a click at $close_x,$close_y on the calculator at $width wide from $left,$top did not close it"
fi
ended "the title bar's Close"

finish "the calculator on GNOME"
