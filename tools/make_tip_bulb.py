#!/usr/bin/python3
"""Draws the 32 x 32 light bulb shown at the left of the tip-of-the-day dialog.

Drawn eight times larger with PIL and reduced with a box filter, on a transparent background.
Usage: /usr/bin/python3 tools/make_tip_bulb.py [output.png]   (default resources/tip_bulb.png)
"""
import math
import os
import sys

from PIL import Image, ImageDraw

SIZE = 32
SCALE = 8


def draw_bulb():
    n = SIZE * SCALE
    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    s = SCALE
    cx, cy, r = 16 * s, 12 * s, 8.5 * s
    # Rays around the glass.
    for k in range(8):
        a = math.radians(-90 + k * 45)
        if k == 4:  # none downwards, where the screw is
            continue
        x0, y0 = cx + math.cos(a) * (r + 2 * s), cy + math.sin(a) * (r + 2 * s)
        x1, y1 = cx + math.cos(a) * (r + 5 * s), cy + math.sin(a) * (r + 5 * s)
        d.line([(x0, y0), (x1, y1)], fill=(255, 200, 0, 255), width=int(1.5 * s))
    # Glass: a round top narrowing into a neck.
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(255, 236, 80, 255), outline=(150, 110, 0, 255),
              width=s)
    d.polygon([(cx - 5.5 * s, cy + 5.5 * s), (cx + 5.5 * s, cy + 5.5 * s), (cx + 3.5 * s, 23 * s),
               (cx - 3.5 * s, 23 * s)], fill=(255, 236, 80, 255))
    d.line([(cx - 6 * s, cy + 5.8 * s), (cx - 3.5 * s, 23 * s)], fill=(150, 110, 0, 255), width=s)
    d.line([(cx + 6 * s, cy + 5.8 * s), (cx + 3.5 * s, 23 * s)], fill=(150, 110, 0, 255), width=s)
    # Highlight on the glass.
    d.ellipse([cx - 5.5 * s, cy - 5.5 * s, cx - 1.5 * s, cy - 1.5 * s], fill=(255, 255, 230, 255))
    # Filament.
    d.line([(cx - 2 * s, 22 * s), (cx - 2 * s, cy + 2 * s), (cx - 1 * s, cy), (cx, cy + 2 * s),
            (cx + 1 * s, cy), (cx + 2 * s, cy + 2 * s), (cx + 2 * s, 22 * s)], fill=(200, 90, 0, 255),
           width=s)
    # Screw base: grey bands and the contact.
    for i, y in enumerate(range(23 * s, 29 * s, 2 * s)):
        shade = 170 if i % 2 == 0 else 120
        d.rectangle([cx - 4 * s, y, cx + 4 * s, y + 2 * s - 1], fill=(shade, shade, shade + 10, 255),
                    outline=(70, 70, 80, 255))
    d.ellipse([cx - 2 * s, 28 * s, cx + 2 * s, 31 * s], fill=(60, 60, 60, 255))
    return img.resize((SIZE, SIZE), Image.BOX)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "tip_bulb.png")
    draw_bulb().save(out, optimize=True)


if __name__ == "__main__":
    main()
