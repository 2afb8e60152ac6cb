#!/usr/bin/env python3
"""Draws the dialog's own 16x16 button icons (OK, Apply, Cancel) as PNG files
into plot_config_dialog/icons/, which the library carries as a Qt resource.
The buttons use them where the icon files the form names are not found.

    python3 scripts/make_icons.py

Only the Python standard library is used; the output is the same on every
run, so remade icons show no change in git unless the drawing changed.
"""

import math
import os
import struct
import sys
import zlib

SIZE = 16
SAMPLES = 4  # per axis and pixel, for smooth edges

GREEN = (40, 150, 40)
RED = (200, 40, 40)
PAGE = (250, 250, 250)
PAGE_EDGE = (110, 110, 120)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def stroke(points, width):
    """A covering test for a polyline of the given width."""
    segments = list(zip(points, points[1:]))

    def covers(x, y):
        return any(segment_distance(x, y, *a, *b) <= width / 2 for a, b in segments)
    return covers


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


class Canvas:
    def __init__(self):
        self.pixels = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]

    def paint(self, covers, colour):
        """Lays colour over the canvas where covers holds, by coverage."""
        for y in range(SIZE):
            for x in range(SIZE):
                hits = sum(covers(x + (i + 0.5) / SAMPLES, y + (j + 0.5) / SAMPLES)
                           for i in range(SAMPLES) for j in range(SAMPLES))
                alpha = hits / (SAMPLES * SAMPLES)
                if alpha == 0:
                    continue
                r, g, b, a = self.pixels[y][x]
                a0 = a / 255.0
                out = alpha + a0 * (1 - alpha)
                mix = [(c * alpha + d * a0 * (1 - alpha)) / out
                       for c, d in zip(colour, (r, g, b))]
                self.pixels[y][x] = tuple(int(round(v)) for v in mix) + (int(round(out * 255)),)

    def png(self):
        raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in self.pixels)

        def chunk(tag, data):
            return (struct.pack(">I", len(data)) + tag + data
                    + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))
        header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ok_icon():
    c = Canvas()
    c.paint(stroke([(2.5, 8.5), (6.2, 12.5), (13.5, 3.5)], 2.6), GREEN)
    return c


def apply_icon():
    c = Canvas()
    # A page with a folded corner, and a tick on it.
    c.paint(box(2.5, 1.5, 12.5, 14.5), PAGE_EDGE)
    c.paint(box(3.5, 2.5, 11.5, 13.5), PAGE)
    c.paint(stroke([(9.5, 1.5), (12.5, 4.5)], 1.2), PAGE_EDGE)
    c.paint(stroke([(5.0, 9.0), (7.5, 11.8), (14.5, 4.0)], 2.2), GREEN)
    return c


def cancel_icon():
    c = Canvas()
    c.paint(stroke([(3.5, 3.5), (12.5, 12.5)], 2.6), RED)
    c.paint(stroke([(12.5, 3.5), (3.5, 12.5)], 2.6), RED)
    return c


def main():
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    folder = os.path.join(root, "plot_config_dialog", "icons")
    os.makedirs(folder, exist_ok=True)
    for name, draw in (("ok.png", ok_icon), ("apply.png", apply_icon),
                       ("cancel.png", cancel_icon)):
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(draw().png())
        print("wrote", path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
