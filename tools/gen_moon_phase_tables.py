#!/usr/bin/python3
"""Turn astro/data/moon_phase_terms.tsv into astro/moon_phase_tables.cpp.

The periodic corrections of the mean new moon, full moon and quarters (Meeus, Astronomical Algorithms,
chapter 49), 25 terms each in the book's order: coefficient in days, the power of E the book writes on the term,
and the multiples of M, M', F and Omega. Coefficients keep their printed decimals (one rounding, by the compiler).

Usage: tools/gen_moon_phase_tables.py [data file] [output file]
"""

import re
import sys

from tsv_tables import ROOT, TableError, integer, moon_tables_source, read_tsv, run

DEFAULT_INPUT = ROOT / "astro" / "data" / "moon_phase_terms.tsv"
DEFAULT_OUTPUT = ROOT / "astro" / "moon_phase_tables.cpp"
FIELDS = ["phase", "coefficient", "e_power", "m", "mp", "f", "o"]
PHASES = [("new", "new_moon_terms"), ("full", "full_moon_terms"), ("quarter", "quarter_terms")]
TERMS = 25
DECIMAL = re.compile(r"^-?[0-9]+\.[0-9]+$")


def read_rows(path):
    terms = {name: [] for name, _ in PHASES}
    header_comments, data_rows = read_tsv(path, FIELDS, path.name)
    for where, fields in data_rows:
        phase = fields[0]
        if phase not in terms:
            raise TableError(f"{where}: unknown phase {phase!r}")
        if not DECIMAL.match(fields[1]):
            raise TableError(f"{where}: not a decimal coefficient: {fields[1]!r}")
        e_power = integer(fields[2], where, 0, 2)
        multiples = [integer(f, where, -9, 9) for f in fields[3:7]]
        terms[phase].append((fields[1], e_power, multiples))
    for name, rows in terms.items():
        if len(rows) != TERMS:
            raise TableError(f"{path.name}: phase {name} has {len(rows)} terms, expected {TERMS}")
    return header_comments, terms


def render(source_name, header_comments, terms):
    blocks = []
    for phase, array in PHASES:
        rows = "\n".join(
            "    {{{:>9}L, {}, {:2}, {:2}, {:2}, {:2}}}, // {}".format(c, e, *multiples, n)
            for n, (c, e, multiples) in enumerate(terms[phase], 1)
        )
        blocks.append(
            f"// {phase}: coefficient (days), power of E, multiples of M, M', F, Omega.\n"
            f"const std::array<TPhaseTerm, phase_term_count> {array}{{{{\n{rows}\n}}}};"
        )
    return moon_tables_source("gen_moon_phase_tables", source_name, header_comments, "\n\n".join(blocks))


def build(data):
    header_comments, terms = read_rows(data)
    return render(data.name, header_comments, terms), None


if __name__ == "__main__":
    sys.exit(run(sys.argv, "gen_moon_phase_tables", DEFAULT_INPUT, DEFAULT_OUTPUT, build))
