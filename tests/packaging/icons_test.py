#!/usr/bin/python3
"""The program's icons as the packages carry them: each PNG is as large as its name or place
says, and its corners show the ground through (transparent) where the icon has a ground of its
own; the Windows icon file holds 32-bit images of 16, 24, 32, 48 and 256 pixels; the web page's
manifest has what browsers install an app by and lists the icons as they are, and the page
links its tab and touch icons.

Usage: icons_test.py theme ICON_THEME_DIR | ico FILE.ico | web PAGE_DIR"""
import json
import re
import struct
import sys
import zlib
from pathlib import Path

failures = []


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what)
    if not condition:
        failures.append(what)


def png_facts(data):
    """Width, height and the alpha of the top left pixel of an 8-bit RGBA PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    width, height, depth, colour = struct.unpack(">IIBB", data[16:26])
    idat, at = b"", 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at : at + 8])
        if kind == b"IDAT":
            idat += data[at + 8 : at + 8 + length]
        at += 12 + length
    # The top left pixel is stored as it is under every row filter (no pixel left of or above it).
    first_row = zlib.decompressobj().decompress(idat, 5)
    alpha = first_row[4] if depth == 8 and colour == 6 else 255
    return width, height, alpha


def check_png(path, size, transparent=True):
    facts = png_facts(path.read_bytes())
    check(
        facts is not None and facts[:2] == (size, size),
        f"{path.name} in {path.parent.name or '.'} is {size} x {size}: {facts}",
    )
    if facts and transparent:
        check(facts[2] == 0, f"{path} shows its ground through at the corner")


def theme(folder):
    for size in (16, 24, 32, 48, 64, 128, 256):
        check_png(Path(folder) / f"{size}x{size}" / "apps" / "vardolin.png", size)
    svg = (Path(folder) / "scalable" / "apps" / "vardolin.svg").read_text()
    check("<svg" in svg and "<ellipse" in svg, "the scalable icon is the drawing")


def ico(path):
    data = Path(path).read_bytes()
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    check((reserved, kind) == (0, 1), "an icon file")
    sizes = []
    for index in range(count):
        width, height, _, _, _, bits, length, offset = struct.unpack(
            "<BBBBHHII", data[6 + 16 * index : 22 + 16 * index]
        )
        size = width or 256
        sizes.append(size)
        check(bits == 32, f"the {size} px image has 32 bits")
        facts = png_facts(data[offset : offset + length])
        check(
            facts is not None and facts[:2] == (size, size) and facts[2] == 0,
            f"the {size} px image is a transparent-cornered PNG of that size: {facts}",
        )
    check(sizes == [16, 24, 32, 48, 256], f"sizes {sizes}")


def web(folder):
    folder = Path(folder)
    check_png(folder / "icon-192.png", 192)
    check_png(folder / "icon-512.png", 512)
    check_png(folder / "icon-maskable-512.png", 512, transparent=False)
    check_png(folder / "apple-touch-icon.png", 180, transparent=False)
    check(re.search(r"<svg", (folder / "icon.svg").read_text()) is not None, "icon.svg")
    manifest = json.loads((folder / "manifest.webmanifest").read_text())
    wanted = (
        "id",
        "name",
        "short_name",
        "start_url",
        "scope",
        "display",
        "theme_color",
        "background_color",
        "icons",
    )
    check(
        all(manifest.get(key) for key in wanted),
        f"the manifest has {', '.join(wanted)}: {sorted(manifest)}",
    )
    for icon in manifest.get("icons", []):
        path = folder / icon["src"]
        if icon["type"] == "image/png":
            size = int(icon["sizes"].split("x")[0])
            check(
                path.exists() and png_facts(path.read_bytes())[:2] == (size, size),
                f"the manifest's {icon['src']} is {icon['sizes']}",
            )
    check(
        any(icon.get("purpose") == "maskable" for icon in manifest.get("icons", [])),
        "one of its icons is maskable",
    )
    page = (folder / "index.html").read_text()
    for link in (
        'rel="icon" href="icon.svg"',
        'rel="apple-touch-icon" href="apple-touch-icon.png"',
    ):
        check(link in page, f"the page has {link}")
    schemes = re.findall(
        r'name="theme-color" content="#[0-9a-f]{6}" ' r'media="\(prefers-color-scheme: (\w+)\)"',
        page,
    )
    check(schemes == ["light", "dark"], f"and a theme colour for light and for dark: {schemes}")


{"theme": theme, "ico": ico, "web": web}[sys.argv[1]](sys.argv[2])
if failures:
    print(f"FAIL: {len(failures)} checks failed")
    sys.exit(1)
print("PASS: the icons")
