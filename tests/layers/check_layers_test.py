#!/usr/bin/env python3
"""Each rule of scripts/check_layers.py fails a small tree that breaks it."""
import pathlib
import subprocess
import sys
import tempfile

CHECK = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check_layers.py"

# (what the tree shows, its files and what each includes, a word of the
# complaint, or None where the tree keeps every rule)
ROWS = [
    ("down and across", {"core/colour/A.h": [], "platform/forms/F.h": ["core/colour/A.h"],
                         "book/B.h": ["platform/forms/F.h"], "book/B.cpp": ["book/B.h"],
                         "app/W.cpp": ["book/B.h", "card/C.h"], "card/C.h": [],
                         "tools/hvz/H.cpp": ["core/colour/A.h"]}, None),
    ("a header of ours named with a Q", {"tools/hvz/H.cpp": ["QuickLines.h"]}, None),
    ("Qt in the core", {"core/colour/A.h": ["QString"]}, "the core includes Qt"),
    ("a layer above", {"book/B.h": [], "platform/forms/F.cpp": ["book/B.h"]}, "a layer above"),
    ("the forms above the windows", {"book/B.h": [], "forms/D.cpp": ["book/B.h"]}, "a layer above"),
    ("a window includes another", {"book/B.h": [], "card/C.cpp": ["book/B.h"]},
     "one window includes another"),
    ("a test file", {"tests/T.h": [], "app/M.cpp": ["tests/T.h"]}, "includes a test file"),
    ("the tool beyond the core", {"platform/forms/F.h": [], "tools/hvz/H.cpp": ["platform/forms/F.h"]},
     "tools link the core alone"),
    ("D-Bus in a window", {"book/B.cpp": ["QDBusConnection"]}, "Qt D-Bus outside its rooms"),
    ("D-Bus through the seam", {"platform/desktop/Desktop.h": ["platform/desktop/TrayBus.h"],
                                "platform/desktop/TrayBus.h": ["QDBusMessage"]},
     "brings Qt D-Bus"),
]


def main():
    failures = 0
    for name, files, complaint in ROWS:
        with tempfile.TemporaryDirectory() as root:
            for path, includes in files.items():
                file = pathlib.Path(root) / path
                file.parent.mkdir(parents=True, exist_ok=True)
                file.write_text("".join(f'#include "{i}"\n' if "/" in i else f"#include <{i}>\n"
                                        for i in includes))
            run = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
        passed = run.returncode == 0 if complaint is None else (
            run.returncode == 1 and complaint in run.stdout)
        print(f"{'ok' if passed else 'FAIL'}: {name}")
        if not passed:
            print(run.stdout + run.stderr)
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
