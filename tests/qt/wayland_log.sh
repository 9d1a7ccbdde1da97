# shellcheck shell=bash
# Sourced by the tests on a Wayland compositor, which start the program with WAYLAND_DEBUG=1 and
# its log in $runtime/wayland.log, and define `fail` and `wait_for`: waits on what the program
# asks of the compositor and what the compositor tells it, as the log shows them.
# shellcheck disable=SC2154 # runtime is the sourcing test's folder

# How many lines of the log match the pattern (grep's basic regular expression).
logged() { grep -c "$1" "$runtime/wayland.log" || true; }
logged_more_than() { [ "$(logged "$1")" -gt "$2" ]; }

# Runs COMMAND... and waits until the log has a new line matching PATTERN; tells `fail` that the
# command FAILED otherwise.
# Usage: logs_after PATTERN FAILED COMMAND...
logs_after() {
    local pattern=$1 failed=$2 before
    shift 2
    before=$(logged "$pattern")
    "$@"
    wait_for 10 logged_more_than "$pattern" "$before" || fail "'$*' $failed"
}

# Runs the command that opens a menu (a key on the program's window) and waits until the
# compositor has placed the menu.
opens_menu() { logs_after 'xdg_popup@[0-9]*\.configure(' "opened no menu" "$@"; }
