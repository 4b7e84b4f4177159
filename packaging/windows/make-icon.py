#!/usr/bin/python3
"""Writes the game's Windows icon: every size of the drawn application icon in one .ico file.

    make-icon.py OUT.ico PNG...

Each size is taken as drawn, none scaled from another. It needs Debian's python3-pil.
"""

import sys

from PIL import Image


def main():
    out, *drawn = sys.argv[1:]
    images = sorted((Image.open(path) for path in drawn), key=lambda image: image.width)
    largest = images[-1]
    largest.save(out, format="ICO", sizes=[image.size for image in images], append_images=images[:-1])


if __name__ == "__main__":
    main()
