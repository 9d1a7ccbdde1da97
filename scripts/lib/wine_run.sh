#!/usr/bin/env bash
# Runs a Windows program under Wine in the tests' own prefix, on a virtual display unless it runs
# on one already: the emulator that CTest runs the cross-compiled suites with.
source "$(dirname "$0")/virtual_display.sh" "$@"
source "$(dirname "$0")/wine_env.sh"
exec wine "$@"
