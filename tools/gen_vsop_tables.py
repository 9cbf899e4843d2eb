#!/usr/bin/python3
"""Generates astro/vsop_tables.cpp from astro/data/vsop87d_earth.tsv.

The amplitudes are stored multiplied by 10^8 (units of 10^-8 radian for L and B, 10^-8 AU for R). The factor is
applied by shifting the decimal point in the published text, never by a floating multiplication, so each stored
constant is the exact decimal value of the publication rounded once to the extended type by the compiler.

Usage: tools/gen_vsop_tables.py [input.tsv [output.cpp]]
"""

import decimal
import sys

from tsv_tables import ROOT, TableError, library_source, read_tsv, run, source_name

DEFAULT_INPUT = ROOT / "astro" / "data" / "vsop87d_earth.tsv"
DEFAULT_OUTPUT = ROOT / "astro" / "vsop_tables.cpp"

COLUMNS = ["coordinate", "power", "index", "A", "B", "C"]
# Term counts of the complete VSOP87 D series of the Earth, by power 0..5 (None: no series of that power).
EXPECTED = {
    "L": [559, 341, 142, 22, 11, 5],
    "B": [184, 99, 49, 11, 5, None],
    "R": [526, 292, 139, 27, 10, 3],
}
NAMES = {"L": "longitude", "B": "latitude", "R": "radius"}


decimal.getcontext().prec = 60  # far more than any published number: scaleb stays exact


def exact_decimal(text, where):
    """The decimal value of a published number, exactly."""
    try:
        value = decimal.Decimal(text)
    except decimal.InvalidOperation:
        raise TableError(f"{where}: not a number: {text!r}") from None
    if not value.is_finite():
        raise TableError(f"{where}: not a finite number: {text!r}")
    return value


def literal(value):
    """An extended-precision C++ literal holding the exact decimal text of value (no exponent)."""
    text = format(value, "f")
    if "." not in text:
        text += ".0"
    return text + "L"


def read_rows(path):
    series = {}
    for where, fields in read_tsv(path, COLUMNS)[1]:
        coordinate, power, index = fields[0], fields[1], fields[2]
        if coordinate not in EXPECTED:
            raise TableError(f"{where}: unknown coordinate {coordinate!r}")
        if not power.isdigit() or not index.isdigit():
            raise TableError(f"{where}: power and index must be non-negative integers")
        power, index = int(power), int(index)
        if power > 5:
            raise TableError(f"{where}: power {power} outside 0..5")
        terms = series.setdefault((coordinate, power), [])
        if index != len(terms):
            raise TableError(f"{where}: index {index}, expected {len(terms)} (rows out of order?)")
        amplitude = exact_decimal(fields[3], where)
        if amplitude == 0:
            raise TableError(f"{where}: zero amplitude")
        # Times 10^8 by moving the decimal point: exact.
        terms.append((amplitude.scaleb(8), exact_decimal(fields[4], where), exact_decimal(fields[5], where)))
    for coordinate, counts in EXPECTED.items():
        for power, count in enumerate(counts):
            got = len(series.get((coordinate, power), []))
            if got != (count or 0):
                raise TableError(f"{path}: {coordinate}{power} has {got} terms, expected {count or 0}")
    return series


def generate(series, source_name):
    out = ["namespace {"]
    for coordinate in "LBR":
        for power, count in enumerate(EXPECTED[coordinate]):
            if count is None:
                continue
            out.append("")
            out.append(f"constexpr TVSOPTerm earth_{coordinate}{power}[{count}] = {{")
            for amplitude, phase, frequency in series[(coordinate, power)]:
                out.append(f"    {{{literal(amplitude)}, {literal(phase)}, {literal(frequency)}}},")
            out.append("};")
    out.append("")
    out.append("} // namespace")
    for coordinate in "LBR":
        out.append("")
        out.append(f"const TVSOPSeries vsop87d_earth_{NAMES[coordinate]}[vsop_max_power + 1] = {{")
        for power, count in enumerate(EXPECTED[coordinate]):
            if count is None:
                out.append("    {nullptr, 0},")
            else:
                out.append(f"    {{earth_{coordinate}{power}, {count}}},")
        out.append("};")
    about = [
        "VSOP87 version D (Bretagnon & Francou 1988), Earth, complete series in the published order.",
        "Amplitudes in units of 10^-8 radian (L, B) and 10^-8 AU (R), the published decimal point moved by",
        "eight places; phases in radians; frequencies in radians per Julian millennium.",
    ]
    return library_source("gen_vsop_tables", source_name, about, "astro/vsop.h", out)


def build(source):
    series = read_rows(source)
    total = sum(len(terms) for terms in series.values())
    return generate(series, source_name(source)), f"{total} terms"


if __name__ == "__main__":
    sys.exit(run(sys.argv, "gen_vsop_tables", DEFAULT_INPUT, DEFAULT_OUTPUT, build))
