#!/usr/bin/env python3
"""Draws the Quorvane application icon and writes res/quorvane.ico.

The picture: a blue rounded square holding a row of three slots, the middle
one lit in orange, with a white arrow rising out of it - an entry being
launched from the list.

Each size is drawn from its own pixel-aligned geometry so that the small
sizes stay sharp instead of being a blurred copy of the big one: 16, 32 and 48
pixels are drawn by hand, and 20, 24, 40, 64 and 256 (the sizes of the icons at
125 %, 150 % and 200 % and of Explorer's large views) are the nearest hand-drawn
geometry scaled and snapped to whole pixels. Edges are anti-aliased by sampling
every pixel on a fine grid. The images up to 64 pixels are stored as 32-bit
BGRA DIBs with an AND mask, which every Windows version from XP on reads; the
256-pixel image is PNG-compressed, as is usual for that size (Vista and later
read it; XP skips it and takes the largest of the others).

Only the standard library is used. The build does not run this script: the
.ico it writes is checked in.

    python3 scripts/make_icon.py [output.ico]
"""

import os
import struct
import sys
import zlib

# Samples per pixel along each axis.
SUPERSAMPLE = 8

# Colours as (r, g, b) in 0..255.
BG_TOP = (0x5C, 0x7C, 0xFA)
BG_BOTTOM = (0x2B, 0x3B, 0xB8)
BG_EDGE = (0x1E, 0x28, 0x80)
SLOT = (0xDB, 0xE4, 0xFF)
SLOT_LIT = (0xFF, 0xA9, 0x3D)
ARROW = (0xFF, 0xFF, 0xFF)
SHADOW = (0x14, 0x1C, 0x60)

# Geometry for each size, in pixels (x grows to the right, y downwards).
#   frame:  (left, top, right, bottom, corner radius) of the rounded square
#   edge:   width of the darker rim that keeps the square visible on light
#           backgrounds
#   slots:  (left, top, right, bottom, radius) of each slot; the middle is lit
#   arrow:  polygon of the rising arrow (head and shaft in one outline)
#   shadow: (dx, dy) offset of the arrow's soft shadow, or None
GEOMETRY = {
    16: {
        "frame": (0.0, 0.0, 16.0, 16.0, 3.5),
        "edge": 1.0,
        "slots": [
            (2.0, 11.0, 5.0, 14.0, 1.0),
            (6.0, 11.0, 10.0, 14.0, 1.0),
            (11.0, 11.0, 14.0, 14.0, 1.0),
        ],
        "arrow": [
            (8.0, 2.0), (13.0, 7.0), (9.0, 7.0), (9.0, 10.0),
            (7.0, 10.0), (7.0, 7.0), (3.0, 7.0),
        ],
        "shadow": None,
    },
    32: {
        "frame": (1.0, 1.0, 31.0, 31.0, 6.0),
        "edge": 1.0,
        "slots": [
            (5.0, 22.0, 11.0, 27.0, 1.5),
            (13.0, 22.0, 19.0, 27.0, 1.5),
            (21.0, 22.0, 27.0, 27.0, 1.5),
        ],
        "arrow": [
            (16.0, 4.0), (24.0, 12.0), (19.0, 12.0), (19.0, 20.0),
            (13.0, 20.0), (13.0, 12.0), (8.0, 12.0),
        ],
        "shadow": (0.0, 1.0),
    },
    48: {
        "frame": (1.0, 1.0, 47.0, 47.0, 9.0),
        "edge": 1.0,
        "slots": [
            (7.0, 33.0, 17.0, 40.0, 2.0),
            (19.0, 33.0, 29.0, 40.0, 2.0),
            (31.0, 33.0, 41.0, 40.0, 2.0),
        ],
        "arrow": [
            (24.0, 6.0), (37.0, 19.0), (28.0, 19.0), (28.0, 30.0),
            (20.0, 30.0), (20.0, 19.0), (11.0, 19.0),
        ],
        "shadow": (0.0, 1.5),
    },
}


def snapped(base, size):
    """The geometry of `base` pixels scaled to `size`, snapped to whole pixels
    (half pixels for the small radii, which need no sharp edge)."""
    geo = GEOMETRY[base]
    k = size / base
    whole = lambda v: float(round(v * k))
    half = lambda v: round(v * k * 2) / 2
    frame = geo["frame"]
    return {
        "frame": (*(whole(v) for v in frame[:4]), half(frame[4])),
        "edge": max(1.0, whole(geo["edge"])),
        "slots": [(*(whole(v) for v in slot[:4]), half(slot[4])) for slot in geo["slots"]],
        "arrow": [(whole(x), whole(y)) for x, y in geo["arrow"]],
        "shadow": geo["shadow"] and (0.0, max(1.0, whole(geo["shadow"][1]))),
    }


