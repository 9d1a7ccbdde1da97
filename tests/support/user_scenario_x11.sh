# shellcheck shell=bash
# Sourced by the end-to-end tests on an X display (the Qt program, and Vardolin.exe under Wine):
# the user scenario's primitives that xdotool gives alike for both, beside user_scenario.sh.

scenario_key() {
    case "$1" in
        Enter) xdotool key Return ;;
        Shift+Tab) xdotool key shift+Tab ;;
        *) xdotool key "$1" ;;
    esac
}
scenario_type() { xdotool type --delay 0 "$1"; }
# The title of the window that the window manager holds active.
x_active_title() { xdotool getactivewindow getwindowname 2>/dev/null; }
scenario_active_title() { x_active_title; }
scenario_window_count() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
# The notice is a message box titled like the calculator.
scenario_notice_open() { [ "$(scenario_window_count Vardolin)" -eq 2 ]; }
