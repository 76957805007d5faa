#!/usr/bin/env python3
"""Fails when a folder includes a header of a folder it may not depend on.

Usage: scripts/check-layers.py [SOURCE_DIR]

Every #include of every .cpp/.h/.in file below the top-level folders is
checked against ALLOWED. A quoted include names its folder by its first path
component ("rules/state.h"); one without a folder is the includer's own.
Angle includes are the standard library and the system, except Qt and SDL,
which only the folders named in QT and SDL may use.
"""

import pathlib
import re
import sys

# Which project folders each folder may include besides itself.
ALLOWED = {
    "rules": set(),
    "files": set(),
    "text": set(),
    "computer": {"rules"},
    "engine": {"rules"},
    "players": {"engine", "computer", "rules"},
    "usi": {"players", "engine", "computer", "rules"},
    "record": {"rules", "files", "text"},
    "settings": {"files", "rules"},
    "display": {"rules", "text"},
    "sound": set(),
    "flow": {"rules", "files", "text", "computer", "engine", "players", "usi", "record", "settings",
             "display", "sound"},
    "app": {"flow", "display", "text"},
}
OPEN = {"tools", "tests"}  # may include anything
QT = {"app"} | OPEN
SDL = {"sound"} | OPEN
# Libraries of the tools and tests only.
TEST_LIBRARIES = ("gtest/", "gmock/", "benchmark/", "nlohmann/")

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.MULTILINE)


def is_qt(header):
    first = header.split("/")[0]
    return re.match(r"Q[A-Z]", first) is not None or first.startswith("Qt")


def is_sdl(header):
    return header.startswith("SDL")


def problems(root):
    folders = set(ALLOWED) | OPEN
    found = []
    paths = (p for folder in sorted(folders) for p in sorted((root / folder).rglob("*")))
    for path in paths:
        relative = path.relative_to(root)
        folder = relative.parts[0]
        if not path.is_file() or path.suffix not in (".cpp", ".h", ".in"):
            continue
        text = path.read_text(encoding="utf-8", errors="replace")
        for match in INCLUDE.finditer(text):
            kind, header = match.groups()
            line = text.count("\n", 0, match.start()) + 1
            where = f"{relative}:{line}: "
            if kind == "<":
                if is_qt(header) and folder not in QT:
                    found.append(where + f"<{header}>: only app/ may use Qt")
                elif is_sdl(header) and folder not in SDL:
                    found.append(where + f"<{header}>: only sound/ may use SDL")
                elif header.startswith(TEST_LIBRARIES) and folder not in OPEN:
                    found.append(where + f"<{header}>: a library of the tools and tests")
                continue
            target = header.split("/")[0] if "/" in header else folder
            if folder in OPEN or target == folder or target not in folders:
                continue
            if target not in ALLOWED[folder]:
                found.append(where + f'"{header}": {folder}/ may not include {target}/')
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    found = problems(root)
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) against the layering")
        return 1
    print("layering: every include is allowed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
