#!/usr/bin/env bash
# Drives the real program on a real Wayland compositor (sway, headless) as a person would: its
# app id is the desktop entry's; the user scenario (tests/support/user_scenario.txt) runs with
# keys from a virtual keyboard of the test's own (wayland_keys), reading the boxes through the
# clipboard; the keys reach the About box and the notice while the compositor gives the keyboard
# to the calculator; and Escape, Alt+F4 and the window menu's Close end the program with status
# 0, many times over, with a session bus and without one.
# Takes a picture at the output scale given.
# sway refuses to run as root: as root, the compositor and the program run as nobody, with a
# runtime folder of their own.
# Usage: wayland_test.sh path/to/vardolin path/to/wayland_keys [SCALE [picture.png]]
set -euo pipefail
program=$(realpath "$1")
keyboard_tool=$(realpath "$2")
scale=${3:-1}
picture=${4:-}
entry="$(cd "$(dirname "$0")/../.." && pwd)/app/org.vardolin.Vardolin.desktop"
endings=${VARDOLIN_WAYLAND_ENDINGS:-6}

source "$(dirname "$0")/../../scripts/lib/ends_within.sh"
source "$(dirname "$0")/../support/user_scenario.sh"
source "$(dirname "$0")/wayland_log.sh"
source "$(dirname "$0")/command_tool.sh"

for tool in sway swaymsg wl-paste grim dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

runtime=$(mktemp -d)
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$runtime"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 700 "$runtime"
# The program and the keyboard are copied to where the unprivileged user can read them.
install -m 755 "$program" "$runtime/vardolin"
install -m 755 "$keyboard_tool" "$runtime/wayland_keys"
[ "$(id -u)" -eq 0 ] && chown nobody:nogroup "$runtime/vardolin" "$runtime/wayland_keys"
cat >"$runtime/config" <<EOF
output HEADLESS-1 resolution 1280x960 scale $scale
EOF

# Runs a command as the compositor's user, in the compositor's session, with no session bus.
session() {
    "${as_user[@]}" env -i HOME="$runtime" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin \
        WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$(find "$runtime" -maxdepth 1 -name 'sway-ipc.*' | head -n 1)" \
        LANG=C.UTF-8 "$@"
}

"${as_user[@]}" env -i HOME="$runtime" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$runtime/config" >"$runtime/sway.log" 2>&1 &
compositor=$!
cleanup() {
    [ -z "${TOOL_PID:-}" ] || kill "$TOOL_PID" 2>/dev/null || true
    kill "$compositor" 2>/dev/null || true
    wait "$compositor" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
compositor_ready() {
    [ -S "$runtime/wayland-1" ] && [ -n "$(find "$runtime" -maxdepth 1 -name 'sway-ipc.*')" ]
}
wait_for 10 compositor_ready || { echo "FAIL: sway did not start"; exit 1; }

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The windows of the session as "app_id|title|focused" lines.
windows() {
    session swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("app_id"):
        print("|".join(str(node[key]) for key in ("app_id", "name", "focused")))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}

# One virtual keyboard for the whole test, whose keymap the program gets as its window opens; a
# command ("key KEY..." or "type TEXT") is done once the compositor has handled it.
coproc TOOL { session "$runtime/wayland_keys" 2>"$runtime/keyboard.log"; }
tool_reply || { echo "FAIL: no virtual keyboard: $tool_answer"; cat "$runtime/keyboard.log"; exit 1; }
keys() { tool key "$@"; }

start() {
    local bus=()
    [ "${1:-}" = bus ] && bus=(dbus-run-session --)
    # With its Wayland requests and events in wayland.log.
    session "${bus[@]}" env WAYLAND_DEBUG=1 "$runtime/vardolin" >>"$runtime/program.log" \
        2>"$runtime/wayland.log" &
    pid=$!
    wait_for 10 scenario_is_active Vardolin || fail "no calculator window"
}

# The scenario's primitives on Wayland.
scenario_key() { keys "$1"; }
scenario_type() { tool type "$1"; }
scenario_active_title() { windows | awk -F'|' '$3 == "True" { print $2 }'; }
scenario_window_count() { windows | awk -F'|' -v title="$1" '$2 == title' | wc -l; }
scenario_focused_text() {
    keys Ctrl+a Ctrl+c
    session wl-paste -n
}
scenario_notice_open() { [ "$(scenario_window_count Vardolin)" -eq 2 ]; }
scenario_menu_about() {
    opens_menu keys Shift+F10
    keys Up Return
}
scenario_picture() {
    [ -n "$picture" ] || return 0
    # The calculator's window with its frame and title bar.
    local frame
    frame=$(session swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("app_id"):
        r, title = node["rect"], node["deco_rect"]
        print("%d,%d %dx%d" % (r["x"], title["y"], r["width"], r["height"] + title["height"]))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' | head -n 1)
    session grim -g "$frame" "$runtime/picture.png" && cp "$runtime/picture.png" "$picture"
}
scenario_ended() { ends_within 10 "$pid" && wait "$pid"; }

start
app_id=$(windows | cut -d'|' -f1 | head -n 1)
[ "$app_id.desktop" = "$(basename "$entry")" ] || fail "the app id is '$app_id'"
echo "app id: $app_id"
run_user_scenario || fail "the user scenario on Wayland"

# A click on the calculator gives it the keyboard while a modal box is open over it (swaymsg's
# focus does what the click does): Escape still closes the About box and Return the notice.
no_box_open() {
    [ "$(scenario_window_count "About Vardolin")" -eq 0 ] && [ "$(scenario_window_count Vardolin)" -eq 1 ]
}
start
for box in "About box" notice; do
    if [ "$box" = notice ]; then
        keys Tab Tab
        tool type x
        keys Return
        wait_for 10 scenario_notice_open || fail "no notice"
        closing_key=Return
    else
        keys F1
        wait_for 10 scenario_is_active "About Vardolin" || fail "F1 opened no About box"
        closing_key=Escape
    fi
    session swaymsg '[title="^Vardolin$"] focus' >/dev/null
    wait_for 10 scenario_is_active Vardolin || fail "the calculator did not take the keyboard"
    keys "$closing_key"
    if wait_for 10 no_box_open; then
        echo "with the keyboard on the calculator, $closing_key closed the $box"
    else
        fail "with the keyboard on the calculator, $closing_key did not reach the $box"
    fi
done
keys Escape
ended "the boxes with the keyboard on the calculator"

# Every way to close the window ends the program, every time, with a session bus and without.
for bus in none bus; do
    for way in Escape Alt+F4 Close; do
        for _ in $(seq "$endings"); do
            start "$bus"
            case "$way" in
                Escape) keys Escape ;;
                Alt+F4) keys Alt+F4 ;;
                Close)
                    opens_menu keys Shift+F10
                    keys Down Down Return
                    ;;
            esac
            ended "$way with session bus: $bus"
        done
    done
done
echo "endings: Escape, Alt+F4 and Close, $endings times each, with and without a session bus"

if [ "$failures" -gt 0 ]; then
    echo "FAIL: $failures checks failed"
    sed -n '1,20p' "$runtime/program.log"
    exit 1
fi
echo "PASS: the calculator on Wayland"
