#!/usr/bin/env python3
"""Writes the desktop entry and the AppStream file with their translations.

    localize_desktop.py OUTDIR DESKTOP METAINFO TS...

The English texts stay as they are; each translatable one gets its
translations from the "Desktop entry" context of the .ts files beside it
(Key[de]= lines, <summary xml:lang="de">). A text missing from the .ts
files fails the build: the files and dist/desktop-texts.h must agree.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

CONTEXT = "Desktop entry"
DESKTOP_KEYS = ("GenericName", "Comment", "Keywords")


def read_translations(ts_files):
    out = {}
    for ts in ts_files:
        root = ET.parse(ts).getroot()
        language = re.search(r"_([A-Za-z]+(?:_[A-Za-z]+)?)\.ts$", ts).group(1)
        table = {}
        for context in root.iter("context"):
            if context.findtext("name") != CONTEXT:
                continue
            for message in context.iter("message"):
                translation = message.find("translation")
                finished = translation is not None and translation.get("type") is None
                if finished and translation.text:
                    table[message.findtext("source")] = translation.text
        out[language] = table
    return out


def translated(text, translations, where):
    if not all(text in table for table in translations.values()):
        sys.exit(f"localize_desktop: {where}: {text!r} is not translated; "
                 f"add it to dist/desktop-texts.h and update the translations")
    return [(language, table[text]) for language, table in sorted(translations.items())]


def desktop_entry(text, translations):
    lines = []
    section = ""
    for line in text.splitlines():
        lines.append(line)
        if line.startswith("["):
            section = line
            continue
        key, sep, value = line.partition("=")
        wanted = key in DESKTOP_KEYS or (key == "Name" and section.startswith("[Desktop Action"))
        if sep and wanted:
            for language, local in translated(value, translations, key):
                lines.append(f"{key}[{language}]={local}")
    return "\n".join(lines) + "\n"


def metainfo(text, translations):
    def add(match):
        indent, english = match.group(1), match.group(2)
        extra = "".join(f'\n{indent}<summary xml:lang="{language}">{escape(local)}</summary>'
                        for language, local in translated(english, translations, "summary"))
        return match.group(0) + extra
    return re.sub(r"^( *)<summary>([^<]*)</summary>", add, text, count=1, flags=re.M)


def main():
    outdir = pathlib.Path(sys.argv[1])
    desktop, meta = pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    translations = read_translations(sys.argv[4:])
    outdir.mkdir(parents=True, exist_ok=True)
    (outdir / desktop.name).write_text(
        desktop_entry(desktop.read_text(encoding="utf-8"), translations), encoding="utf-8")
    (outdir / meta.name).write_text(
        metainfo(meta.read_text(encoding="utf-8"), translations), encoding="utf-8")


if __name__ == "__main__":
    main()
