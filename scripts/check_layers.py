#!/usr/bin/env python3
"""Fails when an #include reaches up a layer.

From the bottom: the plain core (the huevella_core library's files: no Qt
at all), then platform/screen (reading the screen), platform/desktop (the
desktop seam), platform/forms (the form runtime), then the windows and
app/ on top. A file may include its own layer and those below it, never
one above; the product never includes tests/. Qt D-Bus stays inside
platform/screen/portal and the tray's own files.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)
SOURCES = ("*.cpp", "*.h", "*.c")
PRODUCT = ("colour", "book", "schemes", "slider", "card", "palette", "picker", "forms",
           "platform", "app", "tools")


def core_files():
    cmake = (ROOT / "CMakeLists.txt").read_text()
    block = re.search(r"add_library\(huevella_core STATIC(.*?)\)", cmake, re.S).group(1)
    files = set()
    for source in block.split():
        files.add(source)
        files.add(re.sub(r"\.cpp$", ".h", source))
    # Headers of the core without a source of their own.
    for header in ("colour/TColor.h", "book/Huevella.h"):
        files.add(header)
    return files


CORE = core_files()
LEVELS = {"core": 0, "screen": 1, "desktop": 2, "forms": 3, "windows": 4}


def layer(path):
    if path in CORE:
        return "core"
    for room in ("screen", "desktop", "forms"):
        if path.startswith(f"platform/{room}/"):
            return room
    if path.startswith("tests/"):
        return "tests"
    return "windows"


def main():
    problems = []
    for top in PRODUCT:
        for pattern in SOURCES:
            for file in sorted((ROOT / top).rglob(pattern)):
                path = file.relative_to(ROOT).as_posix()
                if path.startswith("tools/") and path not in CORE:
                    own = "windows"  # the command-line tool sits beside the windows
                else:
                    own = layer(path)
                for included in INCLUDE.findall(file.read_text(errors="replace")):
                    if included.startswith("Qt") or included.startswith("<Q") or included[0] == "Q":
                        if own == "core":
                            problems.append(f"{path}: the core includes Qt ({included})")
                        if "DBus" in included and not (
                            path.startswith("platform/screen/portal/")
                            or "Tray" in path or path.startswith("app/")):
                            problems.append(f"{path}: Qt D-Bus outside its rooms ({included})")
                        continue
                    if not (ROOT / included).is_file():
                        continue  # a system header
                    theirs = layer(included)
                    if theirs == "tests":
                        problems.append(f"{path}: the product includes a test file ({included})")
                    elif LEVELS[theirs] > LEVELS[own]:
                        problems.append(f"{path} ({own}) includes {included} ({theirs}), a layer above")
    # The seam every window includes brings no D-Bus with it, however deep.
    seen, todo = set(), ["platform/desktop/Desktop.h"]
    while todo:
        header = todo.pop()
        if header in seen:
            continue
        seen.add(header)
        for included in INCLUDE.findall((ROOT / header).read_text(errors="replace")):
            if "DBus" in included:
                problems.append(f"platform/desktop/Desktop.h brings Qt D-Bus through {header}")
            elif (ROOT / included).is_file():
                todo.append(included)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) break the layers", file=sys.stderr)
        return 1
    print("layers: every include goes down or across")
    return 0


if __name__ == "__main__":
    sys.exit(main())
