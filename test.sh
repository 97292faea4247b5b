#!/usr/bin/env bash
# Sets up everything Pomwit needs and its test tools, builds it all and runs
# the whole test suite. With --sanitize: the unit tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, leak detection on (the
# end-to-end tests, labelled slow, run in the plain build only).
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--sanitize" ]; then
    shift
    tools/setup.sh --tests build-asan -DPOMWIT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DPOMWIT_BUILD_BENCHMARKS=OFF
    supp="$PWD/tools/lsan.supp"
    cd build-asan
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$supp:print_suppressions=0 \
        ctest --output-on-failure --timeout 900 -j2 -LE slow "$@"
    exit
fi
tools/setup.sh --tests build
cd build
ctest --output-on-failure --timeout 600 -j2 "$@"
