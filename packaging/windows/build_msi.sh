#!/usr/bin/env bash
# Builds the Windows installer from the Windows build's install tree with wixl, reproducibly.
# Windows Installer compares only the first three fields of a product's version (at most
# 255.255.65535), so the project's four fields a.b.c.d go in as a.b.(1000 × c + d): a release
# that grows any field is larger in those three, and the installer replaces an earlier one and
# refuses a later one. That holds while c is at most 64 and d at most 999.
# Usage: build_msi.sh STAGE_DIR INSTALLER_DIR VERSION OUTPUT.msi   (the install tree and the
#        installer component's files; SOURCE_DATE_EPOCH and COMMIT from the environment: the
#        same commit and version give the same codes and bytes)
set -euo pipefail
stage=$(realpath "$1")
installer=$(realpath "$2")
version=$3
msi=$(realpath -m "$4")
here=$(cd "$(dirname "$0")" && pwd)

IFS=. read -r major minor patch tweak <<<"$version"
tweak=${tweak:-0}
if [ "$major" -gt 255 ] || [ "$minor" -gt 255 ] || [ "$patch" -gt 64 ] || [ "$tweak" -gt 999 ]; then
    echo "build_msi.sh: $version does not fit the installer's version (a.b.c.d, c <= 64, d <= 999)" >&2
    exit 2
fi
installer_version=$major.$minor.$((patch * 1000 + tweak))

# Product and package codes: a new version is a new product; the same commit, the same codes.
codes=$(/usr/bin/python3 -c 'import sys, uuid
ns = uuid.UUID("5e3b6b2c-8f0a-4c59-9a31-7d2e4b1f6a80")
print(str(uuid.uuid5(ns, "product " + sys.argv[1])).upper(),
      str(uuid.uuid5(ns, "package " + sys.argv[1] + " " + sys.argv[2])).upper())' \
    "$version" "$COMMIT")
read -r product_code package_code <<<"$codes"
wxs=$here/vardolin.wxs
# wixl takes source files by paths relative to the folder it runs in.
installer_dir=$(realpath --relative-to="$stage" "$installer")
(cd "$stage" && wixl -a x64 -D Version="$installer_version" -D SourceDir=. \
    -D InstallerDir="$installer_dir" \
    -D ProductCode="$product_code" -o "$msi" "$wxs")
# What wixl cannot express: every custom action here sets a property at once (wixl makes each
# one deferred and puts it after InstallFinalize); the remembered folder is taken right after
# the search that reads it, in both sequences, so that an upgrade, a repair and the removal
# resolve INSTALLDIR to it; the install location is set once the folders are resolved; and the
# registry root HKMU (-1: the user's or the machine's, as the install goes; wixl writes 4).
remembered=(RememberUserInstallDir RememberMachineInstallDir)
queries=(-q "UPDATE CustomAction SET Type = 51"
         -q "UPDATE InstallExecuteSequence SET Sequence = 1001 WHERE Action = 'SetInstallLocation'"
         -q "UPDATE Registry SET Root = -1")
sequence=51
for action in "${remembered[@]}"; do
    condition=$(msiinfo export "$msi" InstallExecuteSequence | tr -d '\r' |
        awk -F '\t' -v action="$action" '$1 == action { print $2 }')
    queries+=(-q "UPDATE InstallExecuteSequence SET Sequence = $sequence WHERE Action = '$action'"
              -q "INSERT INTO InstallUISequence (Action, Condition, Sequence)
                  VALUES ('$action', '$condition', $sequence)")
    sequence=$((sequence + 1))
done
msibuild "$msi" "${queries[@]}"
# wixl stamps a random package code and the time of the build: the commit's instead.
mapfile -t known_codes < <(grep -o '[0-9A-F]\{8\}-[0-9A-F-]\{27\}' "$wxs")
/usr/bin/python3 "$here/pin_msi_summary.py" "$msi" "$package_code" "$SOURCE_DATE_EPOCH" \
    "$product_code" "${known_codes[@]}"
