#!/usr/bin/env python3
"""Draws the setup window's artwork as 8-bit (256-colour) BMP files:
background.bmp (501 x 338, the window's background) and banner.bmp
(418 x 72, the banner over the buttons). Run it from this folder; the
files it writes are kept in the repository."""
import struct


def write_bmp(path, width, height, palette, pixels):
    """pixels[y][x] are palette indices, top row first."""
    stride = (width + 3) & ~3
    rows = b"".join(bytes(pixels[y]) + b"\0" * (stride - width) for y in reversed(range(height)))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    table += b"\0" * (4 * (256 - len(palette)))
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 3780, 3780, 256, 0)
    with open(path, "wb") as out:
        out.write(header + info + table + rows)


def ramp(start, end, count):
    return [tuple(round(s + (e - s) * i / (count - 1)) for s, e in zip(start, end)) for i in range(count)]


def background():
    # 128 shades from pale to light sky blue (dark text reads on all of them),
    # 128 a little lighter for the weave.
    width, height = 501, 338
    palette = ramp((228, 236, 248), (150, 180, 222), 128) + ramp((240, 245, 252), (172, 198, 232), 128)
    pixels = []
    for y in range(height):
        shade = y * 127 // (height - 1)
        row = []
        for x in range(width):
            weave = ((x + y) // 12) % 2 == 0 and ((x - y) // 12) % 2 == 0
            row.append(shade + (128 if weave else 0))
        pixels.append(row)
    write_bmp("background.bmp", width, height, palette, pixels)


# The letters K and C as 5 x 7 blocks.
LETTERS = {
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
}


def banner():
    width, height = 418, 72
    palette = ramp((255, 255, 255), (60, 110, 190), 200) + ramp((250, 200, 40), (200, 90, 10), 56)
    pixels = [[x * 199 // (width - 1) for x in range(width)] for y in range(height)]
    # A rising row of bars on the right, in the warm colours.
    for bar in range(8):
        top = 56 - bar * 6
        for y in range(top, 62):
            for x in range(250 + bar * 20, 264 + bar * 20):
                pixels[y][x] = 200 + bar * 7
    # "KC" in blocks of 7 pixels on the left, with a shadow.
    block = 7
    for shadow, colour in ((2, 150), (0, 255)):
        for i, letter in enumerate("KC"):
            for row, line in enumerate(LETTERS[letter]):
                for col, mark in enumerate(line):
                    if mark != "#":
                        continue
                    left = 16 + i * 6 * block + col * block + shadow
                    top = 11 + row * block + shadow
                    for y in range(top, top + block - 1):
                        for x in range(left, left + block - 1):
                            pixels[y][x] = colour
    write_bmp("banner.bmp", width, height, palette, pixels)


background()
banner()
