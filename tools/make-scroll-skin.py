#!/usr/bin/env python3
"""Draws the dark scroll-bar skin of the control library (bitmap resource 8014).

The bitmap is 153 x 51 pixels at 96 dpi: nine columns by three rows of 17 x 17 cells.

    column  part                         row 0       row 1        row 2
    0       up arrow                     normal      hot          pressed
    1       down arrow                   normal      hot          pressed
    2       track (stretched)            normal      hot          pressed (the page area being pressed)
    3       thumb top cap                normal      hot          pressed
    4       thumb body (stretched)       normal      hot          pressed
    5       thumb bottom cap             normal      hot          pressed
    6       thumb grip (centred)         normal      hot          pressed
    7       disabled parts               up arrow    down arrow   track
    8       size box (the corner)        the same in every row

Arrow cells are drawn whole into the arrow buttons. Thumb caps are drawn from the cap's own
edge (the top rows of the top cap, the bottom rows of the bottom cap), so a cell holds the cap
followed by plain body. The track and body cells are the same in every line, because they are
stretched to any length. Thumb cells lie on the normal track colour, around the thumb's
rounded shape.

Usage: make-scroll-skin.py OUTPUT.bmp
"""

import struct
import sys

CELL = 17
COLUMNS = 9
ROWS = 3
SAMPLES = 4  # supersampling per axis, for smooth edges

BACK = (40, 40, 40)
TRACK = (24, 24, 24)
TRACK_PRESSED = (60, 60, 60)
DISABLED_BACK = (40, 40, 40)
DISABLED_GLYPH = (68, 68, 68)
DISABLED_TRACK = (14, 14, 14)

ARROW_BACK = [(40, 40, 40), (58, 58, 58), (107, 107, 107)]
ARROW_GLYPH = [(165, 165, 165), (196, 196, 196), (232, 232, 232)]
THUMB_FILL = [(90, 90, 90), (120, 120, 120), (160, 160, 160)]
THUMB_EDGE = [(107, 107, 107), (140, 140, 140), (180, 180, 180)]
GRIP = [(60, 60, 60), (84, 84, 84), (110, 110, 110)]

THUMB_LEFT = 3.0
THUMB_RIGHT = 14.0
THUMB_RADIUS = 5.5


def blend(under, over, amount):
    return tuple(round(u + (o - u) * amount) for u, o in zip(under, over))


def coverage(inside, x, y):
    """The share of pixel (x, y) that the shape covers."""
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if inside(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def triangle(pointing_up):
    apex_y, base_y, half = (6.0, 11.0, 4.5) if pointing_up else (11.0, 6.0, 4.5)
    centre = CELL / 2

    def inside(x, y):
        share = (y - apex_y) / (base_y - apex_y)
        return 0.0 <= share <= 1.0 and abs(x - centre) <= half * share

    return inside


def arrow_cell(pointing_up, back, glyph):
    shape = triangle(pointing_up)
    return [[blend(back, glyph, coverage(shape, x, y)) for x in range(CELL)] for y in range(CELL)]


def solid_cell(colour):
    return [[colour] * CELL for _ in range(CELL)]


def thumb_shape(cap_at_top, cap_at_bottom, inset):
    """The thumb's rounded outline within a cell; inset shrinks it to draw the fill inside the edge."""
    left, right, radius = THUMB_LEFT + inset, THUMB_RIGHT - inset, THUMB_RADIUS - inset
    centre_x = (left + right) / 2
    top_centre = THUMB_RADIUS + 1.0
    bottom_centre = CELL - THUMB_RADIUS - 1.0

    def inside(x, y):
        if not left <= x <= right:
            return False
        if cap_at_top and y < top_centre:
            return (x - centre_x) ** 2 + (y - top_centre) ** 2 <= radius ** 2
        if cap_at_bottom and y > bottom_centre:
            return (x - centre_x) ** 2 + (y - bottom_centre) ** 2 <= radius ** 2
        return True

    return inside


def thumb_cell(cap_at_top, cap_at_bottom, state):
    outer = thumb_shape(cap_at_top, cap_at_bottom, 0.0)
    inner = thumb_shape(cap_at_top, cap_at_bottom, 1.0)
    rows = []
    for y in range(CELL):
        row = []
        for x in range(CELL):
            pixel = blend(TRACK, THUMB_EDGE[state], coverage(outer, x, y))
            row.append(blend(pixel, THUMB_FILL[state], coverage(inner, x, y)))
        rows.append(row)
    return rows


def grip_cell(state):
    cell = thumb_cell(False, False, state)
    for y in (6, 8, 10):
        for x in range(6, 11):
            cell[y][x] = GRIP[state]
    return cell


def track_cell(colour):
    # A darker line at the left edge parts the bar from the list beside it.
    return [[blend(colour, (0, 0, 0), 0.5) if x == 0 else colour for x in range(CELL)] for _ in range(CELL)]


def skin():
    cells = {}
    for state in range(ROWS):
        cells[0, state] = arrow_cell(True, ARROW_BACK[state], ARROW_GLYPH[state])
        cells[1, state] = arrow_cell(False, ARROW_BACK[state], ARROW_GLYPH[state])
        cells[2, state] = track_cell(TRACK_PRESSED if state == 2 else TRACK)
        cells[3, state] = thumb_cell(True, False, state)
        cells[4, state] = thumb_cell(False, False, state)
        cells[5, state] = thumb_cell(False, True, state)
        cells[6, state] = grip_cell(state)
        cells[8, state] = solid_cell(BACK)
    cells[7, 0] = arrow_cell(True, DISABLED_BACK, DISABLED_GLYPH)
    cells[7, 1] = arrow_cell(False, DISABLED_BACK, DISABLED_GLYPH)
    cells[7, 2] = track_cell(DISABLED_TRACK)

    width, height = CELL * COLUMNS, CELL * ROWS
    pixels = [[BACK] * width for _ in range(height)]
    for (column, row), cell in cells.items():
        for y in range(CELL):
            for x in range(CELL):
                pixels[row * CELL + y][column * CELL + x] = cell[y][x]
    return width, height, pixels


def write_bmp(path, width, height, pixels):
    stride = (width * 3 + 3) & ~3
    image = bytearray()
    for y in reversed(range(height)):  # bottom-up rows
        line = bytearray()
        for red, green, blue in pixels[y]:
            line += bytes((blue, green, red))
        line += b"\0" * (stride - len(line))
        image += line
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(image), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 3780, 3780, 0, 0)
    with open(path, "wb") as out:
        out.write(file_header + info_header + image)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    write_bmp(sys.argv[1], *skin())


if __name__ == "__main__":
    main()
