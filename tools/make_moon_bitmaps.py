#!/usr/bin/python3
"""Renders the nine Moon bitmaps of the Moon picture control.

A full Moon seen from the Earth, north up, on black: an albedo map in selenographic coordinates (highlands,
the maria at their places, the bright rayed craters Tycho, Copernicus, Kepler and Aristarchus, the dark floors
of Plato and Grimaldi, a field of small craters and a mottled texture), projected orthographically, with limb
darkening, supersampled and reduced with a box filter. Three sizes (64, 32, 16 pixels) whose disks fit the
control's geometry table (centre x, centre y, radius): (31, 28, 28), (15, 14, 14), (7, 7, 7). The disk covers the
pixels whose centres lie within radius - 1/2 of the centre pixel, so that the shadow lines of a full moon fall
just outside it and those of a new moon cover it.

Outputs in resources/moon/:
  MOON_LARGE/SMALL/TINY.png           "classic": 16 grey levels (4-bit palette)
  MOON_BW_LARGE/SMALL/TINY.png        two colours: white outside the disk, black on it
  MOON_COLOR_LARGE/SMALL/TINY.png     "color": slightly warm, 256-colour palette
Needs numpy and PIL. Reproducible: fixed seeds, no clock.
Usage: /usr/bin/python3 tools/make_moon_bitmaps.py [--preview FILE.png [PIXELS]]
"""
import math
import os
import sys

import numpy as np
from PIL import Image

# size name, pixels, centre x, centre y, radius (the control's geometry table)
SIZES = [("LARGE", 64, 31, 28, 28), ("SMALL", 32, 15, 14, 14), ("TINY", 16, 7, 7, 7)]
SUPERSAMPLE = 16
COVERAGE_ON_DISK = 0.5  # a pixel belongs to the disk when more than this share of it is covered
# At full moon the phase angle is not 0 but up to about 5.3 degrees (the Moon's latitude); a disk pixel that the
# shadow routine blackens below this angle is left off the disk, so that every full moon shows the whole disk.
FULL_MOON_PHASE_MAX = 6.5

# Maria: latitude, longitude (degrees, east positive), radius north-south and east-west (degrees), darkness.
MARIA = [
    ("Imbrium", 34.0, -16.0, 15.0, 20.0, 0.55),
    ("Serenitatis", 28.0, 17.5, 11.5, 12.0, 0.46),
    ("Tranquillitatis", 8.0, 29.0, 11.0, 15.0, 0.58),
    ("Crisium", 17.0, 59.0, 8.0, 10.0, 0.58),
    ("Fecunditatis", -6.0, 51.0, 12.0, 9.0, 0.50),
    ("Nectaris", -15.0, 34.5, 6.0, 6.0, 0.50),
    ("Nubium", -20.0, -15.0, 10.0, 12.0, 0.45),
    ("Cognitum", -10.0, -22.0, 6.0, 8.0, 0.45),
    ("Humorum", -24.4, -39.0, 7.0, 7.0, 0.52),
    ("Insularum", 7.0, -28.0, 8.0, 10.0, 0.45),
    ("Vaporum", 13.0, 4.0, 5.0, 7.0, 0.48),
    ("Sinus Medii", 2.0, 2.0, 4.0, 6.0, 0.40),
    ("Sinus Aestuum", 11.0, -8.0, 5.0, 7.0, 0.45),
    ("Procellarum north", 30.0, -52.0, 15.0, 13.0, 0.55),
    ("Procellarum centre", 12.0, -55.0, 16.0, 15.0, 0.58),
    ("Procellarum south", -3.0, -48.0, 12.0, 14.0, 0.55),
    ("Procellarum west", 5.0, -68.0, 14.0, 9.0, 0.50),
    ("Frigoris west", 56.0, -30.0, 3.5, 14.0, 0.32),
    ("Frigoris centre", 54.5, -5.0, 3.5, 14.0, 0.30),
    ("Frigoris east", 56.0, 20.0, 3.0, 14.0, 0.28),
    ("Sinus Iridum", 45.0, -31.0, 4.0, 5.0, 0.45),
    ("Spumans and Undarum", 4.0, 67.0, 3.0, 3.5, 0.45),
    ("Marginis", 13.0, 86.0, 4.0, 4.0, 0.40),
    ("Smythii", 1.3, 87.5, 4.0, 3.0, 0.40),
    ("Humboldtianum", 57.0, 81.0, 3.0, 3.0, 0.35),
    ("Australe", -45.0, 86.0, 6.0, 4.0, 0.30),
]
# Dark crater floors: latitude, longitude, radius (degrees), darkness.
DARK_CRATERS = [("Plato", 51.6, -9.4, 1.7, 0.55), ("Grimaldi", -5.2, -68.6, 2.8, 0.60)]
# Bright rayed craters: latitude, longitude, radius, brightness, number of rays, ray length (degrees).
RAYED_CRATERS = [
    ("Tycho", -43.3, -11.2, 1.4, 0.55, 46, 45.0),
    ("Copernicus", 9.6, -20.1, 1.5, 0.40, 30, 14.0),
    ("Kepler", 8.1, -38.0, 0.9, 0.35, 20, 9.0),
    ("Aristarchus", 23.7, -47.4, 0.8, 0.55, 12, 6.0),
    ("Proclus", 16.1, 46.8, 0.7, 0.35, 10, 8.0),
    ("Stevinus", -32.5, 54.2, 0.6, 0.25, 8, 6.0),
]


