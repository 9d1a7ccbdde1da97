#!/usr/bin/env bash
# The Debian package as a Linux user gets it: its desktop entry, AppStream data and the package
# itself validated, then installed with apt, used through the keyboard, and purged without a
# trace.
# Usage: linux_package_test.sh vardolin_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

fail() {
    echo "FAIL: $*"
    exit 1
}

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/org.vardolin.Vardolin.desktop" ||
    fail "the desktop entry"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.vardolin.Vardolin.metainfo.xml" ||
    fail "the AppStream data"
# Every remaining warning is listed, with its reason, in the README.
report=$(lintian --allow-root "$deb" || true)
echo "$report"
! grep -q '^E:' <<<"$report" || fail "lintian reports errors"

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$deb" >/dev/null
files=$(dpkg -L vardolin | while read -r path; do if [ -f "$path" ]; then echo "$path"; fi; done)
[ -x /usr/bin/vardolin ] || fail "no /usr/bin/vardolin after installing"
bash "$root/tests/qt/end_to_end_test.sh" /usr/bin/vardolin || fail "the installed program"
DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y vardolin >/dev/null
left=$(for path in $files; do if [ -e "$path" ]; then echo "$path"; fi; done)
[ -z "$left" ] || fail "left behind after purging: $left"
echo "PASS: validated, installed, used and purged: $(wc -w <<<"$files") files, none left"
