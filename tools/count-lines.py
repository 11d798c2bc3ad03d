#!/usr/bin/env python3
"""Lines of program code (src/) against lines of tests (tests/ and fuzz/).

Counts the non-blank lines of .cpp and .h files that are not // comments; bench/ and tools/
count for neither. The tests should stay at most half the program's size.
Usage: count-lines.py [CHECKOUT]
"""
import pathlib
import sys


def count(folders):
    total = 0
    for folder in folders:
        for file in folder.rglob("*"):
            if file.suffix in (".cpp", ".h") and file.is_file():
                for line in file.read_text(encoding="utf-8", errors="replace").splitlines():
                    stripped = line.strip()
                    total += bool(stripped) and not stripped.startswith("//")
    return total


root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
program = count([root / "src"])
tests = count([root / "tests", root / "fuzz"])
print(f"program (src/): {program}")
print(f"tests (tests/, fuzz/): {tests}")
print(f"tests are {100 * tests / program:.0f} % of the program, {100 * tests / (program + tests):.0f} % of all the code")
