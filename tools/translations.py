#!/usr/bin/env python3
"""The program's French and Arabic texts (resources/translations/almadex_*.ts).

  translations.py update [LUPDATE]   gathers the texts of the tree into the .ts files (new ones unfinished,
                                     vanished ones dropped)
  translations.py check [LUPDATE]    gathers them into copies and fails, naming each text, when a language
                                     has one unfinished, vanished or empty, a translation equal to its source
                                     (outside same_as_source.txt), or %1 and & markers other than the source's
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDER = os.path.join(ROOT, "resources", "translations")
LANGUAGES = ("fr", "ar")
SOURCES = ["app", "controls", "almanac", "resources/forms"]


def ts_path(folder, language):
    return os.path.join(folder, "almadex_%s.ts" % language)


def run_lupdate(lupdate, ts_files, drop_vanished):
    command = [lupdate, "-silent", "-locations", "none", "-I", ROOT, "-tr-function-alias",
               "QT_TRANSLATE_NOOP+=ALMADEX_NAME"]
    if drop_vanished:
        command.append("-no-obsolete")
    command += [os.path.join(ROOT, s) for s in SOURCES] + ["-ts"] + ts_files
    subprocess.run(command, check=True, cwd=ROOT)


def allowed_same():
    """Sources a language may keep as they are: names, units, symbols (one per line, "# " comments)."""
    allowed = set()
    with open(os.path.join(FOLDER, "same_as_source.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line and not line.startswith("# "):
                allowed.add(line.replace("\\n", "\n"))
    return allowed


PLACEHOLDER = re.compile(r"%(?:\d+|n)")


def mnemonics(text):
    """The number of & markers (a doubled && is a plain ampersand)."""
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def problems(path, allowed):
    out = []
    tree = ET.parse(path)
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = "%s: %s" % (name, source.replace("\n", "\\n"))
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "vanished", "obsolete", "missing"):
                out.append("%s: %s" % (kind, where))
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for text in forms:
                if not text.strip():
                    out.append("empty: " + where)
                elif text == source and source not in allowed and re.search(r"[A-Za-z]{2}", source):
                    out.append("same as the source: " + where)
                elif sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
                    out.append("%%1 markers differ: %s -> %s" % (where, text))
                elif mnemonics(text) != mnemonics(source):
                    out.append("& markers differ: %s -> %s" % (where, text))
    return out


def main():
    if len(sys.argv) < 2 or sys.argv[1] not in ("update", "check"):
        print(__doc__, file=sys.stderr)
        return 2
    lupdate = sys.argv[2] if len(sys.argv) > 2 else shutil.which("lupdate") or "/usr/lib/qt6/bin/lupdate"
    if sys.argv[1] == "update":
        run_lupdate(lupdate, [ts_path(FOLDER, l) for l in LANGUAGES], True)
        return 0
    allowed = allowed_same()
    found = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for language in LANGUAGES:
            copy = ts_path(work, language)
            shutil.copy(ts_path(FOLDER, language), copy)
            copies.append(copy)
        run_lupdate(lupdate, copies, False)
        for language, copy in zip(LANGUAGES, copies):
            found += ["%s: %s" % (language, p) for p in problems(copy, allowed)]
    for p in found:
        print(p)
    print("%d problems" % len(found))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
