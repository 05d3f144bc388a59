#!/usr/bin/env python3
"""Draws the search toolbar's image strip: a magnifying glass (Search), a
circled cross (Clear Search) and a framed area with a marker in it (Only
systems for this area), 16 by 16 pixels each, RGBA with transparency.

Only the standard library is used, so the image can be rebuilt anywhere:
    python3 make_search_toolbar_png.py SearchToolBar.png
"""

import math
import struct
import sys
import zlib

SIZE = 16
# Each pixel is the mean of SAMPLES x SAMPLES points, which smooths the edges
# at this small size without blurring them.
SAMPLES = 8


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def magnifier(x, y):
    """Layers under the point, bottom first, as (inside, (r, g, b, a))."""
    lens = math.hypot(x - 6.5, y - 6.5)
    glint = math.hypot(x - 5.0, y - 5.0)
    return [
        (lens < 4.0, (178, 214, 242, 170)),
        (glint < 1.6 and lens < 3.6, (255, 255, 255, 200)),
        (3.5 <= lens < 5.2, (44, 62, 80, 255)),
        (segment_distance(x, y, 10.0, 10.0, 14.0, 14.0) < 1.4, (44, 62, 80, 255)),
    ]


def clear_cross(x, y):
    half = 3.1
    cross = min(
        segment_distance(x, y, 8 - half, 8 - half, 8 + half, 8 + half),
        segment_distance(x, y, 8 + half, 8 - half, 8 - half, 8 + half),
    )
    return [
        (math.hypot(x - 8.0, y - 8.0) < 7.0, (122, 128, 138, 255)),
        (cross < 0.85, (255, 255, 255, 255)),
    ]


def area_of_interest(x, y):
    inside = 2.0 <= x < 14.0 and 3.0 <= y < 13.0
    edge = inside and not (3.2 <= x < 12.8 and 4.2 <= y < 11.8)
    return [
        (inside, (178, 214, 242, 200)),
        (edge, (44, 62, 80, 255)),
        (math.hypot(x - 8.0, y - 8.0) < 2.4, (200, 60, 50, 255)),
    ]


def over(below, colour):
    """Composites a straight-alpha colour over a premultiplied pixel."""
    r, g, b, a = colour
    alpha = a / 255.0
    return tuple(c * (1 - alpha) + v * alpha for c, v in zip(below, (r, g, b, 255)))


def draw(icons):
    width = SIZE * len(icons)
    rows = []
    for py in range(SIZE):
        row = bytearray()
        for px in range(width):
            icon = icons[px // SIZE]
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px % SIZE + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    pixel = (0.0, 0.0, 0.0, 0.0)
                    for inside, colour in icon(x, y):
                        if inside:
                            pixel = over(pixel, colour)
                    total = [t + p for t, p in zip(total, pixel)]
            count = SAMPLES * SAMPLES
            alpha = total[3] / count
            if alpha == 0:
                row += bytes(4)
                continue
            # PNG keeps straight (not premultiplied) alpha.
            row += bytes(round(c / count * 255 / alpha) for c in total[:3])
            row.append(round(alpha))
        rows.append(bytes(row))
    return width, rows


def png(width, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, len(rows), 8, 6, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_search_toolbar_png.py OUTPUT.png")
    width, rows = draw([magnifier, clear_cross, area_of_interest])
    with open(sys.argv[1], "wb") as out:
        out.write(png(width, rows))


if __name__ == "__main__":
    main()
