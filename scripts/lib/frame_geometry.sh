#!/usr/bin/env bash
# Prints where an X window stands with its window manager's frame, as "x y width height" in
# screen pixels. (xdotool's own geometry is off under a window manager that frames windows.)
# Usage: frame_geometry.sh WINDOW_ID
set -euo pipefail
info=$(xwininfo -id "$1")
x=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")
y=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
width=$(awk '/Width:/ { print $NF }' <<<"$info")
height=$(awk '/Height:/ { print $NF }' <<<"$info")
read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -dc '0-9 ,\n' |
    tr ',' ' ')
echo "$((x - ${left:-0})) $((y - ${top:-0})) $((${left:-0} + width + ${right:-0})) $((${top:-0} + height + ${bottom:-0}))"
