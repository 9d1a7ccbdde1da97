#!/usr/bin/env bash
# Reads every control of Vardolin.exe as a Windows screen reader does, through oleacc (the
# platform's accessibility): boxes and lists named by their captions, the two Calc buttons told
# apart by their descriptions, a list's value its selected entry.
# Usage: screen_reader_test.sh Vardolin.exe win_probe.exe expected_names.txt
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtual_display.sh" "$@"
source "$(dirname "$0")/../../scripts/lib/wine_env.sh"
source "$(dirname "$0")/../../scripts/lib/ends_within.sh"

wine "$1" &
pid=$!
read=$(wine "$2" names | tr -d '\r') || { echo "$read"; echo "FAIL: controls without an accessible object"; exit 1; }
ends_within 10 "$pid" || { kill "$pid"; echo "FAIL: Vardolin.exe did not close"; exit 1; }
if ! diff -u "$3" <(printf '%s\n' "$read"); then
    echo "FAIL: screen readers read the controls otherwise"
    exit 1
fi
echo "PASS: every control named and described for screen readers"
