#!/usr/bin/env python3
"""The translation check finds each kind of fault in a .ts file, and nothing in a sound one."""
import os
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tools"))
import translations  # noqa: E402

CASES = [
    # (source, translation element, the fault named or None)
    ("&File", "<translation>&amp;Fichier</translation>", None),
    ("Latitude: %1", "<translation>Latitude\u00a0: %1</translation>", None),
    ("Rajab", "<translation>Rajab</translation>", None),  # a listed name
    ("&File", '<translation type="unfinished">&amp;Fichier</translation>', "unfinished"),
    ("Gone", '<translation type="vanished">Parti</translation>', "vanished"),
    ("Close", "<translation></translation>", "empty"),
    ("Close", "<translation>Close</translation>", "same as the source"),
    ("Date: %1", "<translation>Date\u00a0:</translation>", "%1 markers differ"),
    ("%1 of %2", "<translation>%2 sur %2</translation>", "%1 markers differ"),
    ("E&xit", "<translation>Quitter</translation>", "& markers differ"),
    ("Save", "<translation>&amp;Enregistrer</translation>", "& markers differ"),
    ("Tom && Jerry", "<translation>Tom &amp;&amp; Jerry ici</translation>", None),
]


def main():
    failures = 0
    for source, translation, fault in CASES:
        text = ('<?xml version="1.0" encoding="utf-8"?><TS version="2.1" language="fr"><context><name>C</name>'
                "<message><source>%s</source>%s</message></context></TS>"
                % (source.replace("&", "&amp;"), translation))
        with tempfile.NamedTemporaryFile("w", suffix=".ts", delete=False, encoding="utf-8") as f:
            f.write(text)
        found = translations.problems(f.name, {"Rajab"})
        os.unlink(f.name)
        ok = (not found) if fault is None else (len(found) == 1 and found[0].startswith(fault))
        if not ok:
            failures += 1
            print("%r -> %r: found %r, expected %r" % (source, translation, found, fault))
    print("%d of %d cases wrong" % (failures, len(CASES)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
