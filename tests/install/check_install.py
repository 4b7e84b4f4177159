#!/usr/bin/env python3
"""Installs the build into a scratch prefix and checks that the desktop integration arrived:
the desktop entry, the AppStream metainfo and the application icon at every size, each where
desktops look for it. The program itself is looked for only when the build made it.

    check_install.py --cmake CMAKE --build BUILD --prefix SCRATCH --datadir share --bindir bin
                     --app-id ID --version X.Y.Z --icon-sizes 16,24,... --pictures CHECK_PICTURES
                     [--appstreamcli PATH]
"""

import argparse
import filecmp
import os
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET


def main():
    parser = argparse.ArgumentParser()
    for name in ("cmake", "build", "prefix", "datadir", "bindir", "app-id", "version", "icon-sizes", "pictures",
                 "desktop-entry"):
        parser.add_argument("--" + name, required=True)
    parser.add_argument("--appstreamcli")
    args = parser.parse_args()

    shutil.rmtree(args.prefix, ignore_errors=True)
    done = subprocess.run([args.cmake, "--install", args.build, "--prefix", args.prefix],
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    print(done.stdout, end="")
    if done.returncode != 0:
        print(f"cmake --install failed with exit code {done.returncode}")
        return 1

    problems = []
    share = os.path.join(args.prefix, args.datadir)
    desktop = os.path.join(share, "applications", f"{args.app_id}.desktop")
    metainfo = os.path.join(share, "metainfo", f"{args.app_id}.metainfo.xml")
    hicolor = os.path.join(share, "icons", "hicolor")
    expected = [desktop, metainfo, os.path.join(hicolor, "scalable", "apps", f"{args.app_id}.svg")]
    expected += [os.path.join(hicolor, f"{s}x{s}", "apps", f"{args.app_id}.png") for s in args.icon_sizes.split(",")]
    for path in expected:
        if not os.path.isfile(path) or os.path.getsize(path) == 0:
            problems.append(f"{os.path.relpath(path, args.prefix)}: not installed")

    if os.path.isfile(desktop) and not filecmp.cmp(desktop, args.desktop_entry, shallow=False):
        problems.append("the installed desktop entry differs from the one in the source tree")

    # The metainfo is installed as configured: this version, no placeholder left over.
    if os.path.isfile(metainfo):
        with open(metainfo, encoding="utf-8") as f:
            text = f.read()
        if "@" in text:
            problems.append("the installed metainfo still holds an unreplaced @placeholder@")
        try:
            root = ET.fromstring(text)
            versions = [r.get("version") for r in root.iter("release")]
            if args.version not in versions:
                problems.append(f"the installed metainfo lists releases {versions}, not {args.version}")
            if root.findtext("id") != args.app_id:
                problems.append(f"the installed metainfo is for {root.findtext('id')!r}")
        except ET.ParseError as e:
            problems.append(f"the installed metainfo is not well-formed: {e}")

    # Every installed icon is a picture of the size its folder says.
    pictures = subprocess.run([args.pictures, "--hicolor", hicolor],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if pictures.returncode != 0:
        problems.append("installed icons:\n" + pictures.stdout.rstrip())

    # The program is installed as well, if this build made it.
    built = os.path.join(args.build, "bin", "Crucirco")
    if os.path.isfile(built):
        program = os.path.join(args.prefix, args.bindir, "Crucirco")
        if not (os.path.isfile(program) and os.access(program, os.X_OK)):
            problems.append(f"{os.path.relpath(program, args.prefix)}: the program was built but is not installed")
    else:
        print("(this build has no bin/Crucirco, so the program is not looked for)")

    # AppStream's own view of the installed tree: the metainfo, the desktop entry it names
    # and the icon, seen together as a software centre would.
    if args.appstreamcli:
        # Held to the same strictness as install.metainfo_valid, for the same reasons.
        tree = subprocess.run([args.appstreamcli, "validate-tree", "--no-net", "--pedantic", "--strict",
                               "--override=cid-maybe-not-rdns=pedantic", args.prefix],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        print(tree.stdout, end="")
        if tree.returncode != 0:
            problems.append("appstreamcli validate-tree found problems in the installed tree")

    for p in problems:
        print(p)
    print(f"{len(problems)} problems found" if problems else f"{len(expected)} files installed as expected")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
