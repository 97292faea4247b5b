#!/usr/bin/env bash
# Sets up everything Pomwit needs, builds it and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--sanitize" ]; then
    # The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
    # leak detection on; tools/lsan.supp lists the only leaks let through.
    shift
    tools/setup.sh build-asan -DPOMWIT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    supp="$PWD/tools/lsan.supp"
    cd build-asan
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$supp:print_suppressions=0 \
        ctest --output-on-failure --timeout 900 -j2 "$@"
    exit
fi
tools/setup.sh build
cd build
ctest --output-on-failure --timeout 600 -j2 "$@"
