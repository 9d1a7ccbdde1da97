# shellcheck shell=bash
# Sourced by scripts that run Windows programs: Wine quiet, without the .NET and browser add-ons
# it would otherwise offer to download, and in a prefix of its own under the build folder, so
# that the tests leave the user's own Wine (~/.wine) and its settings alone.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
WINEPREFIX="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build-win/wine-prefix"
export WINEPREFIX
mkdir -p "$(dirname "$WINEPREFIX")"
