#!/usr/bin/env bash
# Runs a Windows program under Wine with the display set to the given dpi (Wine's LogPixels),
# then sets it back to 96.
# Usage: at_dpi.sh DPI program.exe [arguments...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtual_display.sh" "$@"
dpi=$1
shift
source "$(dirname "$0")/../../scripts/lib/wine_env.sh"

set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    wineserver -w
}

set_dpi "$dpi"
trap 'set_dpi 96' EXIT
wine "$@"
