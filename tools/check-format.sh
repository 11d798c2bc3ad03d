#!/usr/bin/env bash
# Fails when any C++ file differs from what .clang-format makes of it. Lists the sources with
# find, so it also works in a source archive without git.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests fuzz bench tools packaging \( -name '*.cpp' -o -name '*.h' \) -not -path '*/planted-layers/*' -print0 |
    xargs -0 clang-format --dry-run --Werror
