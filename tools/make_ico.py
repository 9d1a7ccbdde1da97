#!/usr/bin/python3
"""Build tool: packs PNG images into a Windows icon file (.ico), each image stored as the PNG it
is (32-bit, with its alpha), as Windows reads icons since Vista.

Usage: make_ico.py OUTPUT.ico IMAGE.png..."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("make_ico.py: not a PNG image")
    return struct.unpack(">II", data[16:24])


def main():
    output, *inputs = sys.argv[1:]
    images = [open(path, "rb").read() for path in inputs]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for data in images:
        width, height = png_size(data)
        # A size of 256 is written as 0.
        entries += struct.pack(
            "<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset + len(blobs)
        )
        blobs += data
    with open(output, "wb") as file:
        file.write(header + entries + blobs)


main()
