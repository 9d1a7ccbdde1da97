#!/usr/bin/python3
"""Makes a wixl-built installer reproducible: wixl gives every build a random package code and
stamps the summary information with the build's time. This puts the given package code and
the given time (seconds since 1970, as SOURCE_DATE_EPOCH) in their place, byte for byte; both
have a fixed size, so nothing else in the file moves.

Usage: pin_msi_summary.py INSTALLER.msi PACKAGE_CODE SECONDS KNOWN_CODE..."""
import re
import struct
import sys

VT_FILETIME = struct.pack("<I", 64)
GUID = re.compile(rb"\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\}")


def main():
    path, package_code, seconds, *known = sys.argv[1:]
    data = bytearray(open(path, "rb").read())
    known = {code.upper().encode() for code in known}
    random_codes = [m for m in GUID.finditer(data) if m.group(0)[1:-1] not in known]
    if len(random_codes) != 1:
        sys.exit(f"expected one package code in {path}, found {len(random_codes)}")
    code = random_codes[0]
    data[code.start() : code.end()] = b"{" + package_code.upper().encode() + b"}"
    # The creation and last-saved times follow the package code in the summary information.
    filetime = struct.pack("<Q", (int(seconds) + 11644473600) * 10_000_000)
    position = code.end()
    for _ in range(2):
        position = data.index(VT_FILETIME, position, position + 64) + len(VT_FILETIME)
        data[position : position + 8] = filetime
        position += 8
    open(path, "wb").write(data)


main()
