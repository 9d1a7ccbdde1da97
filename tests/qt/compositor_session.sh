# shellcheck shell=bash
# Sourced by the end-to-end tests on a Wayland compositor that they start themselves (GNOME's
# mutter, KDE's KWin), with no arguments, so that it sees the test's: the test skipped (status
# 77) where one of its `tools` is missing, the test run again on a session bus of its own, a
# runtime folder of the test's own with the accessibility bus in it, the program started and
# ended, and the user scenario's checks answered through AT-SPI (atspi_windows.py), as
# assistive technology reads the windows. The sourcing script sets `program`, `here` and
# `tools`, starts the compositor on $WAYLAND_DISPLAY, adds its processes to `started`, and
# defines the scenario's keys.

: "${here:?}" "${program:?}" "${tools:?}"
for tool in "${tools[@]}" dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
if [ -z "${VARDOLIN_OWN_SESSION_BUS:-}" ]; then
    export VARDOLIN_OWN_SESSION_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi

# shellcheck source=../../scripts/lib/ends_within.sh
source "$here/../../scripts/lib/ends_within.sh"
# shellcheck source=../support/user_scenario.sh
source "$here/../support/user_scenario.sh"
# shellcheck source=wayland_log.sh
source "$here/wayland_log.sh"

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime HOME=$runtime XDG_CONFIG_HOME=$runtime/config LANG=C.UTF-8
export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=vardolin-test QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset DISPLAY
# What the bus starts on demand (the settings portal, GSettings' dconf) runs in the test's folders.
dbus-update-activation-environment HOME XDG_RUNTIME_DIR XDG_CONFIG_HOME XDG_SESSION_TYPE \
    WAYLAND_DISPLAY LANG ${XDG_CURRENT_DESKTOP:+XDG_CURRENT_DESKTOP}

started=()
# Ends what the test started; what does not end within 5 s of being asked is killed, so that
# the test never waits on a process of the session (once seen after a passing run).
cleanup() {
    for process in "${started[@]}"; do
        kill "$process" 2>/dev/null || true
    done
    for process in "${started[@]}"; do
        ends_within 5 "$process" || kill -9 "$process" 2>/dev/null || true
        wait "$process" 2>/dev/null || true
    done
    # The bus may have started the document portal, which mounts its folder in the runtime folder.
    fusermount -u -z "$runtime/doc" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
started+=($!)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

compositor_ready() { test -S "$runtime/$WAYLAND_DISPLAY"; }

ask() { /usr/bin/python3 "$here/atspi_windows.py" "$(basename "$program")" "$@" 2>/dev/null; }

# The buttons of the program's own title bar in the window TITLE, as "Close Minimize ".
title_bar_buttons() { ask buttons "$1" | grep -o 'Minimize\|Maximize\|Close' | tr '\n' ' '; }

# Starts the program, with the Wayland requests it makes in $runtime/wayland.log.
start() {
    WAYLAND_DEBUG=1 "$program" >>"$runtime/program.log" 2>"$runtime/wayland.log" &
    pid=$!
    started+=("$pid")
    wait_for 10 scenario_is_active Vardolin || fail "no calculator window"
}

scenario_active_title() { ask active; }
scenario_window_count() { ask count "$1"; }
scenario_focused_text() { ask focused; }
scenario_notice_open() { [ "$(scenario_window_count Vardolin)" -eq 2 ]; }
scenario_ended() { ends_within 10 "$pid" && wait "$pid"; }

# Reports the checks and ends the test.
finish() {
    if [ "$failures" -gt 0 ]; then
        echo "FAIL: $failures checks failed"
        sed -n '1,20p' "$runtime/program.log"
        exit 1
    fi
    echo "PASS: $1"
}
