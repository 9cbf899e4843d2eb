#!/usr/bin/python3
"""Draws the program's logo (166 x 32, the start-up window), its about picture (48 x 48) and its icon
(32 x 32): a golden crescent with a star beside the name ALMADEX in blocky capitals.

Standard library only: shapes are sampled 4 x 4 times per pixel and written as RGBA PNG with zlib.
Usage: /usr/bin/python3 tools/make_logo.py [output folder]   (default resources/app)
"""
import os
import struct
import sys
import zlib

SUB = 4  # samples per pixel along each axis

GOLD = (232, 176, 32)
NAVY = (24, 48, 110)
SKY = (36, 70, 150)

# Capitals on a 5 x 7 grid, '#' = ink.
GLYPHS = {
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "L": ["#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"],
    "M": ["#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"],
    "D": ["#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "],
    "E": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    "X": ["#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"],
}


class Canvas:
    def __init__(self, width, height, background=(0, 0, 0, 0)):
        self.w, self.h = width, height
        self.px = [list(background) for _ in range(width * height)]

    def cover(self, inside, colour):
        """Blends colour into every pixel by the fraction of its samples for which inside(x, y) holds."""
        for j in range(self.h):
            for i in range(self.w):
                n = 0
                for sj in range(SUB):
                    for si in range(SUB):
                        if inside(i + (si + 0.5) / SUB, j + (sj + 0.5) / SUB):
                            n += 1
                if n:
                    self.blend(i, j, colour, n / (SUB * SUB))

    def blend(self, i, j, colour, alpha):
        p = self.px[j * self.w + i]
        a0 = p[3] / 255.0
        a = alpha + a0 * (1 - alpha)
        for k in range(3):
            c0 = p[k] * a0 * (1 - alpha)
            p[k] = int(round((colour[k] * alpha + c0) / a)) if a > 0 else 0
        p[3] = int(round(a * 255))

    def png(self):
        raw = b"".join(b"\x00" + bytes(v for p in self.px[j * self.w:(j + 1) * self.w] for v in p)
                       for j in range(self.h))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def crescent(cx, cy, r):
    """Inside the disc (cx, cy, r) and outside the disc shifted to the upper right."""
    ox, oy, orad = cx + 0.45 * r, cy - 0.2 * r, 0.85 * r

    def inside(x, y):
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and (x - ox) ** 2 + (y - oy) ** 2 > orad * orad

    return inside


def star(cx, cy, r):
    """A four-pointed star: |dx|^0.5 + |dy|^0.5 <= r^0.5."""
    def inside(x, y):
        return abs(x - cx) ** 0.5 + abs(y - cy) ** 0.5 <= r ** 0.5

    return inside


def text(word, left, top, cell):
    """Blocky capitals, each grid square cell x cell pixels, one empty column between letters."""
    squares = []
    for n, ch in enumerate(word):
        for row, line in enumerate(GLYPHS[ch]):
            for col, mark in enumerate(line):
                if mark == "#":
                    x0 = left + (n * 6 + col) * cell
                    y0 = top + row * cell
                    squares.append((x0, y0, x0 + cell, y0 + cell))

    def inside(x, y):
        return any(x0 <= x < x1 and y0 <= y < y1 for x0, y0, x1, y1 in squares)

    return inside


def rounded_square(size, radius):
    def inside(x, y):
        dx = max(radius - x, 0, x - (size - radius))
        dy = max(radius - y, 0, y - (size - radius))
        return dx * dx + dy * dy <= radius * radius

    return inside


def logo():
    c = Canvas(166, 32)
    c.cover(crescent(15, 16, 13), GOLD)
    c.cover(star(24, 10, 4), GOLD)
    c.cover(text("ALMADEX", 36, 5, 3), NAVY)  # 7 letters x 18 px - 3 = 123 px wide, 21 px high
    return c


def about_picture():
    c = Canvas(48, 48)
    c.cover(rounded_square(48, 8), SKY)
    c.cover(crescent(21, 25, 16), GOLD)
    c.cover(star(34, 14, 5), GOLD)
    c.cover(star(38, 31, 2.5), (250, 240, 200))
    return c


def icon():
    c = Canvas(32, 32)
    c.cover(rounded_square(32, 6), SKY)
    c.cover(crescent(14, 17, 11), GOLD)
    c.cover(star(23, 9, 3.5), GOLD)
    return c


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "app")
    os.makedirs(folder, exist_ok=True)
    for name, canvas in (("logo.png", logo()), ("about.png", about_picture()), ("icon.png", icon())):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(canvas.png())


if __name__ == "__main__":
    main()
