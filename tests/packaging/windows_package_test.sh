#!/usr/bin/env bash
# The Windows packages as a Windows user gets them, under Wine: the program imports nothing but
# system libraries; the installer installs silently, its Start-menu shortcut starts a program
# that passes the end-to-end test, and uninstalling removes the program, the shortcut and the
# entry in Apps and features; the portable zip's program passes the same test from a folder of
# its own.
# Usage: windows_package_test.sh Vardolin-<version>-win64.msi Vardolin-<version>-win64.zip win_probe.exe
set -euo pipefail
msi=$(realpath "$1")
zip=$(realpath "$2")
probe=$(realpath "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)

source "$root/scripts/lib/virtual_display.sh" "$@"
source "$root/scripts/lib/wine_env.sh"
source "$root/tests/packaging/lib/apps_and_features.sh"

fail() {
    echo "FAIL: $*"
    exit 1
}

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked"
contents=$(find "$unpacked" -mindepth 1 -printf '%P\n' | sort | tr '\n' ' ')
[ "$contents" = "LICENSE.txt README.txt Vardolin.exe " ] || fail "the zip holds $contents"
# Notepad before Windows 10 1809 wants CRLF line ends.
crlf() {
    ! grep -q $'[^\r]$' "$1" && ! grep -q '^$' "$1"
}
for text in README.txt LICENSE.txt; do
    crlf "$unpacked/$text" || fail "the zip's $text has lines without CRLF"
done
imports=$(x86_64-w64-mingw32-objdump -p "$unpacked/Vardolin.exe" | awk '/DLL Name:/ { print $3 }')
for dll in $imports; do
    case "${dll,,}" in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | msvcrt.dll | api-ms-win-crt-*) ;;
        oleacc.dll | ole32.dll | oleaut32.dll) ;;
        *) fail "Vardolin.exe imports $dll, which Windows does not have" ;;
    esac
done
echo "imports: $(tr '\n' ' ' <<<"$imports")"

bash "$root/tests/win32/end_to_end_test.sh" "$unpacked/Vardolin.exe" "$probe" ||
    fail "the program from the zip"

# Dual purpose: per user without administrator rights, per machine for an administrator. Wine
# installs every package per machine, so the tables say what Windows would do.
table() {
    msiinfo export "$msi" "$1" | tr -d '\r' | tail -n +4
}
grep -qx $'ALLUSERS\t2' <(table Property) || fail "ALLUSERS is not 2"
grep -qx $'MSIINSTALLPERUSER\t1' <(table Property) || fail "MSIINSTALLPERUSER is not 1"
word_count=$(msiinfo suminfo "$msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')
((word_count & 8)) || fail "the summary asks for administrator rights (word count $word_count)"
[ -z "$(table Registry | awk -F'\t' '$2 != -1')" ] || fail "registry values outside HKMU"
# The install location is set while the costs are final and before the files go anywhere; the
# folder of an earlier install is read back, in both sequences, after the search that finds it
# and before the folders are resolved.
sequence() {
    table "${2:-InstallExecuteSequence}" | awk -F'\t' -v action="$1" '$1 == action { print $3 }'
}
grep -qxF $'SetInstallLocation\t51\tARPINSTALLLOCATION\t[INSTALLDIR]' <(table CustomAction | cut -f 1-4) ||
    fail "the install location is set by '$(table CustomAction)'"
(($(sequence CostFinalize) < $(sequence SetInstallLocation) &&
    $(sequence SetInstallLocation) < $(sequence InstallValidate))) ||
    fail "the install location is set at $(sequence SetInstallLocation)"
grep -qxF $'InstallDir\t[INSTALLDIR]\tProgram' <(table Registry | cut -f 4-6) ||
    fail "the install folder is not written to the registry"
for context in User Machine; do
    action=Remember${context}InstallDir
    grep -qxF "$action"$'\t51\tINSTALLDIR\t['"${context^^}"'INSTALLDIR]' <(table CustomAction | cut -f 1-4) ||
        fail "$action is '$(table CustomAction | grep "$action")'"
    for sequence_table in InstallExecuteSequence InstallUISequence; do
        (($(sequence AppSearch "$sequence_table") < $(sequence "$action" "$sequence_table") &&
            $(sequence "$action" "$sequence_table") < $(sequence CostFinalize "$sequence_table"))) ||
            fail "$action runs at '$(sequence "$action" "$sequence_table")' in $sequence_table"
    done
done

# The version Apps and features shows: the installer's three fields, a.b.(1000 × c + d).
version=$(basename "$msi" | sed -n 's/^Vardolin-\([0-9.]*\)-win64\.msi$/\1/p')
IFS=. read -r major minor patch tweak <<<"$version"
listed="Vardolin|$major.$minor.$((patch * 1000 + tweak))|Vardolin authors"
wine msiexec /i "$(winepath -w "$msi")" /qn || fail "the installer"
wineserver -w
# Windows puts a per-machine shortcut into the Start menu of all users; Wine's installer puts it
# into the Start menu of the user who installs.
shortcut=$(find "$(winepath -u 'C:\')" -path '*/Start Menu/Programs/Vardolin.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
echo "shortcut: $shortcut"
target=$(wine "$probe" shortcut "$(winepath -w "$shortcut")" | tr -d '\r')
program=$(winepath -u "$target")
case "$target" in
    *'Program Files\Vardolin\Vardolin.exe') ;;
    *) fail "the shortcut starts $target" ;;
esac
[ "$(vardolin_entries)" = "$listed" ] ||
    fail "Apps and features lists '$(vardolin_entries)', not '$listed'"
installed=$(dirname "$program")
[ "$(vardolin_install_location)" = "$(winepath -w "$installed")\\" ] ||
    fail "Apps and features gives the location '$(vardolin_install_location)'"
for text in README.txt LICENSE.txt; do
    crlf "$installed/$text" || fail "the installed $text has lines without CRLF"
done
grep -q 'Apps' "$installed/README.txt" || fail "the installed README does not tell how to remove it"
bash "$root/tests/win32/end_to_end_test.sh" "$program" "$probe" || fail "the installed program"

wine msiexec /x "$(winepath -w "$msi")" /qn || fail "the uninstaller"
wineserver -w
[ ! -e "$program" ] || fail "the program is still there after uninstalling"
[ ! -e "$shortcut" ] || fail "the shortcut is still there after uninstalling"
[ -z "$(vardolin_entries)" ] || fail "Apps and features still lists Vardolin"
! wine reg query 'HKLM\Software\Vardolin' >/dev/null 2>&1 || fail "the registry key is left behind"
echo "PASS: zip and installer: tables, imports, Start menu, Apps and features, end-to-end, uninstall"
