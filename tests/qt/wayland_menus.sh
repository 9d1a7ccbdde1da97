# shellcheck shell=bash
# Sourced by the tests on a Wayland compositor, which start the program with WAYLAND_DEBUG=1 and
# its log in $runtime/wayland.log, and define `fail` and `wait_for`.
# shellcheck disable=SC2154 # runtime is the sourcing test's folder

# The menus the compositor has placed for the program so far, as its Wayland log shows.
menus_placed() { grep -c 'xdg_popup@[0-9]*\.configure(' "$runtime/wayland.log" || true; }
more_menus_placed_than() { [ "$(menus_placed)" -gt "$1" ]; }

# Runs the command that opens a menu (a key on the program's window) and waits until the
# compositor has placed the menu.
opens_menu() {
    local before
    before=$(menus_placed)
    "$@"
    wait_for 10 more_menus_placed_than "$before" || fail "'$*' opened no menu"
}
