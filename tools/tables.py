#!/usr/bin/python3
"""Regenerates every coefficient table of astro/ from its data file with the generators tools/gen_*.py, or checks
that the committed tables are exactly what the generators write today.

Usage: tools/tables.py           regenerate every table
       tools/tables.py --check   regenerate each table into a temporary folder and compare it with the committed
                                 one: names each table that differs and exits with status 1 (nothing is written)
"""

import importlib
import sys
import tempfile
from pathlib import Path

from tsv_tables import TableError, write_atomically

TOOLS = Path(__file__).resolve().parent


def generators():
    """The generator modules, by name: every tools/gen_*.py."""
    sys.path.insert(0, str(TOOLS))
    return [importlib.import_module(path.stem) for path in sorted(TOOLS.glob("gen_*.py"))]


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    differing = []
    with tempfile.TemporaryDirectory() as scratch:
        for module in generators():
            committed = Path(module.DEFAULT_OUTPUT)
            try:
                text, summary = module.build(module.DEFAULT_INPUT)
            except (TableError, OSError) as error:
                print(f"{module.__name__}: {error}", file=sys.stderr)
                return 1
            if not check:
                write_atomically(committed, text)
                print(f"{module.__name__}: {summary} written to {committed}")
                continue
            fresh = Path(scratch) / committed.name
            write_atomically(fresh, text)
            if not committed.exists() or fresh.read_bytes() != committed.read_bytes():
                differing.append(committed)
                print(f"{committed} differs from what {module.__name__}.py writes: run tools/tables.py")
            else:
                print(f"{committed}: as generated" + (f" ({summary})" if summary else ""))
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