def unit_vector(lat_deg, lon_deg):
    lat, lon = math.radians(lat_deg), math.radians(lon_deg)
    return np.array([math.cos(lat) * math.sin(lon), math.sin(lat), math.cos(lat) * math.cos(lon)])


def smoothstep(edge0, edge1, x):
    t = np.clip((x - edge0) / (edge1 - edge0), 0.0, 1.0)
    return t * t * (3 - 2 * t)


def value_noise(v, freq, rng):
    """Smooth lattice noise in -1..1 at unit vectors v (trilinear interpolation of random lattice values)."""
    size = int(2 * freq) + 4
    lattice = rng.uniform(-1, 1, size=(size, size, size))
    p = (v + 1.0) * freq + 1.0
    i = np.floor(p).astype(int)
    f = p - i
    f = f * f * (3 - 2 * f)
    out = np.zeros(v.shape[:-1])
    for corner in range(8):
        ox, oy, oz = corner & 1, (corner >> 1) & 1, (corner >> 2) & 1
        w = (np.where(ox, f[..., 0], 1 - f[..., 0]) * np.where(oy, f[..., 1], 1 - f[..., 1])
             * np.where(oz, f[..., 2], 1 - f[..., 2]))
        out += w * lattice[i[..., 0] + ox, i[..., 1] + oy, i[..., 2] + oz]
    return out


def fbm(v, base_freq, octaves, rng):
    total, norm = np.zeros(v.shape[:-1]), 0.0
    for k in range(octaves):
        amp = 0.55 ** k
        total += amp * value_noise(v, base_freq * 2.0 ** k, rng)
        norm += amp
    return total / norm


def angular_distance(v, c):
    return np.degrees(np.arccos(np.clip(v @ c, -1, 1)))


