#!/usr/bin/python3
"""Turn astro/data/moon_periodic_terms.tsv into astro/moon_position_tables.cpp.

The periodic terms of the Moon (ELP-2000/82 truncated, Meeus, Astronomical Algorithms, tables 47.A and 47.B)
become five parallel constant arrays: the argument rows of table A and of table B, then the distance, longitude
and latitude coefficients, in the book's row order and the publication's integer units.

Usage: tools/gen_moon_position_tables.py [data file] [output file]
"""

import sys

from tsv_tables import ROOT, TableError, integer, moon_tables_source, read_tsv, run

DEFAULT_INPUT = ROOT / "astro" / "data" / "moon_periodic_terms.tsv"
DEFAULT_OUTPUT = ROOT / "astro" / "moon_position_tables.cpp"
FIELDS = ["table", "row", "D", "M", "Mprime", "F", "sigma_l", "sigma_r", "sigma_b"]
ROWS = 60


def read_rows(path):
    tables = {"A": [], "B": []}
    header_comments, data_rows = read_tsv(path, FIELDS, path.name)
    for where, fields in data_rows:
        table = fields[0]
        if table not in tables:
            raise TableError(f"{where}: unknown table {table!r}")
        row = integer(fields[1], where, 1, ROWS)
        if row != len(tables[table]) + 1:
            raise TableError(f"{where}: table {table} row {row} out of order")
        args = [integer(f, where, -127, 127) for f in fields[2:6]]
        i32 = (-(2**31), 2**31 - 1)
        if table == "A":
            if fields[8] != "":
                raise TableError(f"{where}: table A row carries a latitude coefficient")
            coeffs = (integer(fields[6], where, *i32, True), integer(fields[7], where, *i32, True))
        else:
            if fields[6] != "" or fields[7] != "":
                raise TableError(f"{where}: table B row carries longitude or distance coefficients")
            coeffs = (integer(fields[8], where, *i32, True),)
        tables[table].append((args, coeffs))
    for name, rows in tables.items():
        if len(rows) != ROWS:
            raise TableError(f"{path.name}: table {name} has {len(rows)} rows, expected {ROWS}")
    return header_comments, tables


def argument_rows(rows):
    return "\n".join(
        "    {{{:2}, {:2}, {:2}, {:2}}}, // {}".format(*args, number) for number, (args, _) in enumerate(rows, 1)
    )


def coefficients(rows, index):
    values = [str(coeffs[index]) for _, coeffs in rows]
    lines = []
    for start in range(0, len(values), 10):
        chunk = ", ".join(f"{v:>9}" for v in values[start : start + 10])
        lines.append(f"    {chunk}, // rows {start + 1}-{start + 10}")
    return "\n".join(lines)


def render(source_name, header_comments, tables):
    a, b = tables["A"], tables["B"]
    body = f"""// Table A (longitude and distance): multipliers of D, M, M', F.
const std::array<TArgumentRow, term_count> longitude_distance_arguments{{{{
{argument_rows(a)}
}}}};

// Table B (latitude): multipliers of D, M, M', F.
const std::array<TArgumentRow, term_count> latitude_arguments{{{{
{argument_rows(b)}
}}}};

// Table A, cosine terms of the distance, units of 0.001 km.
const std::array<std::int32_t, term_count> distance_coefficients{{
{coefficients(a, 1)}
}};

// Table A, sine terms of the longitude, units of 0.000001 degree.
const std::array<std::int32_t, term_count> longitude_coefficients{{
{coefficients(a, 0)}
}};

// Table B, sine terms of the latitude, units of 0.000001 degree.
const std::array<std::int32_t, term_count> latitude_coefficients{{
{coefficients(b, 0)}
}};"""
    return moon_tables_source("gen_moon_position_tables", source_name, header_comments, body)


def build(data):
    header_comments, tables = read_rows(data)
    return render(data.name, header_comments, tables), None


if __name__ == "__main__":
    sys.exit(run(sys.argv, "gen_moon_position_tables", DEFAULT_INPUT, DEFAULT_OUTPUT, build))
