#!/usr/bin/env python3
"""Checks which folder of the sources may include which.

core includes only core; the ui root (prompts, sound) and ui/widgets include core and
themselves; a ui area (catalogue, input, output, update) includes core, the ui root, ui/widgets
and itself; ui/app, which wires the areas together, and main.cpp include anything. Every
quoted include names its layer (core/... or ui/...).

Usage: check-layers.py SOURCE_ROOT [--expect FILE]
Prints each include that breaks a rule. With --expect, succeeds only when the list equals the
lines of FILE (for a tree planted with known violations).
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
AREAS = ("catalogue", "input", "output", "update")


def folder_of(path):
    """The layer folder a path lies in: core, ui, ui/widgets, ui/<area>, ui/app, or None."""
    parts = pathlib.PurePosixPath(path).parts
    if not parts or parts[0] not in ("core", "ui"):
        return None
    if parts[0] == "core":
        return "core"
    if len(parts) == 2:
        return "ui"
    return "ui/" + parts[1]


def allowed(source, target):
    if source is None:  # main.cpp
        return True
    if source == "core":
        return target == "core"
    if source in ("ui", "ui/widgets"):
        return target in ("core", source)
    if source == "ui/app":
        return True
    return target in ("core", "ui", "ui/widgets", source)


def violations(root):
    found = []
    for file in sorted(root.rglob("*")):
        if file.suffix not in (".h", ".cpp", ".in"):
            continue
        relative = file.relative_to(root).as_posix()
        source = folder_of(relative)
        for included in INCLUDE.findall(file.read_text(encoding="utf-8", errors="replace")):
            target = folder_of(included)
            if target is None:
                found.append(f"{relative}: {included} does not name its layer")
            elif not allowed(source, target):
                found.append(f"{relative}: {source} may not include {included}")
    return found


def main(argv):
    if len(argv) not in (2, 4) or (len(argv) == 4 and argv[2] != "--expect"):
        print(__doc__, file=sys.stderr)
        return 2
    found = violations(pathlib.Path(argv[1]))
    for line in found:
        print(line)
    if len(argv) == 4:
        expected = pathlib.Path(argv[3]).read_text(encoding="utf-8").splitlines()
        if found != expected:
            print("expected instead:", *expected, sep="\n")
            return 1
        return 0
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
