#!/usr/bin/env bash
# Sets up everything Pomwit needs and its test tools, builds it and runs the
# whole test suite in two passes: the end-to-end tests (labelled slow: the
# real program, package, desktop, sound and polkit) on a Release build in
# build-tests/, then the unit tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, leak detection on, in build-asan/.
# With --sanitize: only the second pass. Arguments after it go to ctest.
set -euo pipefail
cd "$(dirname "$0")"
sanitize_only=false
if [ "${1:-}" = "--sanitize" ]; then
    sanitize_only=true
    shift
fi
if ! $sanitize_only; then
    tools/setup.sh --tests build-tests -DCMAKE_BUILD_TYPE=Release -DPOMWIT_BUILD_BENCHMARKS=OFF -DPOMWIT_TESTS=slow
    (cd build-tests && ctest --output-on-failure --timeout 600 -j2 -L slow "$@")
fi
tools/setup.sh --tests build-asan -DPOMWIT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DPOMWIT_BUILD_BENCHMARKS=OFF \
    -DPOMWIT_TESTS=unit
supp="$PWD/tools/lsan.supp"
cd build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$supp:print_suppressions=0 \
    ctest --output-on-failure --timeout 900 -j2 -LE slow "$@"
