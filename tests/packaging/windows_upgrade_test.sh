#!/usr/bin/env bash
# Upgrades and downgrades of the Windows installer, under Wine: installers of the same program
# for 2.3.0.1, 2.3.0.2 (a fourth-field release) and 2.3.1.0 (a third-field one) are made from
# one install tree. A later version replaces an earlier one (one entry in Apps and features, the
# new files); an earlier one is refused with a message and changes nothing. Installed into a
# folder of the user's choice, a later version that names no folder goes there too, and the
# removal leaves nothing in it.
# Usage: windows_upgrade_test.sh STAGE_DIR INSTALLER_DIR
set -euo pipefail
stage=$(realpath "$1")
installer=$(realpath "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib/virtual_display.sh" "$@"
source "$root/scripts/lib/wine_env.sh"
source "$root/tests/packaging/lib/apps_and_features.sh"

work=$(mktemp -d)
# A Wine prefix of its own, so that no earlier install counts.
export WINEPREFIX=$work/prefix
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-0} COMMIT=upgrade-test
# The folder's name reaches Wine in UTF-8.
export LC_ALL=C.UTF-8
for version in 2.3.0.1 2.3.0.2 2.3.1.0; do
    cp -r "$installer" "$work/$version"
    # The README names its version: which release's files are installed shows there.
    sed -i "1s/^Vardolin [0-9.]*,/Vardolin $version,/" "$work/$version/README.txt"
    bash "$root/packaging/windows/build_msi.sh" "$stage" "$work/$version" "$version" \
        "$work/$version.msi"
done

status=0
# What Windows Installer tells the user when it refuses an earlier version (Wine's installer
# refuses silently under /qn): the launch condition's message.
condition=$(msiinfo export "$work/2.3.0.1.msi" LaunchCondition | tr -d '\r' | tail -n +4)
echo "refusal: $condition"
grep -q $'^NOT WIX_DOWNGRADE_DETECTED\tA newer version of Vardolin is already installed.$' \
    <<<"$condition" || { echo "FAIL: no message for a refused downgrade"; status=1; }

default_folder='C:\Program Files\Vardolin\'
folder=$default_folder
installed_readme() {
    head -n 1 "$(winepath -u "${folder}README.txt")" 2>/dev/null | tr -d '\r'
}
# Installs VERSION and expects the entry and files of EXPECTED afterwards, and whether the
# installer refused; further arguments go to the installer.
install() {
    local version=$1 expected=$2 entry=$3 refused=$4 code=0
    wine msiexec /i "$(winepath -w "$work/$version.msi")" /qn "${@:5}" || code=$?
    wineserver -w
    local entries
    entries=$(vardolin_entries | tr '\n' ' ')
    echo "installing $version: exit $code; Apps and features: ${entries:-none}" \
        "in $(vardolin_install_location); files of $(installed_readme) in $folder"
    if [ "$refused" = yes ] && [ "$code" -eq 0 ]; then
        echo "FAIL: $version was not refused"
        status=1
    elif [ "$refused" = no ] && [ "$code" -ne 0 ]; then
        echo "FAIL: $version did not install"
        status=1
    fi
    if [ "$entries" != "Vardolin|$entry|Vardolin authors " ]; then
        echo "FAIL: Apps and features should list one Vardolin $entry"
        status=1
    fi
    if [ "$(installed_readme)" != "Vardolin $expected, a calculator for musical pitch" ]; then
        echo "FAIL: the files of $expected should be installed in $folder"
        status=1
    fi
    if [ "$(vardolin_install_location)" != "$folder" ]; then
        echo "FAIL: Apps and features should name $folder, not $(vardolin_install_location)"
        status=1
    fi
}
# Removes VERSION and expects no entry and no file of the program left.
remove() {
    wine msiexec /x "$(winepath -w "$work/$1.msi")" /qn || { echo "FAIL: the uninstaller"; status=1; }
    wineserver -w
    [ -z "$(vardolin_entries)" ] || { echo "FAIL: Apps and features still lists Vardolin"; status=1; }
    local left
    left=$(find "$(winepath -u "$folder")" -type f 2>/dev/null || true)
    echo "removed $1: files left in $folder: ${left:-none}"
    [ -z "$left" ] || { echo "FAIL: the removal left files behind"; status=1; }
    [ ! -e "$(winepath -u "$folder")" ] || { echo "FAIL: the removal left $folder"; status=1; }
}

install 2.3.0.1 2.3.0.1 2.3.1 no
install 2.3.0.2 2.3.0.2 2.3.2 no
install 2.3.0.1 2.3.0.2 2.3.2 yes
install 2.3.1.0 2.3.1.0 2.3.1000 no
install 2.3.0.2 2.3.1.0 2.3.1000 yes
remove 2.3.1.0

folder='C:\Tools\Vardolin Jürgen Ü\'
install 2.3.0.1 2.3.0.1 2.3.1 no INSTALLDIR="$folder"
install 2.3.0.2 2.3.0.2 2.3.2 no
copies=$(find "$(winepath -u 'C:\')" -name Vardolin.exe | wc -l)
echo "copies of Vardolin.exe after the upgrade: $copies"
[ "$copies" -eq 1 ] || { echo "FAIL: the upgrade left another copy"; status=1; }
remove 2.3.0.2
[ "$status" -eq 0 ] && echo "PASS: later versions replace earlier ones in the folder of the first, earlier ones are refused"
exit "$status"
