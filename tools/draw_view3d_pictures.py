#!/usr/bin/env python3
"""Draws the pictures of the 3D view's buttons: zoom in, zoom out and centre.

Zoom in and out are a magnifier with a plus or a minus sign; centre is a target with cross
hairs. Run from the repository's root after changing a picture:
python3 tools/draw_view3d_pictures.py
It writes data/pictures/view3d_*.png with the standard library only.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from draw_pictures import OUT, SAMPLES, png  # noqa: E402

SIZE = 16
INK = (20, 20, 20, 255)
GLASS = (200, 225, 250, 255)
SIGN = (0, 90, 200, 255)


def near_segment(x, y, ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy)) <= half_width


def magnifier(plus):
    def colour(x, y):
        r = math.hypot(x - 6.5, y - 6.5)
        if near_segment(x, y, 10.5, 10.5, 14.5, 14.5, 1.4):
            return INK
        if 4.4 <= r <= 5.6:
            return INK
        if r < 4.4:
            if near_segment(x, y, 4.3, 6.5, 8.7, 6.5, 0.8):
                return SIGN
            if plus and near_segment(x, y, 6.5, 4.3, 6.5, 8.7, 0.8):
                return SIGN
            return GLASS
        return (0, 0, 0, 0)
    return colour


def target(x, y):
    r = math.hypot(x - 8, y - 8)
    if 4.6 <= r <= 5.6:
        return INK
    if near_segment(x, y, 8, 1, 8, 15, 0.55) or near_segment(x, y, 1, 8, 15, 8, 0.55):
        return INK
    return (0, 0, 0, 0)


def render(colour_at):
    rows = []
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    r, g, b, a = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            if acc[3]:
                row += bytes(round(acc[i] / acc[3]) for i in range(3))
            else:
                row += b"\0\0\0"
            row.append(round(acc[3] / (SAMPLES * SAMPLES)))
        rows.append(bytes(row))
    return rows


PICTURES = {
    "view3d_zoom_in.png": magnifier(True),
    "view3d_zoom_out.png": magnifier(False),
    "view3d_centre.png": target,
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, colour_at in PICTURES.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(png(SIZE, render(colour_at)))


if __name__ == "__main__":
    main()
