#!/usr/bin/env python3
"""Draws the menu builder's icons as 16 and 32 pixel PNG files beside this script.

The desktop may have no icon theme, so the program bundles these. Each icon is
described on a 32 x 32 grid and rendered with 4 x 4 supersampling, using only
the standard library. Run it again after changing a drawing.
"""
import os
import struct
import zlib

SAMPLES = 4


def polygon_hit(points, x, y):
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded(x0, y0, x1, y1, r):
    def hit(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return hit


def ring(x0, y0, x1, y1, r, width):
    outer = rounded(x0, y0, x1, y1, r)
    inner = rounded(x0 + width, y0 + width, x1 - width, y1 - width, max(r - width, 0))
    return lambda x, y: outer(x, y) and not inner(x, y)


def poly(*points):
    return lambda x, y: polygon_hit(points, x, y)


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def render(layers, size):
    scale = 32.0 / size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied r, g, b and alpha
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for shape, fill in layers:
                        if shape(x, y):
                            colour = fill
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if acc[3]:
                row.append((round(acc[0] / acc[3]), round(acc[1] / acc[3]), round(acc[2] / acc[3]),
                            round(alpha * 255)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def write_png(path, pixels):
    size = len(pixels)
    raw = b"".join(b"\x00" + b"".join(struct.pack("4B", *p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                  + chunk(b"IEND", b""))


NAVY = (31, 58, 120)
BLUE = (52, 111, 196)
SKY = (214, 230, 250)
WHITE = (255, 255, 255)
GREY = (110, 118, 130)
PAPER = (250, 250, 246)
GREEN = (46, 150, 66)
ORANGE = (240, 130, 30)
RED = (205, 45, 30)
YELLOW = (255, 214, 70)
WOOD = (232, 180, 90)

ICONS = {
    # A menu: its bar with a drop-down list hanging below.
    "menu": [
        (rounded(2, 3, 30, 12, 2), NAVY),
        (rect(6, 7, 13, 9), WHITE),
        (rect(16, 7, 24, 9), WHITE),
        (rounded(6, 12, 26, 29, 1.5), BLUE),
        (rect(8, 14, 24, 27), SKY),
        (rect(10, 16, 22, 18), NAVY),
        (rect(10, 20, 20, 22), NAVY),
        (rect(10, 24, 22, 26), NAVY),
    ],
    # An item: one entry of a drop-down list, with its link arrow.
    "item": [
        (rounded(3, 9, 29, 23, 2.5), BLUE),
        (rect(5, 11, 27, 21), SKY),
        (rect(8, 14.5, 19, 17.5), NAVY),
        (poly((21, 12.5), (26, 16), (21, 19.5)), GREEN),
    ],
    # New: a fresh sheet with a plus.
    "new": [
        (poly((5, 2), (19, 2), (25, 8), (25, 30), (5, 30)), GREY),
        (poly((7, 4), (18, 4), (23, 9), (23, 28), (7, 28)), PAPER),
        (poly((18, 2), (18, 9), (25, 9)), GREY),
        (rounded(15, 13, 31, 29, 3), GREEN),
        (rect(21.5, 15.5, 24.5, 26.5), WHITE),
        (rect(17.5, 19.5, 28.5, 22.5), WHITE),
    ],
    # Edit: a pencil over a line of text.
    "open": [
        (rect(3, 26, 29, 29), GREY),
        (poly((6, 24), (7, 18), (22, 3), (28, 9), (13, 24)), NAVY),
        (poly((8, 22), (8.5, 19), (22.5, 5), (26, 8.5), (12, 22.5)), WOOD),
        (poly((19.5, 6), (22, 3), (28, 9), (25.5, 11.5)), RED),
        (poly((6, 24), (7, 18), (12, 23)), PAPER),
        (poly((6, 24), (6.5, 21.5), (9, 23.5)), NAVY),
    ],
    # Incinerate: a flame.
    "delete": [
        (poly((16, 1), (22, 9), (26, 7), (28, 17), (27, 24), (22, 30), (10, 30), (5, 24), (4, 17), (7, 9),
              (10, 13)), RED),
        (poly((16, 9), (20, 16), (23, 14), (24, 22), (20, 28), (12, 28), (8, 22), (9, 16), (12, 18)), ORANGE),
        (poly((16, 17), (19, 22), (19, 26), (16, 28), (13, 26), (13, 22)), YELLOW),
    ],
    "up": [
        (poly((16, 2), (29, 16), (21, 16), (21, 30), (11, 30), (11, 16), (3, 16)), NAVY),
        (poly((16, 5), (25.5, 14.5), (19, 14.5), (19, 28), (13, 28), (13, 14.5), (6.5, 14.5)), BLUE),
    ],
    "down": [
        (poly((16, 30), (29, 16), (21, 16), (21, 2), (11, 2), (11, 16), (3, 16)), NAVY),
        (poly((16, 27), (25.5, 17.5), (19, 17.5), (19, 4), (13, 4), (13, 17.5), (6.5, 17.5)), BLUE),
    ],
}

if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for name, layers in ICONS.items():
        for size in (16, 32):
            write_png(os.path.join(here, f"{name}{size}.png"), render(layers, size))
