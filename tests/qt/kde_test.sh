#!/usr/bin/env bash
# Drives the real program on KDE's compositor, KWin (virtual output, native Wayland), with keys
# through KWin's fake-input protocol (wayland_keys) and the windows read through AT-SPI:
# - the user scenario (tests/support/user_scenario.txt);
# - KWin draws the title bars, so the program draws none of its own;
# - Alt+F4 and the window menu's Close end the program with status 0.
# kwin_wayland asks for the file capability cap_sys_resource, which a container drops; a copy of
# the binary carries none and runs. The copy keeps the name, by which KWin's own Qt platform
# plugin recognises it. KWin offers fake input only to programs it knows from their desktop
# entries; the test's own session turns that check off.
# Usage: kde_test.sh path/to/vardolin path/to/wayland_keys
set -euo pipefail
program=$(realpath "$1")
key_tool=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)

tools=(kwin_wayland)
# shellcheck source=compositor_session.sh
source "$here/compositor_session.sh"

mkdir "$runtime/bin"
cp "$(command -v kwin_wayland)" "$runtime/bin/kwin_wayland"
KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$runtime/bin/kwin_wayland" --virtual --width 1280 \
    --height 800 --socket "$WAYLAND_DISPLAY" >"$runtime/kwin.log" 2>&1 &
started+=($!)
wait_for 10 compositor_ready || { echo "FAIL: KWin did not start"; sed -n '1,20p' "$runtime/kwin.log"; exit 1; }

# shellcheck source=command_tool.sh
source "$here/command_tool.sh"
coproc TOOL { "$key_tool" 2>"$runtime/keys.log"; }
started+=("$TOOL_PID")
tool_reply || { echo "FAIL: KWin offers no fake input: $tool_answer"; cat "$runtime/keys.log"; exit 1; }
keys() { tool key "$@"; }

# The scenario's primitives on KDE.
scenario_key() { keys "$1"; }
scenario_type() { tool type "$1"; }
scenario_menu_about() {
    opens_menu keys Shift+F10
    keys Up Return
}
scenario_picture() { :; }

start
run_user_scenario || fail "the user scenario on KDE"

start
[ -z "$(title_bar_buttons Vardolin)" ] ||
    fail "the program drew a title bar of its own: '$(title_bar_buttons Vardolin)'"
keys Alt+F4
ended "Alt+F4"

start
opens_menu keys Shift+F10
keys Down Down Return
ended "the window menu's Close"

finish "the calculator on KDE"
