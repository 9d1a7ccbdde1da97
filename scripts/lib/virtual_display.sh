# Sourced, with the script's arguments, by scripts that show windows: runs the calling script
# again on a virtual X display of its own, so that nothing opens on the user's desktop.
if [ -z "${VARDOLIN_ON_VIRTUAL_DISPLAY:-}" ]; then
    export VARDOLIN_ON_VIRTUAL_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
