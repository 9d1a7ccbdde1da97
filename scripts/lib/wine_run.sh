#!/usr/bin/env bash
# Runs a Windows program under Wine in the tests' own prefix: the emulator that CTest runs the
# cross-compiled suites with.
source "$(dirname "$0")/wine_env.sh"
exec wine "$@"
