# shellcheck shell=bash
# Sourced, with the script's arguments, by scripts that show windows: runs the calling script
# again through on_virtual_display.sh (a virtual X display with a window manager), unless it
# already runs on one.
if [ -z "${VARDOLIN_ON_VIRTUAL_DISPLAY:-}" ]; then
    exec "$(dirname "${BASH_SOURCE[0]}")/on_virtual_display.sh" "$0" "$@"
fi
unset QT_QPA_PLATFORM
