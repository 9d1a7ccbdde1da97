#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop finds there: the program,
# its desktop entry and its 32 x 32 icon.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/vardolin" || { echo "FAIL: no bin/vardolin"; exit 1; }
entry=$prefix/share/applications/vardolin.desktop
grep -qx 'Exec=vardolin' "$entry" && grep -qx 'Icon=vardolin' "$entry" ||
    { echo "FAIL: the desktop entry does not start vardolin with its icon"; exit 1; }
icon=$prefix/share/icons/hicolor/32x32/apps/vardolin.png
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    { echo "FAIL: no PNG icon"; exit 1; }
size=$(od -An -tu1 -j 16 -N 8 "$icon" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8}')
[ "$size" = 32x32 ] || { echo "FAIL: the icon is $size"; exit 1; }
echo "PASS: bin/vardolin, its desktop entry and a 32x32 icon"
