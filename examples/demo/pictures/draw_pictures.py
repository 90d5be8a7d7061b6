#!/usr/bin/env python3
"""Draws the demo's 16 x 16 button pictures (new, save, close) as 24-bit BMP
files beside this script. Run it again after changing a drawing."""
import os
import struct

SIZE = 16
FACE = (192, 192, 192)  # the button face the pictures stand on
INK = (0, 0, 0)


def canvas():
    return [[FACE] * SIZE for _ in range(SIZE)]


def rect(p, x1, y1, x2, y2, color):
    for y in range(y1, y2 + 1):
        for x in range(x1, x2 + 1):
            p[y][x] = color


def outline(p, x1, y1, x2, y2, color):
    for x in range(x1, x2 + 1):
        p[y1][x] = p[y2][x] = color
    for y in range(y1, y2 + 1):
        p[y][x1] = p[y][x2] = color


def new_sheet():
    """A white sheet with a folded top-right corner."""
    p = canvas()
    rect(p, 3, 1, 12, 14, (255, 255, 255))
    outline(p, 3, 1, 12, 14, INK)
    for i in range(4):
        for x in range(9 + i, 13):
            p[1 + i][x] = FACE
        p[1 + i][9 + i] = INK
    outline(p, 9, 1, 9, 4, INK)
    outline(p, 9, 4, 12, 4, INK)
    return p


def save_disk():
    """A blue disk with a white label and a grey shutter."""
    p = canvas()
    rect(p, 1, 1, 14, 14, (0, 64, 160))
    outline(p, 1, 1, 14, 14, INK)
    rect(p, 4, 2, 11, 7, (255, 255, 255))
    rect(p, 5, 10, 10, 14, (160, 160, 160))
    rect(p, 8, 11, 9, 13, (0, 64, 160))
    return p


def close_cross():
    """A red cross."""
    p = canvas()
    red = (192, 0, 0)
    for i in range(2, 14):
        for d in (0, 1):
            if i + d < 14:
                p[i][i + d] = red
                p[i][15 - i - d] = red
    return p


def write_bmp(path, pixels):
    row_bytes = SIZE * 3  # 48: already a multiple of four
    data = b"".join(bytes(c for rgb in reversed_row for c in (rgb[2], rgb[1], rgb[0]))
                    for reversed_row in reversed(pixels))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    assert len(data) == row_bytes * SIZE
    with open(path, "wb") as f:
        f.write(header + info + data)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for name, draw in (("new16.bmp", new_sheet), ("save16.bmp", save_disk), ("close16.bmp", close_cross)):
        write_bmp(os.path.join(here, name), draw())
