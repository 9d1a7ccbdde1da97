# Sourced by scripts that run Windows programs: Wine quiet, and without the .NET and browser
# add-ons it would otherwise offer to download.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
