#!/usr/bin/env bash
# Prints the size of the tests beside the size of everything else: non-blank
# lines of the tracked C++, CMake, shell and Python files. The project keeps
# the figure between 0.25 and 0.40.
set -euo pipefail
cd "$(dirname "$0")/.."
code() { grep -E '\.(cpp|h|hpp|cc|cmake|sh|py)$|(^|/)CMakeLists\.txt$|^\.ci/run$' || true; }
lines() { xargs -r cat | grep -cv '^[[:space:]]*$' || true; }
tests=$(git ls-files -- tests | code | lines)
rest=$(git ls-files | grep -v '^tests/' | code | lines)
awk -v t="$tests" -v r="$rest" 'BEGIN { printf "tests %d, everything else %d, ratio %.2f\n", t, r, t / r }'
