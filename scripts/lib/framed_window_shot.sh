#!/usr/bin/env bash
# Takes a picture of an X window with its window manager's frame, as a person sees it.
# Usage: framed_window_shot.sh WINDOW_ID picture.png
set -euo pipefail
read -r x y width height < <("$(dirname "$0")/frame_geometry.sh" "$1")
import -window root -crop "${width}x${height}+${x}+${y}" +repage "$2"
