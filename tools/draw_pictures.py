#!/usr/bin/env python3
"""Draws the program's pictures of the board families and the placement positions.

Each picture is the end of a log with a typical pattern: three centre boards, a side board on
either side and an edger board above and below. The boards that the picture stands for are
orange (the program's board colour), the others are pale outlines.

Run from the repository's root after changing a picture: python3 tools/draw_pictures.py
It writes data/pictures/*.png with the standard library only.
"""

import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(__file__), "..", "data", "pictures")

WOOD = (246, 226, 186, 255)
BARK = (128, 64, 0, 255)  # the butt-end circle of the drawing
BOARD = (255, 128, 0, 255)  # the board colour of the drawing
BOARD_EDGE = (110, 55, 0, 255)
OTHER = (255, 250, 240, 255)
OTHER_EDGE = (175, 160, 140, 255)

# The pattern on a 64-pixel log end: name -> (left, top, right, bottom).
BOARDS = {
    "centre1": (20.5, 15, 27.5, 49),
    "centre2": (28.5, 15, 35.5, 49),
    "centre3": (36.5, 15, 43.5, 49),
    "left": (12, 20, 18, 44),
    "right": (46, 20, 52, 44),
    "up": (20, 6.5, 44, 12.5),
    "down": (20, 51.5, 44, 57.5),
}
CENTRE = ("centre1", "centre2", "centre3")

PICTURES = {
    "family_centre.png": (96, CENTRE),
    "family_edger.png": (96, ("up", "down")),
    "family_side.png": (96, ("left", "right")),
    "place_centre.png": (32, CENTRE),
    "place_side_left.png": (32, ("left",)),
    "place_side_right.png": (32, ("right",)),
    "place_edger_up.png": (32, ("up",)),
    "place_edger_down.png": (32, ("down",)),
    # The program's own icon, shown in the information box: the whole pattern lit.
    "lumbrix_icon.png": (32, tuple(BOARDS)),
}

SAMPLES = 4  # per pixel and direction


def in_circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_box(x, y, box, grow=0.0):
    left, top, right, bottom = box
    return left - grow <= x <= right + grow and top - grow <= y <= bottom + grow


def colour_at(x, y, lit):
    """The colour of one point of a 64-unit picture."""
    if not in_circle(x, y, 32, 32, 31):
        return (0, 0, 0, 0)
    if not in_circle(x, y, 32, 32, 29.5):
        return BARK
    colour = WOOD
    for name, box in BOARDS.items():
        if in_box(x, y, box, 0.75):
            edge, fill = (BOARD_EDGE, BOARD) if name in lit else (OTHER_EDGE, OTHER)
            colour = fill if in_box(x, y, box, -0.25) else edge
    return colour


def render(size, lit):
    scale = 64 / size
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    r, g, b, a = colour_at(x, y, lit)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            alpha = acc[3] / (SAMPLES * SAMPLES)
            if acc[3]:
                row += bytes(round(acc[i] / acc[3]) for i in range(3))
            else:
                row += b"\0\0\0"
            row.append(round(alpha))
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, body):
        crc = zlib.crc32(kind + body) & 0xFFFFFFFF
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, (size, lit) in PICTURES.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(png(size, render(size, lit)))


if __name__ == "__main__":
    main()
