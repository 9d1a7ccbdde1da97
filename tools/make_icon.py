#!/usr/bin/env python3
"""Draws the program icon, res/vardolin.ico: a black eighth note on white at 32 x 32, and a
tuning fork at 16 x 16, both 16 colours and opaque. Run it again to reproduce the file."""

import math
import struct
import sys

# The standard 16-colour palette; the icons use index 0 (black) and 15 (white).
PALETTE = [
    (0, 0, 0),
    (128, 0, 0),
    (0, 128, 0),
    (128, 128, 0),
    (0, 0, 128),
    (128, 0, 128),
    (0, 128, 128),
    (192, 192, 192),
    (128, 128, 128),
    (255, 0, 0),
    (0, 255, 0),
    (255, 255, 0),
    (0, 0, 255),
    (255, 0, 255),
    (0, 255, 255),
    (255, 255, 255),
]
BLACK, WHITE = 0, 15


def eighth_note():
    size = 32
    pixels = [[WHITE] * size for _ in range(size)]
    # The head: a filled oval, tilted as engravers draw it, at the lower left.
    cx, cy = 11.0, 24.0
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            u = 0.9 * dx + 0.45 * dy
            v = -0.45 * dx + 0.9 * dy
            if (u / 6.2) ** 2 + (v / 4.2) ** 2 <= 1.0:
                pixels[y][x] = BLACK
    # The stem rises from the right side of the head.
    for y in range(3, 24):
        for x in (16, 17):
            pixels[y][x] = BLACK
    # The flag hangs to the right from the top of the stem: a band that swings out and down.
    for step in range(200):
        t = step / 199.0
        fx = 17.5 + 7.5 * math.sin(math.pi * 0.5 * t) - 2.5 * t * t
        fy = 3.0 + 14.0 * t
        thickness = 3.2 * (1 - t) + 1.2
        for y in range(size):
            for x in range(18, size):
                if abs(x + 0.5 - fx) <= 0.9 and abs(y + 0.5 - fy) <= thickness / 2:
                    pixels[y][x] = BLACK
    return pixels


def tuning_fork():
    size = 16
    pixels = [[WHITE] * size for _ in range(size)]
    for y in range(1, 8):
        pixels[y][5] = pixels[y][10] = BLACK
    for x in range(5, 11):
        pixels[8][x] = BLACK
    for x in range(6, 10):
        pixels[9][x] = BLACK
    for y in range(10, 15):
        pixels[y][7] = pixels[y][8] = BLACK
    return pixels


def dib(pixels):
    """A 4-bit icon image: header, palette, colour rows and mask rows, bottom row first."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    color_row = ((size * 4 + 31) // 32) * 4
    mask_row = ((size + 31) // 32) * 4
    colors = b""
    for row in reversed(pixels):
        packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, size, 2))
        colors += packed.ljust(color_row, b"\0")
    mask = b"\0" * (mask_row * size)  # every pixel opaque
    return header + palette + colors + mask


def ico(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for pixels in images:
        image = dib(pixels)
        size = len(pixels)
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
        data += image
    return directory + entries + data


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "vardolin.ico"
    with open(out, "wb") as f:
        f.write(ico([eighth_note(), tuning_fork()]))
