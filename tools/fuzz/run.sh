#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a while.
# Usage: tools/fuzz/run.sh [SECONDS-PER-TARGET] [TARGET...]
# Needs clang-14 and libclang-rt-14-dev. Corpora and crashes go to build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(phrase picturepath picturefile keycheck cardsetchange)
build=../../build-fuzz
if [ ! -f "$build/build.ninja" ]; then
    CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --parallel 2 --target "${targets[@]/#/fuzz_}"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$build/crashes"
    [ -d "seeds/$target" ] && cp -n seeds/"$target"/* "$corpus"/ 2>/dev/null || true
    echo "== $target, $seconds s"
    "$build/fuzz_$target" -max_total_time="$seconds" -max_len=300 -timeout=20 \
        -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 "$corpus" 2>&1 \
        | grep -E "stat::number_of_executed_units|ERROR|SUMMARY|Done|crash-|timeout-|^ +#[0-9]+ " || true
done
