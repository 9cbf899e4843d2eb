#!/usr/bin/python3
"""Renders the prayer window's world map from an equirectangular picture of the Earth.

The map is shown at 205 x 126 pixels. Pixel (93, 78) is Greenwich on the equator; longitude grows by
180 degrees per 102.5 pixels to the right (east) and latitude by 90 degrees per 63 pixels upwards, the rule by
which a click on the map sets the place. So the picture spans 163.3 W to 196.8 E (the Pacific east of 180 E
repeats the western edge) and 111.4 N to 67.1 S; rows beyond the poles get a plain background.

Pixel i of the display stands for the point i itself (the click rule maps the integer position), so it is
the average over [i - 1/2, i + 1/2]; each output pixel averages SUB x SUB bilinear samples of the source.
The second picture, twice the size, is the same map for high-density screens.

Needs Debian's python3-pil and python3-numpy.
Usage: /usr/bin/python3 tools/make_world_map.py [source.jpg] [output folder]
         (defaults ../shared/artwork/earth_equirectangular.jpg and resources/app)
       /usr/bin/python3 tools/make_world_map.py --check out.png [source.jpg]
         (an enlarged map with known places marked by the click rule, to look at)
"""
import os
import sys

import numpy as np
from PIL import Image, ImageDraw

WIDTH, HEIGHT = 205, 126
GREENWICH_X, EQUATOR_Y = 93, 78
DEG_PER_PIXEL_X = 180 / (WIDTH / 2)  # 180 degrees per 102.5 pixels
DEG_PER_PIXEL_Y = 90 / 63
BACKGROUND = np.array([96.0, 104.0, 112.0])
SUB = 4

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_SOURCE = os.path.join(ROOT, "..", "shared", "artwork", "earth_equirectangular.jpg")

# Places for --check: (name, latitude north, longitude east).
PLACES = [
    ("Greenwich", 51.48, 0.0),
    ("Algiers", 36.75, 3.06),
    ("Mecca", 21.42, 39.83),
    ("Cairo", 30.04, 31.24),
    ("Cape Town", -33.92, 18.42),
    ("Reykjavik", 64.15, -21.94),
    ("New York", 40.71, -74.01),
    ("Rio de Janeiro", -22.91, -43.17),
    ("Anchorage", 61.22, -149.90),
    ("Tokyo", 35.68, 139.69),
    ("Singapore", 1.35, 103.82),
    ("Sydney", -33.87, 151.21),
    ("Wellington", -41.29, 174.78),
    ("Honolulu", 21.31, -157.86),
]


def load_source(path):
    image = Image.open(path).convert("RGB")
    return np.asarray(image, dtype=np.float64)


def sample(src, lon_east, lat):
    """Bilinear samples of the source at the given points (arrays), longitude wrapping around."""
    sh, sw, _ = src.shape
    sx = (lon_east + 180.0) / 360.0 * sw - 0.5
    sy = (90.0 - lat) / 180.0 * sh - 0.5
    x0 = np.floor(sx)
    y0 = np.floor(sy)
    fx = (sx - x0)[..., None]
    fy = (sy - y0)[..., None]
    x0 = x0.astype(np.int64)
    y0 = y0.astype(np.int64)
    xa, xb = np.mod(x0, sw), np.mod(x0 + 1, sw)
    ya, yb = np.clip(y0, 0, sh - 1), np.clip(y0 + 1, 0, sh - 1)
    top = src[ya, xa] * (1 - fx) + src[ya, xb] * fx
    bottom = src[yb, xa] * (1 - fx) + src[yb, xb] * fx
    return top * (1 - fy) + bottom * fy


def render(src, scale):
    """The map at `scale` output pixels per display pixel, as an RGB image."""
    w, h = WIDTH * scale, HEIGHT * scale
    total = np.zeros((h, w, 3))
    for sj in range(SUB):
        for si in range(SUB):
            # Display coordinate of the sub-sample: output pixel j covers [j/scale - 1/2, (j+1)/scale - 1/2).
            u = (np.arange(w) + (si + 0.5) / SUB) / scale - 0.5
            v = (np.arange(h) + (sj + 0.5) / SUB) / scale - 0.5
            uu, vv = np.meshgrid(u, v)
            lon = (uu - GREENWICH_X) * DEG_PER_PIXEL_X
            lat = (EQUATOR_Y - vv) * DEG_PER_PIXEL_Y
            inside = (np.abs(lat) <= 90.0)[..., None]
            colour = sample(src, lon, np.clip(lat, -90.0, 90.0))
            total += np.where(inside, colour, BACKGROUND)
    pixels = np.clip(np.rint(total / (SUB * SUB)), 0, 255).astype(np.uint8)
    return Image.fromarray(pixels, "RGB")


def check(out_path, source):
    """Enlarges the map four times and marks each known place at the pixel the click rule gives it."""
    zoom = 4
    image = render(load_source(source), 1).resize((WIDTH * zoom, HEIGHT * zoom), Image.NEAREST)
    draw = ImageDraw.Draw(image)
    for name, lat, lon in PLACES:
        x = GREENWICH_X + lon / DEG_PER_PIXEL_X
        y = EQUATOR_Y - lat / DEG_PER_PIXEL_Y
        cx, cy = (x + 0.5) * zoom, (y + 0.5) * zoom
        draw.ellipse([cx - 3, cy - 3, cx + 3, cy + 3], outline=(255, 0, 0), width=2)
        draw.text((cx + 5, cy - 6), name, fill=(255, 255, 0))
    gx, gy = (GREENWICH_X + 0.5) * zoom, (EQUATOR_Y + 0.5) * zoom
    draw.line([gx, 0, gx, HEIGHT * zoom], fill=(255, 0, 255))
    draw.line([0, gy, WIDTH * zoom, gy], fill=(255, 0, 255))
    image.save(out_path)
    print("wrote", out_path)


def main(argv):
    if len(argv) >= 2 and argv[1] == "--check":
        if len(argv) < 3:
            sys.exit("usage: make_world_map.py --check out.png [source.jpg]")
        check(argv[2], argv[3] if len(argv) > 3 else DEFAULT_SOURCE)
        return
    source = argv[1] if len(argv) > 1 else DEFAULT_SOURCE
    out_dir = argv[2] if len(argv) > 2 else os.path.join(ROOT, "resources", "app")
    src = load_source(source)
    for scale, name in ((1, "world_map.png"), (2, "world_map@2x.png")):
        path = os.path.join(out_dir, name)
        render(src, scale).save(path, optimize=True)
        print("wrote", path)


if __name__ == "__main__":
    main(sys.argv)
