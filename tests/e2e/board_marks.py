#!/usr/bin/env python3
"""Reads the nine cells of the versus-machine board from an xwd dump of its window.

Usage: board_marks.py DUMP

The window is "Crucirco VS Máquina": a menu bar above a client area of
4785 x 3840 twips, so the client area is the bottom of the dump and its scale
is the dump's width over 4785. Prints one line:

    grid=ok cells=....X.... ink=0,0,0,0,57,0,0,0,0

where each cell is "." (empty), "X" (a cross: ink where its strokes meet),
"O" (a circle: a ring with an empty middle) or "?" (ink of another shape),
and "grid" tells whether the four lines of the board are drawn, i.e. whether
the dump shows a painted board at all. Exits 2 when the dump is unreadable.
"""

import struct
import sys
from collections import Counter

CLIENT_WIDTH, CLIENT_HEIGHT = 4785, 3840
COLUMN_LEFTS = (2160, 2760, 3360)
ROW_TOPS = (1080, 1560, 2160)
CELL_WIDTH = 375
GRID_VERTICAL = ((2640, 1080, 2640), (3240, 1080, 2640))  # x, from y, to y
GRID_HORIZONTAL = ((1560, 2160, 3720), (2160, 2160, 3720))  # y, from x, to x
BOARD_AREA = (2160, 1080, 3735, 2640)  # left, top, right, bottom
INK_DIFFERENCE = 64  # per colour channel; fainter pixels are anti-aliasing
EMPTY_BELOW = 3  # ink pixels a cell may show and still count as empty
INSET = 2  # pixels kept clear of the grid lines around each cell


def cell_height(index):
    return 375 if index in (0, 8) else 495


class Dump:
    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        if len(data) < 100:
            raise ValueError("too short for a window dump")
        header = struct.unpack(">25I", data[:100])
        (header_size, version, pixmap_format, _depth, width, height, _xoffset, byte_order, _unit, _bit_order,
         _pad, bits_per_pixel, bytes_per_line, _visual_class, red_mask, green_mask, blue_mask, _bits_per_rgb,
         _colormap_entries, ncolors) = header[:20]
        if version != 7 or pixmap_format != 2 or bits_per_pixel != 32:
            raise ValueError(f"unsupported dump: version {version}, format {pixmap_format}, {bits_per_pixel} bpp")
        self.width, self.height = width, height
        self.bytes_per_line = bytes_per_line
        self.pixels = data[header_size + 12 * ncolors:]
        if len(self.pixels) < bytes_per_line * height:
            raise ValueError("dump is cut short")
        self.order = "<I" if byte_order == 0 else ">I"
        self.masks = [(m, (m & -m).bit_length() - 1) for m in (red_mask, green_mask, blue_mask)]

    def region(self, left, top, right, bottom):
        """The colours of the pixels in [left, right) x [top, bottom), row by row."""
        rows = []
        fmt = self.order[0] + "I"
        for y in range(top, bottom):
            start = y * self.bytes_per_line + 4 * left
            values = struct.iter_unpack(fmt, self.pixels[start:start + 4 * (right - left)])
            rows.append([tuple((v & mask) >> shift for mask, shift in self.masks) for (v,) in values])
        return rows


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        dump = Dump(sys.argv[1])
    except (OSError, ValueError) as error:
        print(f"unreadable dump: {error}", file=sys.stderr)
        return 2

    scale = dump.width / CLIENT_WIDTH
    top = dump.height - round(CLIENT_HEIGHT * scale)  # the menu bar sits above the client area
    if top < 0:
        print(f"dump of {dump.width}x{dump.height} is smaller than the client area", file=sys.stderr)
        return 2

    def px(twips):
        return round(twips * scale)

    # Only the board is read: its area, with a pixel to spare for the lines.
    left, upper, right, lower = (px(v) for v in BOARD_AREA)
    right, lower = min(right + 1, dump.width), min(lower + 1, dump.height - top)
    board = dump.region(left, top + upper, right, top + lower)
    background = Counter(colour for row in board for colour in row).most_common(1)[0][0]
    inked_at = [[max(abs(a - b) for a, b in zip(colour, background)) > INK_DIFFERENCE for colour in row]
                for row in board]

    def ink(x, y):
        """Whether the pixel at (x, y) of the client area differs from the board's background."""
        return left <= x < right and upper <= y < lower and inked_at[y - upper][x - left]

    # Each grid line counts as drawn when nine in ten of its pixels are ink.
    grid_ok = True
    for x, y0, y1 in GRID_VERTICAL:
        ys = range(px(y0), px(y1))
        grid_ok &= sum(ink(px(x), y) for y in ys) >= 0.9 * len(ys)
    for y, x0, x1 in GRID_HORIZONTAL:
        xs = range(px(x0), px(x1))
        grid_ok &= sum(ink(x, px(y)) for x in xs) >= 0.9 * len(xs)

    marks, counts = [], []
    for index in range(9):
        row, column = divmod(index, 3)
        x0, y0 = px(COLUMN_LEFTS[column]) + INSET, px(ROW_TOPS[row]) + INSET
        x1 = px(COLUMN_LEFTS[column] + CELL_WIDTH) - INSET
        y1 = px(ROW_TOPS[row] + cell_height(index)) - INSET
        inked = [(x, y) for y in range(y0, y1) for x in range(x0, x1) if ink(x, y)]
        counts.append(len(inked))
        if len(inked) < EMPTY_BELOW:
            marks.append(".")
            continue
        xs = [x for x, _ in inked]
        ys = [y for _, y in inked]
        if max(xs) - min(xs) < 6 or max(ys) - min(ys) < 6:
            marks.append("?")
            continue
        cx, cy = (min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2
        centre = any(ink(x, y) for x in range(cx - 1, cx + 2) for y in range(cy - 1, cy + 2))
        marks.append("X" if centre else "O")

    print(f"grid={'ok' if grid_ok else 'missing'} cells={''.join(marks)} ink={','.join(map(str, counts))}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
