#!/usr/bin/env bash
# Reads the version block back from Vardolin.exe and compares it with what it must say.
# Usage: version_block_test.sh Vardolin.exe win_probe.exe expected.txt
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtual_display.sh" "$@"
source "$(dirname "$0")/../../scripts/lib/wine_env.sh"
actual=$(wine "$2" version "$(winepath -w "$1" 2>/dev/null)" | tr -d '\r')
if ! diff -u "$3" <(printf '%s\n' "$actual"); then
    echo "FAIL: the version block differs"
    exit 1
fi
echo "PASS: the version block is as expected"
