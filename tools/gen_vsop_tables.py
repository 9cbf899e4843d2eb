#!/usr/bin/python3
"""Generates astro/vsop_tables.cpp from astro/data/vsop87d_earth.tsv.

The amplitudes are stored multiplied by 10^8 (units of 10^-8 radian for L and B, 10^-8 AU for R). The factor is
applied by shifting the decimal point in the published text, never by a floating multiplication, so each stored
constant is the exact decimal value of the publication rounded once to the extended type by the compiler.

The same terms are written a second time in double precision for the fast evaluation, which computes the sine
and cosine of each distinct frequency once (the 2425 terms have 704) and takes each term as
A cos(B + C tau) = (A cos B) cos(C tau) - (A sin B) sin(C tau): per series, A cos B and A sin B (the sine and
cosine of the published phase by their series in 60-digit decimal arithmetic) and the index of C in one table
of the distinct frequencies in turns per Julian millennium (C / 2 pi, also in 60 digits), each rounded once to
double.

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
TWO_PI = 2 * decimal.Decimal("3.14159265358979323846264338327950288419716939937510582097494459230781640629")
# Values per line in the double-precision arrays.
PER_LINE = 4


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


def decimal_cos(x):
    """cos x for a Decimal x of a few units, by its Taylor series in the 60-digit context: the same digits on
    every machine (the float functions of the platform's C library could differ in the last place)."""
    total, term, n = decimal.Decimal(1), decimal.Decimal(1), 0
    while abs(term) > decimal.Decimal("1e-70"):
        n += 2
        term = -term * x * x / (n * (n - 1))
        total += term
    return total


def decimal_sin(x):
    """sin x, as decimal_cos."""
    total, term, n = x, x, 1
    while abs(term) > decimal.Decimal("1e-70"):
        n += 2
        term = -term * x * x / (n * (n - 1))
        total += term
    return total


def double_literal(value):
    """The C++ literal of the double nearest to value (Python's float() rounds a Decimal correctly, repr() gives
    the shortest text that reads back as that double)."""
    text = repr(float(value))
    return text if "." in text or "e" in text else text + ".0"


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
        # Times 10^8 by moving the decimal point: exact. The published amplitude is kept for the double tables.
        terms.append(
            (amplitude.scaleb(8), exact_decimal(fields[4], where), exact_decimal(fields[5], where), amplitude)
        )
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
            for amplitude, phase, frequency, _ in series[(coordinate, power)]:
                out.append(f"    {{{literal(amplitude)}, {literal(phase)}, {literal(frequency)}}},")
            out.append("};")
    # The frequencies shared by the terms of all series, in increasing order: 704 for the 2425 terms.
    frequencies = sorted({t[2] for terms in series.values() for t in terms})
    index = {f: i for i, f in enumerate(frequencies)}
    out.append("")
    out.append("// Double precision: the distinct frequencies of all series in turns per Julian millennium, then per")
    out.append("// series A cos B and A sin B (radians or AU) and the index of the term's frequency.")
    out.append("")
    out.append(f"constexpr double frequency_turns[{len(frequencies)}] = {{")
    for start in range(0, len(frequencies), PER_LINE):
        chunk = frequencies[start : start + PER_LINE]
        out.append("    " + " ".join(f"{double_literal(f / TWO_PI)}," for f in chunk))
    out.append("};")
    out.append(f"static_assert(sizeof frequency_turns / sizeof frequency_turns[0] == vsop87d_earth_frequency_count);")
    for coordinate in "LBR":
        for power, count in enumerate(EXPECTED[coordinate]):
            if count is None:
                continue
            terms = series[(coordinate, power)]
            columns = {
                "a_cos_b": [double_literal(t[3] * decimal_cos(t[1])) for t in terms],
                "a_sin_b": [double_literal(t[3] * decimal_sin(t[1])) for t in terms],
            }
            for column, values in columns.items():
                out.append("")
                out.append(f"constexpr double earth_{coordinate}{power}_{column}[{count}] = {{")
                for start in range(0, count, PER_LINE):
                    out.append("    " + " ".join(f"{v}," for v in values[start : start + PER_LINE]))
                out.append("};")
            out.append("")
            out.append(f"constexpr std::uint16_t earth_{coordinate}{power}_frequency[{count}] = {{")
            per_line = 4 * PER_LINE
            for start in range(0, count, per_line):
                out.append("    " + " ".join(f"{index[t[2]]}," for t in terms[start : start + per_line]))
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
    out.append("")
    out.append("const double* const vsop87d_earth_frequency_turns = frequency_turns;")
    out.append("")
    out.append("const TVSOPSeriesFast vsop87d_earth_fast[3][vsop_max_power + 1] = {")
    for coordinate in "LBR":
        out.append(f"    {{ // {NAMES[coordinate]}")
        for power, count in enumerate(EXPECTED[coordinate]):
            if count is None:
                out.append("        {nullptr, nullptr, nullptr, 0},")
            else:
                name = f"earth_{coordinate}{power}"
                out.append(f"        {{{name}_a_cos_b, {name}_a_sin_b, {name}_frequency, {count}}},")
        out.append("    },")
    out.append("};")
    about = [
        "VSOP87 version D (Bretagnon & Francou 1988), Earth, complete series in the published order.",
        "Amplitudes in units of 10^-8 radian (L, B) and 10^-8 AU (R), the published decimal point moved by",
        "eight places; phases in radians; frequencies in radians per Julian millennium. Then the same terms in",
        "double precision for the fast evaluation: A cos B and A sin B (radians or AU, the published amplitude A),",
        "and the term's frequency as an index into one table of the distinct frequencies, in turns per millennium.",
    ]
    return library_source("gen_vsop_tables", source_name, about, "astro/vsop.h", out)


def build(source):
    series = read_rows(source)
    total = sum(len(terms) for terms in series.values())
    return generate(series, source_name(source)), f"{total} terms"


if __name__ == "__main__":
    sys.exit(run(sys.argv, "gen_vsop_tables", DEFAULT_INPUT, DEFAULT_OUTPUT, build))
