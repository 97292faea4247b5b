#!/usr/bin/env bash
# Sets up everything Pomwit needs, builds it and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh build
cd build
ctest --output-on-failure --timeout 600 -j2 "$@"
