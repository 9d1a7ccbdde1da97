#!/usr/bin/env bash
# Takes a picture of an X window with its window manager's frame, as a person sees it.
# Usage: framed_window_shot.sh WINDOW_ID picture.png
set -euo pipefail
window=$1
picture=$2
info=$(xwininfo -id "$window")
x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
width=$(awk '/Width:/ { print $NF }' <<<"$info")
height=$(awk '/Height:/ { print $NF }' <<<"$info")
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -dc '0-9 ,\n' |
    tr ',' ' ')
import -window root -crop "$((left + width + right))x$((top + height + bottom))+$((x - left))+$((y - top))" \
    +repage "$picture"
