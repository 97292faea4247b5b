#!/usr/bin/env bash
# Sets up everything Pomwit needs, builds it and starts it on the bundled card set.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh build
exec build/bin/pomwit "$@"
