#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop finds there: the program,
# its desktop entry, its AppStream data, its manual page and its icon at every theme size.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
fail() {
    echo "FAIL: $*"
    exit 1
}
test -x "$prefix/bin/vardolin" || fail "no bin/vardolin"
entry=$prefix/share/applications/org.vardolin.Vardolin.desktop
{ grep -qx 'Exec=vardolin' "$entry" && grep -qx 'Icon=vardolin' "$entry"; } ||
    fail "the desktop entry does not start vardolin with its icon"
test -f "$prefix/share/metainfo/org.vardolin.Vardolin.metainfo.xml" || fail "no AppStream data"
gzip -t "$prefix/share/man/man1/vardolin.1.gz" || fail "no manual page"
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/vardolin.png
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
        fail "no PNG icon at $size"
    shown=$(od -An -tu1 -j 16 -N 8 "$icon" |
        awk '{print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8}')
    [ "$shown" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $shown"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/vardolin.svg" || fail "no scalable icon"
echo "PASS: bin/vardolin, desktop entry, AppStream data, manual page, icons at 7 sizes and SVG"
