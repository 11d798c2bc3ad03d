#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over the program's sources; any finding fails.
# Needs the compile database of the default build: cmake --preset default first.
set -euo pipefail
cd "$(dirname "$0")/.."
run-clang-tidy -quiet -p build/default -j "$(nproc)" "$PWD/src/" "$PWD/tools/" "$PWD/packaging/" > build/clang-tidy.log 2>&1 || {
    grep -E "(warning|error):" build/clang-tidy.log | sort -u
    exit 1
}
echo "clang-tidy: no findings"
