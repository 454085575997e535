#!/usr/bin/env python3
"""Draws the four search-button icons of the satellite dialog (icon resources 20001-20004).

Each icon is 32 x 32 pixels, 32-bit with an alpha channel: a magnifier (a ring with a handle
towards the lower right) and, at its left, an arrow that points the way the search walks the
list. The two icons of a pair have the same shape; only their colours differ.

    resource  file                          arrow   colours
    20001     asat-search-down.ico          down    dark glyph for the system look
    20002     asat-search-down-dark.ico     down    light glyph for the dark skin
    20003     asat-search-up.ico            up      dark glyph for the system look
    20004     asat-search-up-dark.ico       up      light glyph for the dark skin

Usage: make-satellite-icons.py OUTPUT_FOLDER
"""

import os
import struct
import sys

SIZE = 32
SAMPLES = 4  # supersampling per axis, for smooth edges

# (ring and handle, lens, arrow) as RGB; the lens is drawn half transparent.
LOOKS = {
    "system": ((40, 40, 40), (150, 190, 230), (30, 90, 170)),
    "dark": ((210, 210, 210), (90, 110, 140), (120, 180, 255)),
}
LENS_ALPHA = 0.45

RING_CENTRE = (19.0, 12.0)
RING_OUTER = 9.0
RING_INNER = 6.5
HANDLE_FROM = (25.5, 18.5)
HANDLE_TO = (30.0, 23.0)
HANDLE_HALF_WIDTH = 2.2

ARROW_X = 6.5        # centre line of the arrow
ARROW_SHAFT = 1.6    # half width of the shaft
ARROW_HEAD = 5.5     # half width of the head
ARROW_TOP = 6.0
ARROW_BOTTOM = 28.0
ARROW_HEAD_LENGTH = 8.0


def ring(x, y):
    d2 = (x - RING_CENTRE[0]) ** 2 + (y - RING_CENTRE[1]) ** 2
    return RING_INNER ** 2 <= d2 <= RING_OUTER ** 2


def lens(x, y):
    return (x - RING_CENTRE[0]) ** 2 + (y - RING_CENTRE[1]) ** 2 < RING_INNER ** 2


def handle(x, y):
    (ax, ay), (bx, by) = HANDLE_FROM, HANDLE_TO
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    if not 0.0 <= t <= 1.0:
        return False
    px, py = ax + t * dx, ay + t * dy
    return (x - px) ** 2 + (y - py) ** 2 <= HANDLE_HALF_WIDTH ** 2


def arrow(pointing_down):
    def inside(x, y):
        # Drawn pointing down; the upward arrow is its mirror image.
        if not pointing_down:
            y = ARROW_TOP + ARROW_BOTTOM - y
        head_start = ARROW_BOTTOM - ARROW_HEAD_LENGTH
        if ARROW_TOP <= y < head_start:
            return abs(x - ARROW_X) <= ARROW_SHAFT
        if head_start <= y <= ARROW_BOTTOM:
            share = (ARROW_BOTTOM - y) / ARROW_HEAD_LENGTH
            return abs(x - ARROW_X) <= ARROW_HEAD * share
        return False

    return inside


def coverage(inside, x, y):
    """The share of pixel (x, y) that the shape covers."""
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if inside(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def over(under, colour, alpha):
    """Paints colour with alpha over a premultiplied-free RGBA pixel (straight alpha)."""
    r, g, b, a = under
    out_a = alpha + a * (1.0 - alpha)
    if out_a == 0.0:
        return (0, 0, 0, 0.0)
    mix = [(c * alpha + u * a * (1.0 - alpha)) / out_a for c, u in zip(colour, (r, g, b))]
    return (mix[0], mix[1], mix[2], out_a)


def icon_pixels(pointing_down, look):
    glyph, lens_colour, arrow_colour = LOOKS[look]
    layers = [
        (lens, lens_colour, LENS_ALPHA),
        (ring, glyph, 1.0),
        (handle, glyph, 1.0),
        (arrow(pointing_down), arrow_colour, 1.0),
    ]
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            pixel = (0, 0, 0, 0.0)
            for shape, colour, alpha in layers:
                share = coverage(shape, x, y)
                if share:
                    pixel = over(pixel, colour, alpha * share)
            row.append(pixel)
        rows.append(row)
    return rows


def ico_bytes(rows):
    """A one-image .ico: BITMAPINFOHEADER, 32-bit BGRA rows bottom-up, then the AND mask."""
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((SIZE + 31) // 32) * 4
    for y in reversed(range(SIZE)):
        bits = 0
        line = bytearray()
        for x, (r, g, b, a) in enumerate(rows[y]):
            alpha = round(a * 255)
            xor += bytes((round(b), round(g), round(r), alpha))
            if alpha == 0:
                bits |= 1 << (SIZE - 1 - x)
        line += bits.to_bytes(SIZE // 8, "big")
        line += b"\0" * (mask_stride - len(line))
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


ICONS = [
    ("asat-search-down.ico", True, "system"),
    ("asat-search-down-dark.ico", True, "dark"),
    ("asat-search-up.ico", False, "system"),
    ("asat-search-up-dark.ico", False, "dark"),
]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    for name, pointing_down, look in ICONS:
        with open(os.path.join(sys.argv[1], name), "wb") as out:
            out.write(ico_bytes(icon_pixels(pointing_down, look)))


if __name__ == "__main__":
    main()
