#!/usr/bin/env python3
"""Every include of the shipped tree and the tools looks down the house, never up or across.

app/ over screens/ over frame/ and services/ (side by side, neither including the other) over
base/; tools/ stands aside and takes only base/. Prints each include that runs against this and
fails if there is one.
"""
import pathlib
import re
import sys

MAY_INCLUDE = {
    "app": {"app", "screens", "frame", "services", "base"},
    # One screen reaches another only through its global instance, declared in its header.
    "screens": {"screens", "frame", "services", "base"},
    "frame": {"frame", "base"},
    "services": {"services", "base"},
    "base": {"base"},
    "tools": {"tools", "base"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCES = {".h", ".cpp", ".rc", ".c"}


def floor_of(path):
    return path.split("/", 1)[0]


def main(root):
    root = pathlib.Path(root)
    wrong = []
    for floor, allowed in MAY_INCLUDE.items():
        for file in sorted((root / floor).rglob("*")):
            if file.suffix not in SOURCES:
                continue
            for included in INCLUDE.findall(file.read_text(errors="replace")):
                # A bare name is a neighbour in the same folder, or a system or generated header.
                if "/" not in included:
                    continue
                if floor_of(included) not in allowed:
                    wrong.append(f"{file.relative_to(root)}: {included}")
    for line in wrong:
        print("against the floors:", line)
    print(f"{len(wrong)} include(s) against the floors")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
