#!/usr/bin/env python3
"""Draws the sample host's landscape panoramas (2048 x 512): a day picture of a horizon with
hills, its mask (sky transparent, ground opaque) and a night version, as PNG files."""
import math
import struct
import sys
import zlib
from pathlib import Path

W, H = 2048, 512


def ground_top(x):
    # Rolling hills around the whole horizon; the picture's two edges meet.
    a = 2 * math.pi * x / W
    return int(H * 0.62 - 40 * math.sin(3 * a) - 22 * math.sin(7 * a + 1.0) - 10 * math.sin(19 * a))


def png(path, rows, alpha):
    raw = bytearray()
    for row in rows:
        raw.append(0)
        raw.extend(row)
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", W, H, 8, 6 if alpha else 2, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
                     chunk(b"IEND", b""))


def picture(sky, ground, alpha):
    tops = [ground_top(x) for x in range(W)]
    rows = []
    for y in range(H):
        row = bytearray()
        for x in range(W):
            colour = ground(y) if y >= tops[x] else sky(y)
            row.extend(colour + ((255 if y >= tops[x] else 0,) if alpha else ()))
        rows.append(row)
    return rows


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "host/data/appdata/LndPic")
    out.mkdir(parents=True, exist_ok=True)
    day_sky = lambda y: (90 + y // 8, 150 + y // 8, 230)
    day_ground = lambda y: (60, 110 - (y - 300) // 8, 50)
    png(out / "day.png", picture(day_sky, day_ground, False), False)
    png(out / "mask.png", picture(lambda y: (0, 0, 0), lambda y: (255, 255, 255), True), True)
    png(out / "night.png", picture(lambda y: (10, 12, 30 + y // 16), lambda y: (15, 20, 18), False), False)


if __name__ == "__main__":
    main()