# The sizes made from another one's geometry, and the one each is made from.
SCALED_FROM = {20: 32, 24: 32, 40: 48, 64: 48, 256: 48}
SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def in_rounded_rect(x, y, rect, inset=0.0):
    """True when (x, y) lies inside the rounded rectangle shrunk by `inset`."""
    left, top, right, bottom, radius = rect
    left += inset
    top += inset
    right -= inset
    bottom -= inset
    radius = max(radius - inset, 0.0)
    if x < left or x > right or y < top or y > bottom:
        return False
    # Only the corner squares need the circle test.
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def in_polygon(x, y, points):
    """Even-odd point-in-polygon test."""
    inside = False
    n = len(points)
    for i in range(n):
        x1, y1 = points[i]
        x2, y2 = points[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            cross = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < cross:
                inside = not inside
    return inside


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def over(dst, colour, alpha):
    """Composites a straight-alpha colour over a premultiplied (r, g, b, a)."""
    r, g, b, a = dst
    return (
        colour[0] * alpha + r * (1.0 - alpha),
        colour[1] * alpha + g * (1.0 - alpha),
        colour[2] * alpha + b * (1.0 - alpha),
        alpha + a * (1.0 - alpha),
    )


def sample(x, y, size, geo):
    """Premultiplied colour of the picture at one sample point."""
    frame = geo["frame"]
    if not in_rounded_rect(x, y, frame):
        return (0.0, 0.0, 0.0, 0.0)

    top, bottom = frame[1], frame[3]
    t = min(max((y - top) / (bottom - top), 0.0), 1.0)
    if in_rounded_rect(x, y, frame, geo["edge"]):
        px = (*mix(BG_TOP, BG_BOTTOM, t), 1.0)
    else:
        px = (*mix(BG_EDGE, BG_BOTTOM, t * 0.3), 1.0)
    # Premultiply (alpha is 1 here, so nothing changes but the form).
    px = (px[0], px[1], px[2], 1.0)

    for index, slot in enumerate(geo["slots"]):
        if in_rounded_rect(x, y, slot):
            px = over(px, SLOT_LIT if index == 1 else SLOT, 1.0 if index == 1 else 0.85)

    shadow = geo["shadow"]
    if shadow and in_polygon(x - shadow[0], y - shadow[1], geo["arrow"]):
        px = over(px, SHADOW, 0.45)
    if in_polygon(x, y, geo["arrow"]):
        px = over(px, ARROW, 1.0)
    return px


def render(size):
    """Returns rows of (r, g, b, a) tuples, 0..255, top row first."""
    geo = GEOMETRY[size] if size in GEOMETRY else snapped(SCALED_FROM[size], size)
    # The big image needs fewer samples per pixel for the same smoothness.
    samples = SUPERSAMPLE if size <= 64 else SUPERSAMPLE // 2
    step = 1.0 / samples
    count = samples * samples
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                y = py + (sy + 0.5) * step
                for sx in range(samples):
                    x = px + (sx + 0.5) * step
                    s = sample(x, y, size, geo)
                    for i in range(4):
                        acc[i] += s[i]
            a = acc[3] / count
            if a <= 0.0:
                row.append((0, 0, 0, 0))
                continue
            # Back from premultiplied to straight alpha, as icons store it.
            r, g, b = (min(255, round(acc[i] / count / a)) for i in range(3))
            row.append((r, g, b, round(a * 255)))
        rows.append(row)
    return rows


def dib(rows):
    """A 32-bit icon image: BITMAPINFOHEADER, BGRA pixels, AND mask."""
    size = len(rows)
    # The header's height counts the colour image and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up.
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    # The mask matters only where alpha is ignored (old displays, 16-bit
    # colour): set bits are transparent. Each row is padded to 32 bits.
    mask = bytearray()
    stride = ((size + 31) // 32) * 4
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def png(rows):
    """A PNG image (8-bit RGBA, no filter) of the rows."""
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type None
        for pixel in row:
            raw += bytes(pixel)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def ico(images):
    """Packs (size, dib bytes) pairs into an .ico file."""
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        # A width or height of 256 is written as 0.
        side = size % 256
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return bytes(out)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "res", "quorvane.ico")
    images = [(size, png(render(size)) if size == 256 else dib(render(size))) for size in SIZES]
    with open(target, "wb") as f:
        f.write(ico(images))
    print(f"wrote {target}")


if __name__ == "__main__":
    main()
