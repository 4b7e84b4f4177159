#!/usr/bin/python3
"""Draws Crucirco's pictures: the logo, the window icons and the application icon.

Every picture is drawn from fixed seeds, so running this again gives the same files
byte for byte (with the same Pillow and libjpeg). It needs Debian's python3-pil.

    assets/make-assets.py              # rewrites the pictures beside this script
    assets/make-assets.py --out DIR    # writes them under DIR instead (same layout)

The scalable application icon, icons/hicolor/scalable/apps/<id>.svg, is written by hand;
the raster application icons below follow its geometry (a 256-unit square), so keep the
two in step when changing either.
"""

import argparse
import math
import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

APP_ID = "example.velquor.Crucirco"
APP_ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)

LOGO_SIZE = (253, 237)
LOGO_SUPERSAMPLE = 4

# Inks and paper.
PAPER = (247, 241, 226)
PAPER_UNDER = (206, 197, 177)
PAPER_BACK = (252, 249, 241)
GRID_INK = (38, 44, 92)
CROSS_INK = (196, 45, 38)
CIRCLE_INK = (32, 84, 180)


# ----------------------------------------------------------------------------------------
# Drawing helpers


def smooth_noise(rng, size, cell):
    """A soft blotchy grey field around 128, a coarse random grid scaled up smoothly."""
    w, h = size
    gw, gh = max(2, w // cell + 2), max(2, h // cell + 2)
    coarse = Image.new("L", (gw, gh))
    coarse.putdata([max(0, min(255, int(128 + rng.gauss(0, 1) * 60))) for _ in range(gw * gh)])
    field = coarse.resize((w, h), Image.BICUBIC)
    return field


def grain(rng, size, sigma):
    """Per-pixel grain around 128."""
    w, h = size
    img = Image.new("L", (w, h))
    img.putdata([max(0, min(255, int(128 + rng.gauss(0, sigma)))) for _ in range(w * h)])
    return img


def modulate(base, field, amplitude):
    """Brightens or darkens an RGB image by a grey field centred on 128 (128 leaves it as is)."""
    # factor = 1 + amplitude * (field - 128) / 128, kept as factor * 128 in a grey image.
    factor = field.point(lambda f: max(0, min(255, int(round(128 * (1.0 + amplitude * (f - 128) / 128.0))))))
    bands = []
    for band in base.split():
        product = ImageChops.multiply(band, factor)  # band * factor * 128 / 255
        bands.append(product.point(lambda v: min(255, int(round(v * 255 / 128)))))
    return Image.merge("RGB", bands)


def stamp_path(draw, points, widths, fill=255):
    """Draws a pen stroke through points, as round nibs close enough to overlap."""
    for i in range(len(points) - 1):
        (x0, y0), (x1, y1) = points[i], points[i + 1]
        w0, w1 = widths[i], widths[i + 1]
        seg = math.hypot(x1 - x0, y1 - y0)
        steps = max(1, int(seg / max(0.5, min(w0, w1) * 0.25)))
        for s in range(steps):
            t = s / steps
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            r = (w0 + (w1 - w0) * t) / 2
            draw.ellipse((x - r, y - r, x + r, y + r), fill=fill)
    x, y = points[-1]
    r = widths[-1] / 2
    draw.ellipse((x - r, y - r, x + r, y + r), fill=fill)


def pen_widths(rng, n, base, start_blob=1.15, end_taper=0.35):
    """Pressure along a stroke: a firm start, a steady middle, lifting off at the end."""
    p1, p2 = rng.uniform(0, math.tau), rng.uniform(0, math.tau)
    widths = []
    for i in range(n + 1):
        t = i / n
        press = 1.0 + 0.07 * math.sin(math.tau * 1.7 * t + p1) + 0.05 * math.sin(math.tau * 3.9 * t + p2)
        if t < 0.08:
            press *= start_blob - (start_blob - 1.0) * (t / 0.08)
        if t > 0.8:
            press *= 1.0 - (1.0 - end_taper) * ((t - 0.8) / 0.2) ** 1.5
        widths.append(base * press)
    return widths


def hand_line(rng, a, b, bow, wobble, n=80):
    """Points of a line drawn freehand from a to b: a gentle bow and a small tremor."""
    (ax, ay), (bx, by) = a, b
    length = math.hypot(bx - ax, by - ay)
    nx, ny = -(by - ay) / length, (bx - ax) / length
    f1, f2 = rng.uniform(1.2, 2.2), rng.uniform(3.5, 5.5)
    p1, p2 = rng.uniform(0, math.tau), rng.uniform(0, math.tau)
    pts = []
    for i in range(n + 1):
        t = i / n
        off = bow * math.sin(math.pi * t) + wobble * (
            0.65 * math.sin(math.tau * f1 * t + p1) + 0.35 * math.sin(math.tau * f2 * t + p2)
        )
        pts.append((ax + (bx - ax) * t + nx * off, ay + (by - ay) * t + ny * off))
    return pts


def hand_circle(rng, centre, radius, n=140):
    """Points of a circle drawn in one go: not quite round, ending past where it began."""
    cx, cy = centre
    start = rng.uniform(-2.4, -1.6)  # pens tend to start near the top
    sweep = math.tau * rng.uniform(1.06, 1.12)
    squash = rng.uniform(0.9, 0.97)
    tilt = rng.uniform(-0.4, 0.4)
    p = rng.uniform(0, math.tau)
    drift = radius * rng.uniform(0.06, 0.1)
    pts = []
    for i in range(n + 1):
        t = i / n
        ang = start - sweep * t  # counter-clockwise, as most hands draw an O
        r = radius * (1.0 + 0.05 * math.sin(2 * ang + p)) + drift * t
        x, y = r * math.cos(ang), r * math.sin(ang) * squash
        x, y = x * math.cos(tilt) - y * math.sin(tilt), x * math.sin(tilt) + y * math.cos(tilt)
        pts.append((cx + x, cy + y))
    return pts


def ink_onto(base, mask, ink, texture):
    """Lays ink of one colour where mask is set, a little uneven like a ballpoint."""
    textured = ImageChops.multiply(mask, texture)
    layer = Image.new("RGB", base.size, ink)
    return Image.composite(layer, base, textured)


# ----------------------------------------------------------------------------------------
# The logo: a tic-tac-toe grid drawn by hand on a note pad, its top right corner curling up


def make_logo():
    rng = random.Random(1406)
    s = LOGO_SUPERSAMPLE
    w, h = LOGO_SIZE[0] * s, LOGO_SIZE[1] * s

    # Paper: a warm sheet with soft blotches, fine grain and a light falling from the top left.
    page = Image.new("RGB", (w, h), PAPER)
    blotches = smooth_noise(rng, (w, h), 40 * s)
    page = modulate(page, blotches, 0.035)
    fine = grain(rng, LOGO_SIZE, 22).resize((w, h), Image.BICUBIC)
    page = modulate(page, fine, 0.03)
    lw, lh = LOGO_SIZE
    light = Image.new("L", LOGO_SIZE)
    light.putdata(
        [
            int(
                round(
                    128 + 22 * (1.0 - (x / lw + y / lh)) - 10 * ((x / lw - 0.45) ** 2 + (y / lh - 0.5) ** 2)
                )
            )
            for y in range(lh)
            for x in range(lw)
        ]
    )
    page = modulate(page, light.resize((w, h), Image.BICUBIC), 0.25)

    # A few paper fibres.
    fibres = Image.new("L", (w, h), 0)
    fd = ImageDraw.Draw(fibres)
    for _ in range(70):
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        ang = rng.uniform(0, math.pi)
        ln = rng.uniform(4, 12) * s
        pts = hand_line(
            rng, (x, y), (x + ln * math.cos(ang), y + ln * math.sin(ang)), rng.uniform(-2, 2) * s, 0.5 * s, 12
        )
        fd.line(pts, fill=rng.randint(20, 45), width=max(1, s // 2))
    page = Image.composite(
        Image.new("RGB", (w, h), (170, 150, 120)), page, fibres.filter(ImageFilter.GaussianBlur(s * 0.4))
    )

    # Ink texture: mostly full, with the faint gaps of a ballpoint.
    texture = (
        grain(rng, (w // 2, h // 2), 40)
        .resize((w, h), Image.BICUBIC)
        .point(lambda v: max(0, min(255, 200 + (v - 128) // 2 + 35)))
    )

    # The grid: two strokes down, two across, each a little crooked.
    left, right, top, bottom = 30 * s, 223 * s, 24 * s, 214 * s
    cols = (95 * s, 160 * s)
    rows = (89 * s, 152 * s)
    grid = Image.new("L", (w, h), 0)
    gd = ImageDraw.Draw(grid)
    for i, x in enumerate(cols):
        a = (x + rng.uniform(-3, 3) * s, top + rng.uniform(-4, 4) * s)
        b = (x + rng.uniform(-5, 5) * s + (4 - 8 * i) * s, bottom + rng.uniform(-4, 6) * s)
        pts = hand_line(rng, a, b, rng.uniform(-3.5, 3.5) * s, 0.9 * s)
        stamp_path(gd, pts, pen_widths(rng, len(pts) - 1, 4.2 * s))
    for i, y in enumerate(rows):
        a = (left + rng.uniform(-4, 4) * s, y + rng.uniform(-3, 3) * s)
        b = (right + rng.uniform(-5, 5) * s, y + rng.uniform(-5, 5) * s + (3 - 7 * i) * s)
        pts = hand_line(rng, a, b, rng.uniform(-3.5, 3.5) * s, 0.9 * s)
        stamp_path(gd, pts, pen_widths(rng, len(pts) - 1, 4.2 * s))
    grid = grid.filter(ImageFilter.GaussianBlur(s * 0.35))
    page = ink_onto(page, grid, GRID_INK, texture)

    # The marks of a game under way: crosses in red, circles in blue.
    def cross(cx, cy, size):
        mask = Image.new("L", (w, h), 0)
        md = ImageDraw.Draw(mask)
        for sign in (1, -1):
            a = (cx - size + rng.uniform(-3, 3) * s, cy - sign * size + rng.uniform(-3, 3) * s)
            b = (cx + size + rng.uniform(-3, 3) * s, cy + sign * size + rng.uniform(-3, 3) * s)
            pts = hand_line(rng, a, b, rng.uniform(-2.5, 2.5) * s, 0.6 * s, 50)
            stamp_path(md, pts, pen_widths(rng, len(pts) - 1, 4.6 * s))
        return mask.filter(ImageFilter.GaussianBlur(s * 0.35))

    def circle(cx, cy, radius):
        mask = Image.new("L", (w, h), 0)
        pts = hand_circle(rng, (cx, cy), radius)
        stamp_path(ImageDraw.Draw(mask), pts, pen_widths(rng, len(pts) - 1, 4.4 * s, 1.1, 0.5))
        return mask.filter(ImageFilter.GaussianBlur(s * 0.35))

    page = ink_onto(page, cross(128 * s, 121 * s, 20 * s), CROSS_INK, texture)
    page = ink_onto(page, circle(62 * s, 56 * s, 22 * s), CIRCLE_INK, texture)
    page = ink_onto(page, cross(61 * s, 184 * s, 19 * s), CROSS_INK, texture)
    page = ink_onto(page, circle(192 * s, 120 * s, 21 * s), CIRCLE_INK, texture)

    # The corner turning over. The fold runs from P on the top edge to Q on the right edge;
    # the flap is the corner reflected over the fold, its free edges bowed by the curl.
    px, py = w - 66 * s, 0
    qx, qy = w, 60 * s
    cx0, cy0 = w, 0
    dx, dy = qx - px, qy - py
    dl = math.hypot(dx, dy)
    ux, uy = dx / dl, dy / dl
    proj = (cx0 - px) * ux + (cy0 - py) * uy
    fx, fy = px + ux * proj, py + uy * proj
    tx, ty = 2 * fx - cx0, 2 * fy - cy0  # where the corner's tip lands
    # Normal pointing from the fold into the page (towards the tip).
    nx, ny = (tx - fx), (ty - fy)
    depth = math.hypot(nx, ny)
    nx, ny = nx / depth, ny / depth

    def bowed(a, b, amount, n=24):
        (ax, ay), (bx, by) = a, b
        mx, my = (ax + bx) / 2, (ay + by) / 2
        ln = math.hypot(bx - ax, by - ay)
        ox, oy = -(by - ay) / ln, (bx - ax) / ln
        cxp, cyp = mx + ox * amount, my + oy * amount
        pts = []
        for i in range(n + 1):
            t = i / n
            pts.append(
                (
                    (1 - t) ** 2 * ax + 2 * (1 - t) * t * cxp + t * t * bx,
                    (1 - t) ** 2 * ay + 2 * (1 - t) * t * cyp + t * t * by,
                )
            )
        return pts

    # Tip pulled a little back towards the fold and sideways: a curl, not a flat fold.
    tip = (tx - nx * 6 * s + ux * 3 * s, ty - ny * 6 * s + uy * 3 * s)
    edge_p = bowed((px, py), tip, -7 * s)
    edge_q = bowed(tip, (qx, qy), -7 * s)
    flap_outline = edge_p + edge_q[1:]

    # Behind the corner: the next sheet of the pad, a shade darker.
    under = Image.new("RGB", (w, h), PAPER_UNDER)
    under = modulate(under, fine, 0.03)
    gap = Image.new("L", (w, h), 0)
    ImageDraw.Draw(gap).polygon([(px, py), (cx0 - 1, cy0), (qx, qy)], fill=255)
    page = Image.composite(under, page, gap)

    # The curl's soft shadow, cast down and to the left.
    flap_mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(flap_mask).polygon(flap_outline, fill=255)
    shadow = ImageChops.offset(flap_mask, -3 * s, 4 * s).filter(ImageFilter.GaussianBlur(5 * s))
    shadow = shadow.point(lambda v: int(v * 0.5))
    page = Image.composite(Image.new("RGB", (w, h), (70, 58, 40)), page, shadow)
    # A deeper shadow in the gap, right under the fold.
    crease = Image.new("L", (w, h), 0)
    ImageDraw.Draw(crease).line([(px, py), (qx, qy)], fill=255, width=6 * s)
    crease = ImageChops.multiply(crease.filter(ImageFilter.GaussianBlur(4 * s)), gap)
    page = Image.composite(
        Image.new("RGB", (w, h), (60, 50, 35)), page, crease.point(lambda v: int(v * 0.75))
    )

    # The flap itself: the back of the sheet, shaded like a cylinder rolling over.
    x0 = int(min(p[0] for p in flap_outline)) - 2
    y0 = max(0, int(min(p[1] for p in flap_outline)) - 2)
    x1 = min(w, int(max(p[0] for p in flap_outline)) + 3)
    y1 = min(h, int(max(p[1] for p in flap_outline)) + 3)
    shade = Image.new("RGB", (x1 - x0, y1 - y0))
    values = []
    for yy in range(y0, y1):
        for xx in range(x0, x1):
            d = ((xx - px) * nx + (yy - py) * ny) / depth  # 0 at the fold, 1 at the tip
            d = max(0.0, min(1.0, d))
            # Dim at the fold, a bright band a third of the way, then a little dimmer again.
            k = 0.72 + 0.29 * math.sin(min(1.0, d / 0.32) * math.pi / 2) - 0.12 * max(0.0, d - 0.32) / 0.68
            values.append(tuple(min(255, int(c * k)) for c in PAPER_BACK))
    shade.putdata(values)
    flap_layer = Image.new("RGB", (w, h))
    flap_layer.paste(shade, (x0, y0))
    page = Image.composite(flap_layer, page, flap_mask)
    # Its free edge, a fine darker line, and a highlight along the fold.
    edge = Image.new("L", (w, h), 0)
    ImageDraw.Draw(edge).line(flap_outline, fill=150, width=max(1, s), joint="curve")
    page = Image.composite(
        Image.new("RGB", (w, h), (120, 104, 80)), page, edge.filter(ImageFilter.GaussianBlur(s * 0.3))
    )
    fold_hi = Image.new("L", (w, h), 0)
    ImageDraw.Draw(fold_hi).line([(px, py), (qx, qy)], fill=110, width=2 * s)
    fold_hi = ImageChops.multiply(fold_hi.filter(ImageFilter.GaussianBlur(s)), flap_mask)
    page = Image.composite(Image.new("RGB", (w, h), (255, 255, 252)), page, fold_hi)

    logo = page.resize(LOGO_SIZE, Image.LANCZOS)
    return logo


# ----------------------------------------------------------------------------------------
# Application icon: a paper tile with a clean grid, a red cross in the top left cell and a
# blue circle in the centre. Geometry in a 256-unit square, the same as the hand-written SVG.

TILE = (16, 16, 240, 240)
TILE_RADIUS = 40
TILE_TOP, TILE_BOTTOM = (253, 249, 238), (236, 226, 201)
TILE_EDGE = (170, 150, 110)
GRID_SPAN = (40, 216)  # where the grid strokes start and end
GRID_FIRST, GRID_WIDTH = 88, 16  # first stroke at 88..104, the second mirrored at 152..168
# (cells 48 units wide)
GRID_COLOUR = (52, 56, 84)
CROSS_CENTRE, CROSS_HALF, CROSS_WIDTH = (64, 64), 13, 13
CIRCLE_CENTRE, CIRCLE_RADIUS, CIRCLE_WIDTH = (128, 128), 16, 12
CROSS_COLOUR = (210, 52, 40)
CIRCLE_COLOUR = (36, 94, 200)


def grid_strokes_px(size):
    """The two stroke positions across the icon, snapped to whole pixels at this size and kept
    symmetric, so the grid stays sharp at 16 and 24 pixels instead of smearing over two."""
    width = max(1, round(GRID_WIDTH * size / 256))
    first = math.floor(GRID_FIRST * size / 256)
    return ((first, first + width), (size - first - width, size - first)), width


def draw_app_icon(size):
    """Renders the application icon at size pixels, supersampled."""
    over = 8 if size <= 64 else 4
    big = size * over
    k = big / 256.0
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))

    # Tile with a vertical paper gradient and a thin edge (one whole pixel at small sizes).
    grad = Image.new("RGBA", (big, big))
    gd = ImageDraw.Draw(grad)
    for y in range(big):
        t = min(1.0, max(0.0, (y / k - TILE[1]) / (TILE[3] - TILE[1])))
        gd.line(
            [(0, y), (big, y)],
            fill=tuple(int(a + (b - a) * t) for a, b in zip(TILE_TOP, TILE_BOTTOM)) + (255,),
        )
    tile = [round(c * size / 256) * over for c in TILE]
    tile_mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(tile_mask).rounded_rectangle(
        [tile[0], tile[1], tile[2] - 1, tile[3] - 1], radius=TILE_RADIUS * k, fill=255
    )
    edge_w = max(over, round(4 * k))
    inner_mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(inner_mask).rounded_rectangle(
        [tile[0] + edge_w, tile[1] + edge_w, tile[2] - 1 - edge_w, tile[3] - 1 - edge_w],
        radius=max(0, TILE_RADIUS * k - edge_w),
        fill=255,
    )
    img.paste(TILE_EDGE + (255,), (0, 0), tile_mask)
    img.paste(grad, (0, 0), inner_mask)

    d = ImageDraw.Draw(img)
    strokes, width = grid_strokes_px(size)
    lo, hi = GRID_SPAN[0] * k, GRID_SPAN[1] * k
    rad = min(width * over / 2, 8 * k)
    for a, b in strokes:
        d.rounded_rectangle([a * over, lo, b * over - 1, hi - 1], radius=rad, fill=GRID_COLOUR + (255,))
        d.rounded_rectangle([lo, a * over, hi - 1, b * over - 1], radius=rad, fill=GRID_COLOUR + (255,))

    def round_line(a, b, width, colour):
        d.line(
            [(a[0] * k, a[1] * k), (b[0] * k, b[1] * k)], fill=colour + (255,), width=int(round(width * k))
        )
        for x, y in (a, b):
            r = width * k / 2
            d.ellipse((x * k - r, y * k - r, x * k + r, y * k + r), fill=colour + (255,))

    if size in PIXEL_MARKS:
        return mark_pixels(reduce_icon(img, size), size)
    cx, cy = CROSS_CENTRE
    half = CROSS_HALF
    round_line((cx - half, cy - half), (cx + half, cy + half), CROSS_WIDTH, CROSS_COLOUR)
    round_line((cx + half, cy - half), (cx - half, cy + half), CROSS_WIDTH, CROSS_COLOUR)
    cx, cy = CIRCLE_CENTRE
    ro = (CIRCLE_RADIUS + CIRCLE_WIDTH / 2) * k
    ri = (CIRCLE_RADIUS - CIRCLE_WIDTH / 2) * k
    ring = Image.new("L", (big, big), 0)
    rd = ImageDraw.Draw(ring)
    rd.ellipse((cx * k - ro, cy * k - ro, cx * k + ro, cy * k + ro), fill=255)
    rd.ellipse((cx * k - ri, cy * k - ri, cx * k + ri, cy * k + ri), fill=0)
    img.paste(CIRCLE_COLOUR + (255,), (0, 0), ring)

    return reduce_icon(img, size)


# Where the marks go, pixel by pixel, at the sizes where drawn shapes blur into blobs:
# (top left of the cross, its width in pixels, top left of the ring's 4 x 4 box).
PIXEL_MARKS = {16: ((2, 2), 3, (6, 6)), 24: ((4, 4), 4, (10, 10))}


def pixel_cross(img, origin, n):
    """Sets both diagonals of an n x n square in the cross's red."""
    x0, y0 = origin
    for i in range(n):
        img.putpixel((x0 + i, y0 + i), CROSS_COLOUR + (255,))
        img.putpixel((x0 + n - 1 - i, y0 + i), CROSS_COLOUR + (255,))


def blend_pixel(img, xy, colour):
    """Half covers a pixel with colour (on a transparent pixel: colour at half opacity)."""
    r, g, b, a = img.getpixel(xy)
    if a == 0:
        img.putpixel(xy, colour + (128,))
    else:
        img.putpixel(xy, tuple((c + m) // 2 for c, m in zip((r, g, b), colour)) + (a,))


def mark_pixels(img, size):
    """Sets the cross and a four-pixel ring, the ring's corners half covered so it reads round."""
    origin, n, (rx, ry) = PIXEL_MARKS[size]
    pixel_cross(img, origin, n)
    for x, y in ((1, 0), (2, 0), (0, 1), (3, 1), (0, 2), (3, 2), (1, 3), (2, 3)):
        img.putpixel((rx + x, ry + y), CIRCLE_COLOUR + (255,))
    for x, y in ((0, 0), (3, 0), (0, 3), (3, 3)):
        blend_pixel(img, (rx + x, ry + y), CIRCLE_COLOUR)
    return img


# ----------------------------------------------------------------------------------------
# Window icons, each drawn in whole pixels of its own size, 16 times over, then reduced.

ICON_OVER = 16


def icon_canvas(size):
    img = Image.new("RGBA", (size * ICON_OVER, size * ICON_OVER), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img), ICON_OVER


def draw_versus(size):
    """A small board with a cross and a circle, and the machine's head looking on."""
    img, d, u = icon_canvas(size)
    grid = GRID_COLOUR + (255,)
    face = (110, 230, 255, 255)
    if size >= 32:
        # Board in the top left: strokes at 6-8 and 14-16, cells six pixels wide.
        for a in (6, 14):
            d.rectangle([a * u, 0, (a + 2) * u - 1, 22 * u - 1], fill=grid)
            d.rectangle([0, a * u, 22 * u - 1, (a + 2) * u - 1], fill=grid)
        d.ellipse([8.5 * u, 8.5 * u, 13.5 * u, 13.5 * u], outline=CIRCLE_COLOUR + (255,), width=int(1.5 * u))
        # The machine: a grey head with a screen face and an aerial, bottom right.
        d.rectangle([22 * u, 12 * u, 24 * u - 1, 17 * u - 1], fill=(90, 96, 110, 255))
        d.ellipse([21.5 * u, 10 * u, 24.5 * u, 13 * u], fill=CROSS_COLOUR + (255,))
        d.rounded_rectangle(
            [15 * u, 16 * u, 31 * u - 1, 31 * u - 1],
            radius=3 * u,
            fill=(112, 120, 136, 255),
            outline=(52, 56, 70, 255),
            width=u,
        )
        d.rounded_rectangle([17 * u, 18 * u, 29 * u - 1, 29 * u - 1], radius=u, fill=(28, 34, 52, 255))
        d.rectangle([19 * u, 21 * u, 21 * u - 1, 24 * u - 1], fill=face)
        d.rectangle([25 * u, 21 * u, 27 * u - 1, 24 * u - 1], fill=face)
        d.rectangle([20 * u, 26 * u, 26 * u - 1, 27 * u - 1], fill=face)
    else:
        # Sixteen pixels: strokes at 3 and 7, a three-pixel cross, a circle in the centre cell.
        for a in (3, 7):
            d.rectangle([a * u, 0, (a + 1) * u - 1, 11 * u - 1], fill=grid)
            d.rectangle([0, a * u, 11 * u - 1, (a + 1) * u - 1], fill=grid)
        d.rounded_rectangle([8 * u, 8 * u, 16 * u - 1, 16 * u - 1], radius=2 * u, fill=(52, 56, 70, 255))
        d.rectangle([9 * u, 9 * u, 15 * u - 1, 15 * u - 1], fill=(28, 34, 52, 255))
        d.rectangle([10 * u, 11 * u, 11 * u - 1, 12 * u - 1], fill=face)
        d.rectangle([13 * u, 11 * u, 14 * u - 1, 12 * u - 1], fill=face)
        d.rectangle([11 * u, 13 * u, 13 * u - 1, 14 * u - 1], fill=face)
    small = reduce_icon(img, size)
    # The marks set pixel by pixel, like the application icon's at its small sizes.
    if size >= 32:
        pixel_cross(small, (1, 1), 5)
    else:
        pixel_cross(small, (0, 0), 3)
        ring = CIRCLE_COLOUR + (255,)
        for x, y in ((5, 4), (4, 5), (6, 5), (5, 6)):
            small.putpixel((x, y), ring)
        for x, y in ((4, 4), (6, 4), (4, 6), (6, 6)):
            blend_pixel(small, (x, y), CIRCLE_COLOUR)
    return small


def draw_two_player(size):
    """Two people side by side, one in the cross's red and one in the circle's blue."""
    img = Image.new("RGBA", (256, 256), (0, 0, 0, 0))
    u = 8  # units of a 32-pixel design

    def person(cx, colour, outline):
        layer = Image.new("RGBA", (256, 256), (0, 0, 0, 0))
        d = ImageDraw.Draw(layer)
        # Shoulders: the upper half of a wide rounded body.
        d.rounded_rectangle([(cx - 8) * u, 19 * u, (cx + 8) * u, 36 * u], radius=7 * u, fill=outline + (255,))
        d.rounded_rectangle([(cx - 7) * u, 20 * u, (cx + 7) * u, 36 * u], radius=6 * u, fill=colour + (255,))
        d.ellipse([(cx - 5.5) * u, 5 * u, (cx + 5.5) * u, 16 * u], fill=outline + (255,))
        d.ellipse([(cx - 4.5) * u, 6 * u, (cx + 4.5) * u, 15 * u], fill=colour + (255,))
        return layer

    back = person(21, CIRCLE_COLOUR, (20, 50, 120))
    front = person(11, CROSS_COLOUR, (120, 26, 20))
    img.alpha_composite(back)
    img.alpha_composite(front)
    return reduce_icon(img, size)


# ----------------------------------------------------------------------------------------


def reduce_icon(img, size):
    """Averages each block of the supersampled drawing into one pixel. Averaging keeps the
    pixel-aligned strokes crisp (a sharper filter would ring around them), and doing it on
    premultiplied colour keeps transparent surroundings from darkening the edges."""
    return img.convert("RGBa").resize((size, size), Image.BOX).convert("RGBA")


def save_png(img, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    # No timestamps or other chunks that would change from one run to the next.
    img.save(path, "PNG", optimize=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=here, help="folder to write into (default: beside this script)")
    args = parser.parse_args()
    out = args.out

    logo = make_logo()
    os.makedirs(out, exist_ok=True)
    logo.save(
        os.path.join(out, "logo.jpg"),
        "JPEG",
        quality=92,
        progressive=True,
        optimize=True,
        subsampling="4:2:0",
    )

    for name, draw in (("versus", draw_versus), ("two-player", draw_two_player)):
        save_png(draw(32), os.path.join(out, "icons", f"{name}.png"))

    for size in APP_ICON_SIZES:
        save_png(
            draw_app_icon(size),
            os.path.join(out, "icons", "hicolor", f"{size}x{size}", "apps", f"{APP_ID}.png"),
        )


if __name__ == "__main__":
    main()
