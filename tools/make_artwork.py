#!/usr/bin/env python3
"""Draws the installer's artwork: OUTDIR/sidebar.bmp and OUTDIR/setup.ico.

usage: make_artwork.py OUTDIR

sidebar.bmp is the wizard's left-hand picture: 164 x 312 pixels, 24 bits per
pixel, bottom-up. setup.ico holds 16, 32 and 48 pixel images, 32-bit BGRA with
an AND mask. The motif is a lighthouse on a headland at dusk whose light is
drawn as the rings of a camera lens.

Shapes are signed distance functions; a pixel's coverage is taken from the
distance at its centre, which anti-aliases edges without supersampling. The
output is the same byte for byte on every run.
"""

import math
import os
import random
import struct
import sys


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def length(x, y):
    # Not math.hypot: its rounding changed between Python releases, and the
    # output must not depend on which python3 runs this.
    return math.sqrt(x * x + y * y)


def smoothstep(e0, e1, x):
    t = clamp01((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def rgb(hexcode):
    return tuple(int(hexcode[i:i + 2], 16) / 255.0 for i in (1, 3, 5))


def ramp(stops, t):
    """Colour at t along (position, colour) stops, eased between them."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, smoothstep(0.0, 1.0, (t - p0) / (p1 - p0)))
    return stops[-1][1]


# --- signed distances (negative inside) -------------------------------------

def sd_circle(cx, cy, r):
    return lambda x, y: length(x - cx, y - cy) - r


def sd_box(x0, y0, x1, y1):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return length(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0)
    return d


def sd_round_box(x0, y0, x1, y1, r):
    inner = sd_box(x0 + r, y0 + r, x1 - r, y1 - r)
    return lambda x, y: inner(x, y) - r


def sd_polygon(points):
    n = len(points)

    def d(x, y):
        best = float("inf")
        sign = 1.0
        j = n - 1
        for i in range(n):
            xi, yi = points[i]
            xj, yj = points[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            t = clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey))
            dx, dy = wx - ex * t, wy - ey * t
            best = min(best, dx * dx + dy * dy)
            # Count the edges a leftward ray crosses: odd means inside.
            c1, c2, c3 = y >= yi, y < yj, ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                sign = -sign
            j = i
        return sign * math.sqrt(best)
    return d


def sd_capsule(x0, y0, x1, y1, r):
    def d(x, y):
        ex, ey = x1 - x0, y1 - y0
        wx, wy = x - x0, y - y0
        den = ex * ex + ey * ey
        t = clamp01((wx * ex + wy * ey) / den) if den else 0.0
        return length(wx - ex * t, wy - ey * t) - r
    return d


def sd_ring(cx, cy, r, width):
    return lambda x, y: abs(length(x - cx, y - cy) - r) - width / 2


def sd_curve_band(f, thickness):
    """A horizontal line y = f(x) of the given thickness (distance is vertical,
    which is close enough for gentle curves)."""
    return lambda x, y: abs(y - f(x)) - thickness / 2


def sd_intersect(a, b):
    return lambda x, y: max(a(x, y), b(x, y))


# --- canvas -------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, scale=1.0):
        self.w, self.h, self.scale = w, h, scale
        self.px = [(0.0, 0.0, 0.0)] * (w * h)

    def gradient(self, colour_at):
        """Paints every pixel opaque with colour_at(x, y) in scene units."""
        s = self.scale
        for y in range(self.h):
            for x in range(self.w):
                self.px[y * self.w + x] = colour_at((x + 0.5) / s, (y + 0.5) / s)

    def shape(self, sdf, colour, alpha=1.0, bbox=None, soft=1.0):
        """Blends colour (a tuple, or a function of x, y) where sdf < 0.

        bbox (scene units) limits the pixels visited; soft widens the edge, in
        pixels, for glows and blurred shapes.
        """
        s = self.scale
        if bbox is None:
            bx0, by0, bx1, by1 = 0, 0, self.w, self.h
        else:
            bx0 = max(0, int(math.floor(bbox[0] * s)) - 2)
            by0 = max(0, int(math.floor(bbox[1] * s)) - 2)
            bx1 = min(self.w, int(math.ceil(bbox[2] * s)) + 2)
            by1 = min(self.h, int(math.ceil(bbox[3] * s)) + 2)
        solid = not callable(colour)
        for py in range(by0, by1):
            sy = (py + 0.5) / s
            row = py * self.w
            for px in range(bx0, bx1):
                sx = (px + 0.5) / s
                d = sdf(sx, sy) * s
                cov = clamp01(0.5 - d / soft)
                if cov <= 0.0:
                    continue
                a = cov * (alpha if not callable(alpha) else alpha(sx, sy))
                if a <= 0.0:
                    continue
                c = colour if solid else colour(sx, sy)
                self.px[row + px] = mix(self.px[row + px], c, a)


def to8(v):
    return int(clamp01(v) * 255.0 + 0.5)


# --- the scene ----------------------------------------------------------------

NIGHT = rgb("#0a1f3f")
DUSK = rgb("#17507a")
TEAL = rgb("#2f8fa3")
HAZE = rgb("#9fd3d6")
SEA_TOP = rgb("#2a7f95")
SEA_DEEP = rgb("#08223f")
ROCK = rgb("#071a30")
WHITE = rgb("#f4f8fa")
SHADE = rgb("#b9cad6")
BAND = rgb("#1d5f86")
LAMP = rgb("#fff1c4")
GLOW = rgb("#ffe7a8")


def draw_sidebar():
    w, h = 164, 312
    horizon = 214.0
    cv = Canvas(w, h)

    def sky_sea(x, y):
        if y < horizon:
            t = y / horizon
            c = ramp([(0.0, NIGHT), (0.45, DUSK), (0.82, TEAL), (1.0, HAZE)], t)
            # A faint warm bloom around the lantern lifts the mid sky.
            g = math.exp(-((x - lx) ** 2 + (y - ly) ** 2) / (2 * 38.0 ** 2))
            return mix(c, rgb("#6fb6c4"), 0.35 * g)
        t = (y - horizon) / (h - horizon)
        return ramp([(0.0, SEA_TOP), (0.35, rgb("#185a7c")), (1.0, SEA_DEEP)], t)

    lx, ly = 112.0, 140.0  # lantern centre
    cv.gradient(sky_sea)

    # Stars, thinning out toward the horizon.
    rng = random.Random(1901)
    for _ in range(38):
        sx, sy = rng.uniform(4, w - 4), rng.uniform(4, 110)
        if length(sx - lx, sy - ly) < 70:
            continue
        r = rng.choice((0.45, 0.55, 0.7, 0.9))
        a = (1.0 - sy / 130.0) * rng.uniform(0.45, 0.9)
        cv.shape(sd_circle(sx, sy, r), WHITE, a, (sx - 2, sy - 2, sx + 2, sy + 2))

    # The lens: concentric rings around the lantern, like a camera's aperture.
    for r, a, wd in ((19.0, 0.22, 1.6), (30.0, 0.16, 1.2), (44.0, 0.11, 1.0),
                     (61.0, 0.07, 0.9), (81.0, 0.045, 0.8)):
        cv.shape(sd_ring(lx, ly, r, wd), HAZE, a,
                 (lx - r - 2, ly - r - 2, lx + r + 2, ly + r + 2))
    # Aperture blades: short tangential strokes inside the first ring.
    for k in range(6):
        ang = k * math.pi / 3 + 0.3
        x0, y0 = lx + 19 * math.cos(ang), ly + 19 * math.sin(ang)
        ang2 = ang + math.pi / 2 + 0.55
        x1, y1 = x0 + 12 * math.cos(ang2), y0 + 12 * math.sin(ang2)
        cv.shape(sd_capsule(x0, y0, x1, y1, 0.5), HAZE, 0.16,
                 (min(x0, x1) - 2, min(y0, y1) - 2, max(x0, x1) + 2, max(y0, y1) + 2))

    # Beams: wedges of light fading with distance from the lantern.
    def beam(tip_x, spread_top, spread_bot, strength):
        poly = [(lx, ly - 2.5), (tip_x, ly - spread_top), (tip_x, ly + spread_bot), (lx, ly + 2.5)]
        fade = lambda x, y: strength * (1.0 - abs(x - lx) / abs(tip_x - lx)) ** 1.6
        cv.shape(sd_polygon(poly), GLOW, fade,
                 (min(lx, tip_x), ly - spread_top, max(lx, tip_x), ly + spread_bot), soft=3.0)
    beam(-10.0, 24.0, 14.0, 0.30)
    beam(w + 10.0, 12.0, 8.0, 0.18)

    # Distant shore on the left, a low soft ridge sitting on the horizon.
    def ridge(x):
        return horizon - 6.0 - 4.0 * math.sin(x * 0.045 + 0.6) - 2.0 * math.sin(x * 0.11 + 2.0)
    cv.shape(lambda x, y: max(ridge(x) - y, y - horizon, x - 92.0), rgb("#2a6f88"), 0.85,
             (0, horizon - 14, 96, horizon + 1), soft=1.2)
    # A thin bright line where sky meets sea.
    cv.shape(sd_box(0, horizon - 0.4, w, horizon + 0.4), HAZE, 0.55,
             (0, horizon - 2, w, horizon + 2))

    # The beam's light lies on the water as a soft band with a few glints;
    # the lamp's own reflection would fall behind the headland.
    cv.shape(sd_box(-20, horizon + 2, 100, horizon + 9), GLOW,
             lambda x, y: 0.16 * clamp01((x + 20) / 120.0) ** 1.5,
             (0, horizon - 2, 104, horizon + 14), soft=6.0)
    rng = random.Random(7)
    for _ in range(14):
        gx, gy = rng.uniform(10, 96), rng.uniform(horizon + 2, horizon + 12)
        half = rng.uniform(1.5, 4.5)
        a = 0.35 * clamp01(gx / 96.0)
        cv.shape(sd_capsule(gx - half, gy, gx + half, gy, 0.45), GLOW, a,
                 (gx - half - 2, gy - 2, gx + half + 2, gy + 2))

    # Waves: gentle crests getting longer and taller toward the viewer.
    for i, y0 in enumerate((224, 233, 244, 257, 272, 290)):
        t = (y0 - horizon) / (h - horizon)
        amp, k, ph = 0.6 + 2.2 * t, 0.16 - 0.09 * t, i * 1.7
        f = lambda x, y0=y0, amp=amp, k=k, ph=ph: y0 + amp * math.sin(x * k + ph)
        # Crests fade in and out along the line so the sea does not look ruled.
        along = lambda x, y, k=k, ph=ph, t=t: ((0.10 + 0.12 * t)
                                               * (0.5 + 0.5 * math.sin(x * k * 0.37 + ph * 2.3)))
        cv.shape(sd_curve_band(f, 0.7 + 0.6 * t), HAZE, along, (0, y0 - amp - 2, w, y0 + amp + 2))

    # Sailboat on the left.
    bx, by = 38.0, 236.0
    cv.shape(sd_polygon([(bx - 12, by), (bx + 13, by), (bx + 9, by + 4), (bx - 9, by + 4)]),
             ROCK, 0.95, (bx - 13, by, bx + 14, by + 5))
    cv.shape(sd_polygon([(bx - 0.6, by - 1), (bx - 0.6, by - 30), (bx - 14, by - 2.5)]),
             WHITE, 0.95, (bx - 15, by - 31, bx, by))
    cv.shape(sd_polygon([(bx + 0.8, by - 1.5), (bx + 0.8, by - 25), (bx + 11, by - 2.5)]),
             SHADE, 0.95, (bx, by - 26, bx + 12, by))
    cv.shape(sd_box(bx - 0.5, by - 33, bx + 0.5, by), ROCK, 0.9, (bx - 1, by - 34, bx + 1, by))
    for j in range(4):
        ry = by + 6.5 + j * 3.2
        half = 9.0 - j * 1.5
        cv.shape(sd_capsule(bx - half, ry, bx + half, ry, 0.5), WHITE, 0.16 - 0.03 * j,
                 (bx - half - 2, ry - 2, bx + half + 2, ry + 2))

    # The tower goes down first so the headland hides its foot.
    draw_lighthouse(cv, lx, ly, 250.0)

    # Headland: flat under the tower, falling steeply to the sea on the left,
    # with a rim of light along its crest and boulders at its foot.
    def land(x):
        return (249.0 + 0.0105 * max(0.0, 118.0 - x) ** 2
                - 1.6 * math.sin(x * 0.13) - 0.8 * math.sin(x * 0.37))
    headland = lambda x, y: (land(x) - y) / 1.15
    cv.shape(headland, lambda x, y: mix(rgb("#0f3352"), ROCK, smoothstep(land(x), land(x) + 14, y)),
             1.0, (36, 236, w, h))
    crest = lambda x, y: abs(y - land(x) - 0.7) / 1.15 - 0.7
    cv.shape(crest, rgb("#4f9ab2"),
             lambda x, y: 0.7 * smoothstep(36, 70, x) * (1 - 0.65 * smoothstep(104, 164, x)),
             (36, 236, w, h))
    for cx, cy, rx, ry in ((46, 296, 7.5, 3.8), (33, 305, 6.0, 3.0), (57, 286, 4.5, 2.4)):
        boulder = lambda x, y, cx=cx, cy=cy, rx=rx, ry=ry: (
            (length((x - cx) / rx, (y - cy) / ry) - 1.0) * min(rx, ry))
        cv.shape(boulder, ROCK, 1.0, (cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1))
        cv.shape(lambda x, y, b=boulder, cy=cy: max(abs(b(x, y) + 0.6) - 0.6, y - cy + 0.5),
                 rgb("#4f9ab2"), 0.75,
                 (cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + 1))

    # Darken the foot of the picture so it settles into the dialog's lower edge.
    cv.shape(sd_box(-10, h - 60, w + 10, h + 10), SEA_DEEP,
             lambda x, y: 0.55 * smoothstep(h - 60, h, y), (0, h - 60, w, h))
    return cv


def draw_lighthouse(cv, lx, ly, base):
    """Tower standing on y = base with the lantern centred on (lx, ly)."""
    top = ly + 9.0
    hb, ht = 10.5, 6.5  # half widths at base and top

    def half_at(y):
        return ht + (hb - ht) * (y - top) / (base - top)

    def body_colour(x, y):
        # Lit from the left: the right flank falls into shade.
        u = (x - lx) / half_at(y)
        shade = smoothstep(-1.0, 1.0, u)
        c = mix(WHITE, SHADE, 0.85 * shade)
        for b0, b1 in ((top + 22, top + 34), (top + 58, top + 70)):
            if b0 <= y < b1:
                c = mix(BAND, rgb("#123f5e"), shade)
        return c

    tower = sd_polygon([(lx - ht, top), (lx + ht, top), (lx + hb, base + 6), (lx - hb, base + 6)])
    cv.shape(tower, body_colour, 1.0, (lx - hb, top, lx + hb, base + 6))
    # Door and two small windows.
    cv.shape(sd_round_box(lx - 2.2, base - 11, lx + 2.2, base + 1, 1.8), rgb("#0d2a45"), 1.0,
             (lx - 3, base - 12, lx + 3, base + 1))
    for wy in (top + 14, top + 46):
        cv.shape(sd_round_box(lx - 1.2, wy, lx + 1.2, wy + 4, 1.0), rgb("#0d2a45"), 0.9,
                 (lx - 2, wy - 1, lx + 2, wy + 5))
    # Gallery and its railing.
    cv.shape(sd_box(lx - 10, top - 1.5, lx + 10, top + 1.5), rgb("#0f3150"), 1.0,
             (lx - 11, top - 3, lx + 11, top + 3))
    cv.shape(sd_box(lx - 9, top - 5, lx + 9, top - 4.3), rgb("#0f3150"), 0.9,
             (lx - 10, top - 6, lx + 10, top - 3))
    for k in range(-8, 9, 4):
        cv.shape(sd_box(lx + k - 0.35, top - 5, lx + k + 0.35, top - 1.5), rgb("#0f3150"), 0.9,
                 (lx + k - 1, top - 6, lx + k + 1, top))
    # Lantern: glow first, then the lit glass and its frame.
    cv.shape(sd_circle(lx, ly, 3.0), GLOW, 0.55, (lx - 24, ly - 24, lx + 24, ly + 24), soft=14.0)
    cv.shape(sd_box(lx - 5, ly - 6, lx + 5, ly + 7.5), LAMP, 1.0, (lx - 6, ly - 7, lx + 6, ly + 8))
    for k in (-5, 0, 5):
        cv.shape(sd_box(lx + k - 0.45, ly - 6, lx + k + 0.45, ly + 7.5), rgb("#3b5c72"), 0.7,
                 (lx + k - 1, ly - 7, lx + k + 1, ly + 8))
    # Dome and finial.
    dome = sd_intersect(sd_circle(lx, ly - 6, 7.0), lambda x, y: y - (ly - 6))
    cv.shape(dome, rgb("#0f3150"), 1.0, (lx - 8, ly - 14, lx + 8, ly - 5))
    cv.shape(sd_capsule(lx, ly - 13, lx, ly - 17, 0.6), rgb("#0f3150"), 1.0,
             (lx - 2, ly - 18, lx + 2, ly - 12))


def draw_icon(size):
    """The same motif reduced to what reads at icon sizes, on a rounded tile.

    Scene units are 0..48 whatever the pixel size, so every size is the same
    picture scaled; the smallest size drops the finest details.
    """
    s = size / 48.0
    cv = Canvas(size, size, s)
    horizon = 33.0

    def bg(x, y):
        if y < horizon:
            return ramp([(0.0, rgb("#0f3766")), (0.7, rgb("#21739a")), (1.0, rgb("#7cc4cf"))],
                        y / horizon)
        return ramp([(0.0, rgb("#2a7f95")), (1.0, rgb("#0b2b4d"))], (y - horizon) / (48 - horizon))
    cv.gradient(bg)

    lx, ly = 28.0, 15.0
    if size >= 32:
        for r, a in ((8.5, 0.30), (13.5, 0.18), (19.0, 0.10)):
            cv.shape(sd_ring(lx, ly, r, 1.1), rgb("#bfe6ea"), a)
    cv.shape(sd_circle(lx, ly, 2.0), GLOW, 0.6, soft=5.0 * s + 1)
    cv.shape(sd_polygon([(lx, ly - 1.5), (-4, ly - 9), (-4, ly + 6), (lx, ly + 1.5)]), GLOW,
             lambda x, y: 0.26 * clamp01((x + 4) / (lx + 4)) ** 1.4, soft=1.0 + 2.0 * s)

    # Headland and tower, drawn bolder than on the sidebar.
    cv.shape(lambda x, y: max(36.0 + 0.02 * (x - 34) ** 2 - y, 12.0 - x),
             rgb("#06182c"), 1.0)
    # At 16 pixels a true-to-scale tower is under four pixels wide; widen it.
    k = 1.35 if size < 32 else 1.0
    top, base, ht, hb = ly + 4.5, 38.0, 3.6 * k, 5.6 * k
    cv.shape(sd_polygon([(lx - ht, top), (lx + ht, top), (lx + hb, base), (lx - hb, base)]),
             lambda x, y: mix(WHITE, SHADE, 0.8 * smoothstep(-4, 5, x - lx)))
    if size >= 32:
        cv.shape(sd_box(lx - 4.8, top + 8, lx + 4.8, top + 12), BAND)
    cv.shape(sd_box(lx - 5.2 * k, top - 1.2, lx + 5.2 * k, top + 0.8), rgb("#0f3150"))
    cv.shape(sd_box(lx - 3.0 * k, ly - 3.0, lx + 3.0 * k, ly + 3.3), LAMP)
    cv.shape(sd_intersect(sd_circle(lx, ly - 3.0, 4.0 * k), lambda x, y: y - (ly - 3.0)),
             rgb("#0f3150"))

    # One wave line and a sail on the left at the larger sizes.
    cv.shape(sd_curve_band(lambda x: 41.5 + 1.0 * math.sin(x * 0.35), 1.3), rgb("#bfe6ea"),
             lambda x, y: 0.55 * clamp01((26.0 - x) / 6.0))
    if size >= 32:
        cv.shape(sd_polygon([(12.5, 35.5), (12.5, 22.0), (5.5, 35.5)]), WHITE, 0.95)
        cv.shape(sd_polygon([(5.0, 36.5), (17.0, 36.5), (15.0, 38.5), (7.0, 38.5)]), rgb("#06182c"))

    # The tile: a rounded square, transparent outside. Its coverage becomes
    # alpha; colours stay straight (not premultiplied), as ICO wants.
    # A one-pixel margin at the larger sizes; at 16 every pixel counts.
    inset = 0.0 if size < 32 else 1.0 / s
    tile = sd_round_box(inset, inset, 48.0 - inset, 48.0 - inset, 9.0)
    alpha = []
    for py in range(size):
        for px in range(size):
            d = tile((px + 0.5) / s, (py + 0.5) / s) * s
            alpha.append(clamp01(0.5 - d))
    # A thin light rim keeps the tile readable on dark backgrounds.
    rim = lambda x, y: abs(tile(x, y) + 0.6) - 0.6
    cv.shape(rim, rgb("#d7eef2"), 0.35 if size >= 32 else 0.25)
    return cv, alpha


# --- file formats ---------------------------------------------------------------

def bmp_bytes(cv):
    row_len = cv.w * 3
    pad = (-row_len) % 4
    rows = []
    for y in range(cv.h - 1, -1, -1):  # bottom-up
        row = bytearray()
        for r, g, b in cv.px[y * cv.w:(y + 1) * cv.w]:
            row += bytes((to8(b), to8(g), to8(r)))
        rows.append(bytes(row) + b"\0" * pad)
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + pixels


def ico_image(cv, alpha):
    n = cv.w
    xor = bytearray()
    for y in range(n - 1, -1, -1):
        for x in range(n):
            r, g, b = cv.px[y * n + x]
            xor += bytes((to8(b), to8(g), to8(r), to8(alpha[y * n + x])))
    mask_row = ((n + 31) // 32) * 4
    mask = bytearray()
    for y in range(n - 1, -1, -1):
        row = bytearray(mask_row)
        for x in range(n):
            if to8(alpha[y * n + x]) == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """images: list of (size, image bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, data in images:
        # A width or height of 0 in the directory stands for 256.
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data),
                           offset + len(body))
        body += data
    return out + body


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_artwork.py OUTDIR\n")
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    with open(os.path.join(outdir, "sidebar.bmp"), "wb") as f:
        f.write(bmp_bytes(draw_sidebar()))
    images = []
    for size in (16, 32, 48):
        cv, alpha = draw_icon(size)
        images.append((size, ico_image(cv, alpha)))
    with open(os.path.join(outdir, "setup.ico"), "wb") as f:
        f.write(ico_bytes(images))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
