#!/usr/bin/env bash
# Without a display to open the window on, the program says in one line what is missing and ends
# with status 1: no abort, no core file, no advice to reinstall it, no line of Qt's before its
# own. The cases: no display at all, an X display that is not there, a Wayland display that is
# not there, and a Wayland session on a system without Qt's Wayland plugin (hidden from Qt by a
# qt.conf beside a copy of the program that names a plugin folder holding only the X11 one).
# Usage: no_display_test.sh vardolin
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ulimit -c unlimited

xcb=$(find /usr/lib -path '*/qt6/plugins/platforms/libqxcb.so' -print -quit)
mkdir -p without-wayland/plugins/platforms
cp "$program" without-wayland/vardolin
ln -s "$xcb" without-wayland/plugins/platforms/
printf '[Paths]\nPlugins=%s\n' "$work/without-wayland/plugins" >without-wayland/qt.conf

status=0
# Runs the program with the environment changes given and expects status 1 and the line given.
expect_line() {
    local case=$1 expected=$2 code=0 said
    shift 2
    env -u QT_QPA_PLATFORM "$@" >out 2>err || code=$?
    said=$(cat err)
    if [ "$code" -ne 1 ] || [ "$said" != "$expected" ] || ls core* >/dev/null 2>&1; then
        echo "FAIL: $case: status $code, said: $said"
        status=1
    else
        echo "ok: $case: status 1, said: $said"
    fi
}

expect_line "no display" "vardolin: cannot open a display: set DISPLAY or WAYLAND_DISPLAY" \
    -u DISPLAY -u WAYLAND_DISPLAY "$program"
expect_line "no X display :987" "vardolin: cannot open a display: set DISPLAY or WAYLAND_DISPLAY" \
    -u WAYLAND_DISPLAY DISPLAY=:987 "$program"
expect_line "no Wayland display" \
    "vardolin: cannot open the Wayland display wayland-987; set DISPLAY to use X11" \
    -u DISPLAY WAYLAND_DISPLAY=wayland-987 XDG_RUNTIME_DIR="$work" "$program"
expect_line "no Wayland plugin" \
    "vardolin: the Qt Wayland plugin is not installed (qt6-wayland); set DISPLAY to use X11" \
    -u DISPLAY WAYLAND_DISPLAY=wayland-1 XDG_RUNTIME_DIR="$work" "$work/without-wayland/vardolin"
exit "$status"
