#!/usr/bin/env bash
# Builds Pomwit in Release and runs every benchmark (or those matching $1).
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh --tests build-release -DCMAKE_BUILD_TYPE=Release -DPOMWIT_TESTS=none
filter="${1:-}"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
for bench in build-release/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    name=$(basename "$bench")
    [ -z "$filter" ] || [[ "$name" == *"$filter"* ]] || continue
    echo "== $name"
    "$bench"
done
