#!/usr/bin/python3
"""Checks the program's pictures: every one there at its size and kind, and drawn again by
assets/make-assets.py byte for byte as committed, so pictures and script never drift apart.

    check_pictures.py --assets DIR [--redraw-into SCRATCH]    the source tree's assets/
    check_pictures.py --hicolor DIR                           an installed hicolor theme
"""

import argparse
import filecmp
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

from PIL import Image

APP_ID = "example.velquor.Crucirco"
problems = []


def expect(path, size, kind, see_through=True):
    try:
        with Image.open(path) as img:
            if img.size != size or img.format != kind:
                problems.append(f"{path}: {img.format} {img.size}, not {kind} {size}")
            elif see_through and img.convert("RGBA").getpixel((0, 0))[3] != 0:
                problems.append(f"{path}: its corner is not see-through")
            elif kind == "JPEG" and not img.info.get("progressive"):
                problems.append(f"{path}: not a progressive JPEG")
    except OSError as error:
        problems.append(f"{path}: {error}")


def hicolor(folder):
    for size in (16, 24, 32, 48, 64, 128, 256):
        expect(os.path.join(folder, f"{size}x{size}", "apps", f"{APP_ID}.png"), (size, size), "PNG")
    svg = ET.parse(os.path.join(folder, "scalable", "apps", f"{APP_ID}.svg")).getroot()
    if svg.get("viewBox") != "0 0 256 256":
        problems.append(f"the scalable icon's view box is {svg.get('viewBox')}")


ap = argparse.ArgumentParser()
ap.add_argument("--assets")
ap.add_argument("--hicolor")
ap.add_argument("--redraw-into")
args = ap.parse_args()
if args.assets:
    expect(os.path.join(args.assets, "logo.jpg"), (253, 237), "JPEG", see_through=False)
    for name in ("versus", "two-player"):
        expect(os.path.join(args.assets, "icons", f"{name}.png"), (32, 32), "PNG")
    hicolor(os.path.join(args.assets, "icons", "hicolor"))
if args.hicolor:
    hicolor(args.hicolor)
if args.redraw_into:
    subprocess.run(
        [sys.executable, os.path.join(args.assets, "make-assets.py"), "--out", args.redraw_into], check=True
    )
    for base, _, files in os.walk(args.redraw_into):
        for name in files:
            drawn = os.path.join(base, name)
            kept = os.path.join(args.assets, os.path.relpath(drawn, args.redraw_into))
            if not os.path.exists(kept) or not filecmp.cmp(drawn, kept, shallow=False):
                problems.append(f"{kept}: not what make-assets.py draws now")
print("\n".join(problems) or "pictures as they should be")
sys.exit(1 if problems else 0)