def albedo(v):
    """Brightness 0..1 of the surface at unit vectors v (shape (..., 3)); x east, y north, z to the Earth."""
    rng = np.random.default_rng(1969)
    lat = np.degrees(np.arcsin(np.clip(v[..., 1], -1, 1)))
    lon = np.degrees(np.arctan2(v[..., 0], v[..., 2]))

    # Mottled highlands.
    texture = fbm(v, 3.0, 6, rng)
    fine = fbm(v, 24.0, 3, rng)
    a = 0.78 + 0.10 * texture + 0.05 * fine

    # Maria, with ragged shores and uneven floors.
    warp = fbm(v, 5.0, 4, rng)
    floor_noise = fbm(v, 8.0, 4, rng)
    dark = np.zeros(v.shape[:-1])
    for _, mlat, mlon, rlat, rlon, depth in MARIA:
        dlat = (lat - mlat) / rlat
        dlon = ((lon - mlon + 180) % 360 - 180) * math.cos(math.radians(mlat)) / rlon
        d = np.sqrt(dlat ** 2 + dlon ** 2) + 0.55 * warp
        dark = np.maximum(dark, depth * (1 - smoothstep(0.6, 1.2, d)))
    a *= 1 - dark * (1 + 0.35 * floor_noise)

    # Small craters: at full moon mostly bright spots with a faint rim, a few dark ones.
    for _ in range(300):
        clat = math.degrees(math.asin(rng.uniform(-1, 1)))
        clon = rng.uniform(-100, 100)
        radius = min(0.3 * (1 - rng.uniform()) ** -0.6, 3.0)
        ang = angular_distance(v, unit_vector(clat, clon))
        strength = rng.uniform(-0.06, 0.18)
        a *= 1 + strength * np.exp(-(ang / radius) ** 2) + 0.05 * np.exp(-((ang - radius) / (0.3 * radius)) ** 2)

    for _, clat, clon, radius, depth in DARK_CRATERS:
        ang = angular_distance(v, unit_vector(clat, clon))
        a *= 1 - depth * (1 - smoothstep(0.8 * radius, 1.1 * radius, ang))

    # Rayed craters: a bright centre, a darker collar and faint rays along great circles.
    for _, clat, clon, radius, bright, nrays, length in RAYED_CRATERS:
        c = unit_vector(clat, clon)
        ang = angular_distance(v, c)
        north = np.array([0.0, 1.0, 0.0]) - c * c[1]
        north /= np.linalg.norm(north)
        east = np.cross(north, c)
        bearing = np.arctan2(v @ east, v @ north)
        centre = bright * (1 - smoothstep(0.7 * radius, 1.2 * radius, ang))
        collar = 0.25 * bright * np.exp(-((ang - 2.2 * radius) / (0.8 * radius)) ** 2)
        rays = np.zeros(v.shape[:-1])
        for _ in range(nrays):
            theta = rng.uniform(-np.pi, np.pi)
            reach = length * rng.uniform(0.3, 1.0)
            width = rng.uniform(0.4, 1.2)
            diff = (bearing - theta + np.pi) % (2 * np.pi) - np.pi
            across = np.abs(np.sin(diff)) * ang
            along = np.where(np.cos(diff) > 0, ang, 1e9)
            streak = 0.6 + 0.4 * fine  # rays break up into streaks
            rays = np.maximum(rays, streak * np.exp(-(across / width) ** 2) * np.exp(-along / reach))
        rays *= smoothstep(2.5 * radius, 4.0 * radius, ang)
        a = a * (1 - collar) + centre + 0.22 * rays * (1.0 + 0.8 * (a < 0.55))
    return np.clip(a, 0, 1.2)


def render(pixels, cx, cy, radius, supersample=SUPERSAMPLE):
    """Colour picture (float RGB, 0..1) and coverage (0..1) of a pixels x pixels full Moon."""
    n = pixels * supersample
    coords = (np.arange(n) + 0.5) / supersample  # continuous pixel coordinates of the samples
    x, y = np.meshgrid(coords, coords)
    r = radius - 0.5
    dx = (x - (cx + 0.5)) / r
    dy = ((cy + 0.5) - y) / r
    rho2 = dx * dx + dy * dy
    inside = rho2 <= 1.0
    scale = np.where(inside, 1.0, 1.0 / np.sqrt(np.maximum(rho2, 1.0)))  # samples off the disk: onto the limb
    dx, dy = dx * scale, dy * scale
    z = np.sqrt(np.clip(1.0 - rho2, 0.0, 1.0))
    v = np.stack([dx, dy, z], axis=-1)
    a = albedo(v)
    limb = 0.45 + 0.55 * z ** 0.45
    grey = a * limb
    # Slightly warm highlands, slightly cooler maria.
    warm = np.stack([grey * 1.04, grey * 0.98, grey * 0.88 + 0.05 * (0.7 - np.minimum(a, 0.7))], axis=-1)
    grey3 = np.stack([grey] * 3, axis=-1)

    def reduce(img):
        if img.ndim == 2:
            return img.reshape(pixels, supersample, pixels, supersample).mean(axis=(1, 3))
        return img.reshape(pixels, supersample, pixels, supersample, 3).mean(axis=(1, 3))

    cover = reduce(inside.astype(float))
    classic = reduce(grey3 * inside[..., None])
    colour = reduce(warm * inside[..., None])
    return classic, colour, cover


