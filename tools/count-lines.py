#!/usr/bin/env python3
"""Lines of program code (src/) against lines of tests (tests/ and fuzz/).

Counts the non-blank lines of .cpp and .h files that are not // comments; bench/ and tools/
count for neither. The tests should stay at most half the program's size.
Usage: count-lines.py [--check] [CHECKOUT]
With --check, fails when the tests are more than half the program's lines.
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


def main(argv):
    check = "--check" in argv
    rest = [arg for arg in argv if arg != "--check"]
    if len(rest) > 1 or any(arg.startswith("-") for arg in rest):
        print(__doc__, file=sys.stderr)
        return 2
    root = pathlib.Path(rest[0] if rest else pathlib.Path(__file__).resolve().parent.parent)
    program = count([root / "src"])
    tests = count([root / "tests", root / "fuzz"])
    print(f"program (src/): {program}")
    print(f"tests (tests/, fuzz/): {tests}")
    print(f"tests are {100 * tests / program:.0f} % of the program, {100 * tests / (program + tests):.0f} % of all the code")
    if check and 2 * tests > program:
        print(f"too many test lines: {tests} is more than half of the program's {program}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
