#!/usr/bin/env python3
"""Checks the program's picture files without any imaging library.

    check_pictures.py --assets DIR     the pictures in the source tree (assets/)
    check_pictures.py --hicolor DIR    an installed hicolor icon theme folder, for the
                                       application icon only

Checks that every picture is there at its size and kind: the logo a progressive JPEG of
253 x 237 pixels, the icons RGBA PNGs of their sizes (the application icon a
rounded tile with see-through corners, the window icons figures standing on nothing), and
the scalable icon an SVG drawing on a square.
"""

import argparse
import os
import struct
import sys
import xml.etree.ElementTree as ET
import zlib

APP_ID = "example.velquor.Crucirco"
APP_ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
WINDOW_ICONS = ("versus", "two-player")

problems = []


def problem(path, text):
    problems.append(f"{path}: {text}")


def read_png(path):
    """Returns (width, height, colour type, rows of RGBA bytes or None if not 8-bit RGBA)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos, chunks = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if zlib.crc32(kind + body) != struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])[0]:
            raise ValueError(f"bad checksum in chunk {kind!r}")
        chunks.append((kind, body))
        pos += 12 + length
    if not chunks or chunks[0][0] != b"IHDR" or chunks[-1][0] != b"IEND":
        raise ValueError("chunks out of order")
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if depth != 8 or colour != 6 or interlace != 0:
        return width, height, colour, None
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    stride, rows, prev = width * 4, [], bytearray(width * 4)
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        kind, row = line[0], bytearray(line[1:])
        for i in range(stride):
            a = row[i - 4] if i >= 4 else 0
            b = prev[i]
            c = prev[i - 4] if i >= 4 else 0
            if kind == 1:
                row[i] = (row[i] + a) & 255
            elif kind == 2:
                row[i] = (row[i] + b) & 255
            elif kind == 3:
                row[i] = (row[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
            elif kind != 0:
                raise ValueError(f"unknown row filter {kind}")
        rows.append(bytes(row))
        prev = row
    return width, height, colour, rows


def check_png(path, size, tile):
    if not os.path.isfile(path):
        problem(path, "missing")
        return
    try:
        width, height, colour, rows = read_png(path)
    except (ValueError, zlib.error, struct.error) as e:
        problem(path, f"unreadable PNG: {e}")
        return
    if (width, height) != (size, size):
        problem(path, f"is {width}x{height}, expected {size}x{size}")
        return
    if rows is None:
        problem(path, f"colour type {colour}, expected 8-bit RGBA")
        return

    def alpha(x, y):
        return rows[y][x * 4 + 3]

    if tile:
        # A rounded tile: see-through corners, solid in the middle.
        corners = [alpha(0, 0), alpha(size - 1, 0), alpha(0, size - 1), alpha(size - 1, size - 1)]
        if any(a > 64 for a in corners):
            problem(path, f"corners not see-through (alpha {corners})")
        if alpha(size // 2, size // 2) != 255:
            problem(path, "centre not opaque")
    else:
        # A figure standing on nothing: a good part of the square stays see-through.
        clear = sum(1 for y in range(size) for x in range(size) if alpha(x, y) == 0)
        if clear < size * size // 8:
            problem(path, f"only {clear} of {size * size} pixels see-through")
    if not any(alpha(x, y) == 255 for y in range(size) for x in range(size)):
        problem(path, "nothing drawn")


def check_jpeg(path, width, height):
    if not os.path.isfile(path):
        problem(path, "missing")
        return
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"\xff\xd8":
        problem(path, "not a JPEG file")
        return
    pos, frames = 2, []
    while pos + 4 <= len(data):
        if data[pos] != 0xFF:
            problem(path, f"broken marker at byte {pos}")
            return
        marker = data[pos + 1]
        if marker == 0xD9:
            break
        length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            h, w, components = struct.unpack(">HHB", data[pos + 5:pos + 10])
            frames.append((marker, w, h, components))
        if marker == 0xDA:
            # Entropy-coded data follows; skip to the next marker that is not a stuffed byte
            # or a restart marker.
            pos += 2 + length
            while pos + 1 < len(data) and not (data[pos] == 0xFF and data[pos + 1] not in (0x00,) and
                                               not 0xD0 <= data[pos + 1] <= 0xD7):
                pos += 1
            continue
        pos += 2 + length
    if len(frames) != 1:
        problem(path, f"{len(frames)} frame headers, expected one")
        return
    marker, w, h, components = frames[0]
    if marker != 0xC2:
        problem(path, f"frame type {marker:#x}, expected a progressive one (0xc2)")
    if (w, h) != (width, height):
        problem(path, f"is {w}x{h}, expected {width}x{height}")
    if components != 3:
        problem(path, f"{components} colour components, expected 3")


def check_svg(path):
    if not os.path.isfile(path):
        problem(path, "missing")
        return
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as e:
        problem(path, f"not well-formed: {e}")
        return
    if root.tag != "{http://www.w3.org/2000/svg}svg":
        problem(path, f"root element {root.tag}, expected an SVG drawing")
        return
    box = root.get("viewBox", "").split()
    if len(box) != 4 or box[2] != box[3]:
        problem(path, f"viewBox {root.get('viewBox')!r} is not a square")
    if len(list(root.iter())) < 3:
        problem(path, "draws nothing")


def check_hicolor(folder):
    for size in APP_ICON_SIZES:
        check_png(os.path.join(folder, f"{size}x{size}", "apps", f"{APP_ID}.png"), size, True)
    check_svg(os.path.join(folder, "scalable", "apps", f"{APP_ID}.svg"))


def main():
    parser = argparse.ArgumentParser()
    group = parser.add_mutually_exclusive_group(required=True)
    group.add_argument("--assets")
    group.add_argument("--hicolor")
    args = parser.parse_args()
    if args.assets:
        check_jpeg(os.path.join(args.assets, "logo.jpg"), 253, 237)
        for name in WINDOW_ICONS:
            check_png(os.path.join(args.assets, "icons", f"{name}.png"), 32, False)
        check_hicolor(os.path.join(args.assets, "icons", "hicolor"))
    else:
        check_hicolor(args.hicolor)
    for p in problems:
        print(p)
    print(f"{len(problems)} problems found" if problems else "all pictures as expected")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