def to_8bit(img):
    return np.clip(np.round(np.clip(img, 0, 1) ** (1 / 1.15) * 255), 0, 255).astype(np.uint8)


def shadow_pixels(cx, cy, r, angle):
    """The pixels the control blackens for a phase angle: the lines of its shadow routine, end points
    excluded, halves rounded to even (Python's round)."""
    c = math.cos(math.radians(angle))
    out = set()
    for g in range(r + 1):
        h = math.sqrt(r * r - g * g)
        if angle >= 180:
            limb, term = cx + round(h) + 1, cx + round(c * h)
        else:
            limb, term = cx - round(h) - 1, cx - round(c * h)
        step = 1 if limb > term else -1
        for yy in (cy + g, cy - g):
            for xx in range(term, limb, step):
                out.add((xx, yy))
    return out


def make_size(name, pixels, cx, cy, radius, outdir):
    classic, colour, cover = render(pixels, cx, cy, radius)
    disk = cover > COVERAGE_ON_DISK
    near_full = set()
    for tenth in range(int(FULL_MOON_PHASE_MAX * 10) + 1):
        near_full |= shadow_pixels(cx, cy, radius, tenth / 10.0)
        near_full |= shadow_pixels(cx, cy, radius, 360.0 - tenth / 10.0 - 1e-9)
    trimmed = [(x, y) for (x, y) in near_full if 0 <= x < pixels and 0 <= y < pixels and disk[y, x]]
    for x, y in trimmed:
        assert cover[y, x] < 0.75, "%s: a well covered pixel (%d, %d) lies in a full moon's shadow" % (name, x, y)
        disk[y, x] = False

    # Classic: 16 grey levels, black outside the disk.
    grey = to_8bit(classic[..., 0])
    levels = np.round(grey / 17.0).astype(np.uint8)
    levels[~disk] = 0
    im = Image.fromarray(levels, mode="L").convert("P")
    im.putpalette([v for k in range(16) for v in (17 * k,) * 3])
    im = Image.fromarray(levels, mode="P")
    im.putpalette([v for k in range(16) for v in (17 * k,) * 3])
    im.save(os.path.join(outdir, "MOON_%s.png" % name), bits=4, optimize=True)

    # Colour: 256-colour adaptive palette, exact black outside the disk.
    rgb = to_8bit(colour)
    rgb[~disk] = 0
    q = Image.fromarray(rgb, mode="RGB").quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                                                   dither=Image.Dither.NONE)
    check = np.asarray(q.convert("RGB"))
    assert (check[~disk] == 0).all(), "the colour palette lost the black background"
    q.save(os.path.join(outdir, "MOON_COLOR_%s.png" % name), optimize=True)

    # Mask: white outside, black on the disk.
    mask = np.where(disk, 0, 255).astype(np.uint8)
    Image.fromarray(mask, mode="L").convert("1").save(os.path.join(outdir, "MOON_BW_%s.png" % name))

    # The disk must fit the control's geometry: untouched at full moon, covered at new moon.
    on_disk = {(int(x), int(y)) for y, x in zip(*np.nonzero(disk))}
    assert not (on_disk & near_full), name + ": a full moon would darken the disk"
    assert on_disk <= shadow_pixels(cx, cy, radius, 180.0), name + ": new moon would leave lit pixels"
    print("%s: %d x %d, %d pixels on the disk, %d edge pixels left off" % (name, pixels, pixels, len(on_disk),
                                                                       len(trimmed)))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    if len(sys.argv) >= 3 and sys.argv[1] == "--preview":
        px = int(sys.argv[3]) if len(sys.argv) > 3 else 512
        _, colour, _ = render(px, px // 2 - 1, px // 2 - 1, px // 2 - 1, supersample=2)
        Image.fromarray(to_8bit(colour), mode="RGB").save(sys.argv[2])
        return
    outdir = os.path.join(root, "resources", "moon")
    os.makedirs(outdir, exist_ok=True)
    for name, pixels, cx, cy, radius in SIZES:
        make_size(name, pixels, cx, cy, radius, outdir)


if __name__ == "__main__":
    main()
