#!/usr/bin/env python3
"""Fails when an #include reaches up a layer or across from one window to another.

A folder is a layer. From the bottom:

    core/               the plain core: no Qt at all
    platform/screen/    reading the screen
    platform/desktop/   the desktop seam
    platform/forms/     the form runtime
    forms/              the form definitions and what windows share
    book/ card/ palette/ picker/ schemes/ slider/   the six windows
    app/                the window set, which wires the windows together

A file may include its own layer and those below it, never one above; a
window includes no other window's files (they talk by signals that app/
connects); tools/ links the core alone; the product never includes tests/.
Qt D-Bus stays inside platform/screen/portal, the tray's files and app/.

    check_layers.py [ROOT]    checks the tree at ROOT (this one by default)
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)
SOURCES = ("*.cpp", "*.h", "*.c")
WINDOWS = ("book", "card", "palette", "picker", "schemes", "slider")
PRODUCT = ("core", "platform", "forms", "app", "tools") + WINDOWS
LEVELS = {"core": 0, "screen": 1, "desktop": 2, "forms-runtime": 3, "forms": 4,
          "windows": 5, "app": 6}


def layer(path):
    """The layer of a file by its path: a name in LEVELS, "tools" or "tests"."""
    top = path.split("/", 1)[0]
    if top == "platform":
        room = path.split("/")[1] if path.count("/") >= 2 else ""
        return {"screen": "screen", "desktop": "desktop", "forms": "forms-runtime"}.get(room, "desktop")
    if top in WINDOWS:
        return "windows"
    if top in ("core", "forms", "app", "tools", "tests"):
        return top
    return "other"


def is_qt(included):
    """<QString>, <QtDBus/QDBusMessage>: Qt's own headers have no extension."""
    return included[0] == "Q" and "." not in included


def check(root):
    root = pathlib.Path(root)
    problems = []
    for top in PRODUCT:
        for pattern in SOURCES:
            for file in sorted((root / top).rglob(pattern)):
                path = file.relative_to(root).as_posix()
                own = layer(path)
                for included in INCLUDE.findall(file.read_text(errors="replace")):
                    if is_qt(included):
                        if own in ("core", "tools"):
                            problems.append(f"{path}: the core includes Qt ({included})")
                        if "DBus" in included and not (
                            path.startswith("platform/screen/portal/")
                            or "Tray" in path or own == "app"):
                            problems.append(f"{path}: Qt D-Bus outside its rooms ({included})")
                        continue
                    if not (root / included).is_file():
                        continue  # a system header, or one beside the file
                    theirs = layer(included)
                    if theirs == "tests":
                        problems.append(f"{path}: the product includes a test file ({included})")
                    elif own == "tools":
                        if theirs not in ("core", "tools"):
                            problems.append(f"{path}: tools link the core alone ({included})")
                    elif theirs not in LEVELS:
                        continue
                    elif LEVELS[theirs] > LEVELS[own]:
                        problems.append(f"{path} ({own}) includes {included} ({theirs}), a layer above")
                    elif own == theirs == "windows" and path.split("/")[0] != included.split("/")[0]:
                        problems.append(f"{path} includes {included}: one window includes another")
    # The seam every window includes brings no D-Bus with it, however deep.
    seen, todo = set(), ["platform/desktop/Desktop.h"]
    while todo:
        header = todo.pop()
        if header in seen or not (root / header).is_file():
            continue
        seen.add(header)
        for included in INCLUDE.findall((root / header).read_text(errors="replace")):
            if "DBus" in included:
                problems.append(f"platform/desktop/Desktop.h brings Qt D-Bus through {header}")
            elif (root / included).is_file():
                todo.append(included)
    return problems


def main(argv):
    root = argv[1] if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
    problems = check(root)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) break the layers", file=sys.stderr)
        return 1
    print("layers: every include goes down or across, and no window includes another")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
