#!/usr/bin/python3
# Every window as the game draws it now, at the scales 1, 1.5 and 2, pixel for pixel as its reviewed
# picture in docs/screenshots. A change of look that is meant is a change of those pictures, drawn again
# by `build/bin/crucirco-shots docs/screenshots` and reviewed with the code.
#
# Another Debian release may draw some windows otherwise by a few pixels, with its own Qt and FreeType.
# Its reviewed pictures of those windows are kept in RELEASES/NAME
# (tests/quality/pictures/trixie/1.5x/frmSplash.png), and those windows are held to them, still pixel for
# pixel: a tolerance that let one glyph's edges differ would let a control moved by one pixel pass too.
#
#     compare_windows.py SHOTS_TOOL PICTURES RELEASES SCRATCH
#
# A window that differs stays in SCRATCH as drawn now (SCRATCH/1.5x/frmMain.png), beside a picture of
# where it differs (frmMain.diff.png: the reference in grey, the pixels that differ in red).
import os
import shutil
import subprocess
import sys

from PIL import Image, ImageChops


def release_name():
    """The Debian release this runs on: its code name, or sid for unstable, which names itself after the
    release it will become."""
    with open("/etc/debian_version") as version:
        if version.read().strip().endswith("/sid"):
            return "sid"
    with open("/etc/os-release") as about:
        fields = dict(line.rstrip("\n").split("=", 1) for line in about if "=" in line)
    return fields.get("VERSION_CODENAME", "").strip('"')


shots, pictures, releases, scratch = sys.argv[1:5]
own = os.path.join(releases, release_name())
shutil.rmtree(scratch, ignore_errors=True)
subprocess.run([shots, scratch], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
problems = []
for scale in ("1x", "1.5x", "2x"):
    drawn = sorted(os.listdir(os.path.join(scratch, scale)))
    kept = sorted(os.listdir(os.path.join(pictures, scale)))
    if drawn != kept:
        problems.append(f"{scale}: the windows drawn are {drawn}, the pictures {kept}")
    for name in set(drawn) & set(kept):
        now_path = os.path.join(scratch, scale, name)
        reference = os.path.join(own, scale, name)
        if not os.path.exists(reference):
            reference = os.path.join(pictures, scale, name)
        with Image.open(reference) as before, Image.open(now_path) as now:
            before = before.convert("RGB")
            now = now.convert("RGB")
            if before.size != now.size:
                problems.append(f"{name[:-4]} at {scale}: {now.size} pixels, its picture {before.size}")
                continue
            # Any channel one step off counts: grey levels would weigh a step of blue down to nothing.
            differs = ImageChops.difference(before, now).point(lambda v: 255 if v else 0)
            changed = differs.convert("L").point(lambda v: 255 if v else 0)
            if not changed.getbbox():
                os.remove(now_path)
                continue
            grey = before.convert("L").convert("RGB")
            Image.composite(Image.new("RGB", now.size, "red"), grey, changed).save(
                now_path[:-4] + ".diff.png"
            )
            problems.append(
                f"{name[:-4]} at {scale}: {changed.histogram()[255]} pixels differ within {changed.getbbox()}"
                f" from {reference}; see {now_path} and its .diff.png"
            )
print("\n".join(problems) or "every window as in its picture")
sys.exit(1 if problems else 0)
