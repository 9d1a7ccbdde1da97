#!/usr/bin/env bash
# Drives the real program on a real Wayland compositor (sway, headless) as a person would: its
# app id is the desktop entry's; 445 typed into Val. and Enter give " A3" and 19.5622 (read back
# through the clipboard); F1 opens the About box over the calculator and F1 in it opens nothing
# more; the window menu's About item opens it too; a bad number gets the notice; and Escape,
# Alt+F4 and the window menu's Close end the program with status 0, many times over, with a
# session bus and without one. Takes a picture at the output scale given.
# sway refuses to run as root: as root, the compositor and the program run as nobody, with a
# runtime folder of their own.
# Usage: wayland_test.sh path/to/vardolin [SCALE [picture.png]]
set -euo pipefail
program=$(realpath "$1")
scale=${2:-1}
picture=${3:-}
entry="$(cd "$(dirname "$0")/../.." && pwd)/app/org.vardolin.Vardolin.desktop"
endings=${VARDOLIN_WAYLAND_ENDINGS:-6}

source "$(dirname "$0")/../../scripts/lib/ends_within.sh"

for tool in sway swaymsg wtype wl-paste grim dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

runtime=$(mktemp -d)
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$runtime"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 700 "$runtime"
# The program is copied to where the unprivileged user can read it.
install -m 755 "$program" "$runtime/vardolin"
[ "$(id -u)" -eq 0 ] && chown nobody:nogroup "$runtime/vardolin"
cat >"$runtime/config" <<EOF
output HEADLESS-1 resolution 1280x960 scale $scale
EOF

# Runs a command as the compositor's user, in the compositor's session, with no session bus.
session() {
    "${as_user[@]}" env -i HOME="$runtime" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin \
        WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$(ls "$runtime"/sway-ipc.* 2>/dev/null | head -n 1)" \
        LANG=C.UTF-8 "$@"
}

"${as_user[@]}" env -i HOME="$runtime" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$runtime/config" >"$runtime/sway.log" 2>&1 &
compositor=$!
cleanup() {
    kill "$compositor" 2>/dev/null || true
    wait "$compositor" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [ -S "$runtime/wayland-1" ] && ls "$runtime"/sway-ipc.* >/dev/null 2>&1 && break
    sleep 0.1
done

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

# Waits until the focused window has the title given (or, with "none", until no window is left).
wait_for_focus() {
    for _ in $(seq 100); do
        if [ "$1" = none ]; then
            [ -z "$(windows)" ] && return 0
        elif windows | grep -q "|$1|True$"; then
            sleep 0.2
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Presses keys. Each wtype is a new virtual keyboard, whose keymap the program must have before
# the first key comes, or it loses that key: wtype waits a moment first. The headless seat has
# no keyboard but wtype's, and a menu closes when the seat's keyboard goes: a menu is opened and
# used within one call.
keys() {
    session wtype -s 250 -d 20 "$@"
    sleep 0.3
}

copy_focused_box() {
    keys -M ctrl -k a -m ctrl -M ctrl -k c -m ctrl
    session wl-paste -n
}

start() {
    if [ "${1:-}" = bus ]; then
        session dbus-run-session -- "$runtime/vardolin" >>"$runtime/program.log" 2>&1 &
    else
        session "$runtime/vardolin" >>"$runtime/program.log" 2>&1 &
    fi
    pid=$!
    wait_for_focus Vardolin || fail "no calculator window"
}

# Waits for the program to end and expects status 0.
ended() {
    if ! ends_within 10 "$pid"; then
        fail "$1: the program is still running ($(windows | tr '\n' ' '))"
        kill -9 "$pid"
        wait "$pid" 2>/dev/null || true
        return
    fi
    wait "$pid" || fail "$1: the program ended with status $?"
}

# The scenario a person would try.
start
app_id=$(windows | cut -d'|' -f1 | head -n 1)
[ "$app_id.desktop" = "$(basename "$entry")" ] || fail "the app id is '$app_id'"
echo "app id: $app_id"
keys -k Tab -k Tab
keys 445
keys -k Return -k Tab
tone=$(copy_focused_box)
keys -k Tab
cent=$(copy_focused_box)
[ "$tone" = " A3" ] || fail "Tone shows '$tone', expected ' A3'"
[ "$cent" = "19.5622" ] || fail "Cent shows '$cent', expected '19.5622'"
if [ -n "$picture" ]; then
    # The calculator's window with its frame and title bar.
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
fi

keys -k F1
wait_for_focus "About Vardolin" || fail "F1 opened no About box"
keys -k F1
[ "$(windows | grep -c '|About Vardolin|')" -eq 1 ] || fail "F1 in the About box opened another"
keys -k Escape
wait_for_focus Vardolin || fail "Escape did not give the calculator back"

keys -k Tab
keys -M shift -k F10 -m shift -s 400 -k Up -k Return
wait_for_focus "About Vardolin" || fail "the window menu's last item opened no About box"
keys -k Escape
wait_for_focus Vardolin || fail "Escape did not close the About box"

keys -M shift -k Tab -k Tab -k Tab -m shift
keys x -k Return
notice=$(windows | grep -c '|Vardolin|' || true)
[ "$notice" -eq 2 ] || fail "a bad number in Val. got no notice"
keys -k Return
[ "$(windows | grep -c '|Vardolin|')" -eq 1 ] || fail "Enter did not close the notice"
keys -k Escape
ended "the scenario"
echo "scenario: Tone '$tone', Cent '$cent', About box, window menu, notice, Escape"

# Every way to close the window ends the program, every time, with a session bus and without.
for bus in none bus; do
    for way in Escape Alt+F4 Close; do
        for _ in $(seq "$endings"); do
            start "$bus"
            case "$way" in
                Escape) keys -k Escape ;;
                Alt+F4) keys -M alt -k F4 -m alt ;;
                Close) keys -M shift -k F10 -m shift -s 400 -k Down -k Down -k Return ;;
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
