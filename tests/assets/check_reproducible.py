#!/usr/bin/env python3
"""Draws the pictures again with assets/make-assets.py into a scratch folder and checks that
they come out byte for byte as committed, so the committed pictures and their script never
drift apart.

    check_reproducible.py PYTHON_WITH_PIL ASSETS_DIR SCRATCH_DIR
"""

import filecmp
import os
import shutil
import subprocess
import sys


def pictures(folder):
    found = set()
    for base, _, files in os.walk(folder):
        for name in files:
            if name.endswith((".png", ".jpg")):
                found.add(os.path.relpath(os.path.join(base, name), folder))
    return found


def main():
    python, assets, scratch = sys.argv[1:4]
    shutil.rmtree(scratch, ignore_errors=True)
    subprocess.run([python, os.path.join(assets, "make-assets.py"), "--out", scratch], check=True)
    drawn, committed = pictures(scratch), pictures(assets)
    problems = [f"{p}: drawn by the script but not committed" for p in sorted(drawn - committed)]
    problems += [f"{p}: committed but no longer drawn by the script" for p in sorted(committed - drawn)]
    for p in sorted(drawn & committed):
        if not filecmp.cmp(os.path.join(scratch, p), os.path.join(assets, p), shallow=False):
            problems.append(f"{p}: differs from what the script draws now")
    for p in problems:
        print(p)
    print(f"{len(problems)} problems found" if problems else f"{len(drawn)} pictures reproduced exactly")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
