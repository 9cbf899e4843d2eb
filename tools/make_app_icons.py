#!/usr/bin/python3
"""Renders the program's desktop icon in the hicolor theme sizes: the Moon of the Moon bitmaps (maria, rayed
craters, limb darkening), waxing gibbous, its night side in earthshine blue, on a transparent background.

Outputs resources/icons/hicolor/<n>x<n>/apps/org.almadex.Almadex.png for n = 16, 22, 24, 32, 48, 64, 128, 256.
Needs numpy and PIL (Debian's python3-numpy, python3-pil). Reproducible: no clock, fixed seeds.
Usage: /usr/bin/python3 tools/make_app_icons.py
"""
import math
import os
import sys

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_moon_bitmaps as moon  # noqa: E402  (the Moon's albedo map and renderer)

APP_ID = "org.almadex.Almadex"
SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
MASTER = 512
PHASE_ANGLE = 55.0  # degrees: waxing gibbous, about four fifths lit
EARTHSHINE = np.array([0.10, 0.14, 0.26])


def master_image():
    """RGBA float picture of MASTER pixels."""
    c = MASTER / 2 - 0.5
    radius = MASTER / 2 - 2
    _, colour, cover = moon.render(MASTER, int(c), int(c), int(radius), supersample=2)
    # Terminator of a waxing Moon seen from the north: lit on the right, the boundary an ellipse of half-width
    # cos(phase angle) times the radius on the left of the centre line.
    coords = np.arange(MASTER) + 0.5
    x, y = np.meshgrid(coords, coords)
    dx = (x - (int(c) + 0.5)) / (radius - 0.5)
    dy = (y - (int(c) + 0.5)) / (radius - 0.5)
    half = np.sqrt(np.clip(1 - dy * dy, 0, 1))
    boundary = -math.cos(math.radians(PHASE_ANGLE)) * half
    # A soft terminator, a few percent of the radius wide.
    lit = np.clip((dx - boundary) / 0.04 + 0.5, 0, 1)
    night = EARTHSHINE * (0.6 + 0.4 * colour.mean(axis=-1, keepdims=True) / max(colour.mean(), 1e-6))
    rgb = colour * lit[..., None] + night * (1 - lit[..., None]) * (cover[..., None] > 0)
    rgba = np.concatenate([np.clip(rgb, 0, 1), cover[..., None]], axis=-1)
    return rgba


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    rgba = master_image()
    # Colours brightened a little for small sizes, as the gamma of the bitmaps does.
    img = np.clip(np.round(np.clip(rgba, 0, 1) ** np.array([1 / 1.15, 1 / 1.15, 1 / 1.15, 1]) * 255), 0, 255)
    master = Image.fromarray(img.astype(np.uint8), mode="RGBA")
    for n in SIZES:
        out = os.path.join(root, "resources", "icons", "hicolor", f"{n}x{n}", "apps")
        os.makedirs(out, exist_ok=True)
        master.resize((n, n), Image.LANCZOS).save(os.path.join(out, APP_ID + ".png"), optimize=True)


if __name__ == "__main__":
    main()
