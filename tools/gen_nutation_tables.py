#!/usr/bin/python3
"""Generates astro/nutation_tables.cpp from astro/data/nutation_iau1980.tsv.

The 31 largest terms of the IAU 1980 theory of nutation, in the table's order (decreasing longitude amplitude),
which is also the order of summation. Amplitudes in units of 0.0001 arc second, rates in 0.00001 arc second per
Julian century, kept as the integers of the table.

Usage: tools/gen_nutation_tables.py [input.tsv [output.cpp]]
"""

import sys

from tsv_tables import ROOT, TableError, integer, library_source, read_tsv, run, source_name

DEFAULT_INPUT = ROOT / "astro" / "data" / "nutation_iau1980.tsv"
DEFAULT_OUTPUT = ROOT / "astro" / "nutation_tables.cpp"

COLUMNS = ["D", "M", "Mprime", "F", "Omega", "psi_amplitude", "psi_rate", "eps_amplitude", "eps_rate"]
EXPECTED_ROWS = 31


def read_rows(path):
    rows = []
    for where, fields in read_tsv(path, COLUMNS)[1]:
        multiples = [integer(x, where, -127, 127) for x in fields[:5]]
        amplitudes = [integer(x, where, -(2**31), 2**31 - 1) for x in fields[5:]]
        rows.append(multiples + amplitudes)
    if len(rows) != EXPECTED_ROWS:
        raise TableError(f"{path}: {len(rows)} rows, expected {EXPECTED_ROWS}")
    return rows


def generate(rows, source_name):
    out = ["", "const TNutationTerm nutation_terms[nutation_term_count] = {"]
    for row in rows:
        out.append("    {" + ", ".join(str(x) for x in row) + "},")
    out.append("};")
    about = [
        "IAU 1980 theory of nutation, the 31 terms whose longitude amplitude is at least 0.0015 arc second, in",
        "order of decreasing longitude amplitude (Meeus, Astronomical Algorithms, table 22.A). Multiples of",
        "D, M, M', F, Omega; amplitudes in units of 0.0001 arc second, rates in 0.00001 arc second per century.",
    ]
    return library_source("gen_nutation_tables", source_name, about, "astro/earth.h", out)


def build(source):
    rows = read_rows(source)
    return generate(rows, source_name(source)), f"{len(rows)} terms"


if __name__ == "__main__":
    sys.exit(run(sys.argv, "gen_nutation_tables", DEFAULT_INPUT, DEFAULT_OUTPUT, build))
