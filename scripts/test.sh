#!/usr/bin/env bash
# Builds LUMBRIX and runs every test with CTest.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   address + undefined-behaviour sanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

build_dir=build
extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == "--sanitize" ]]; then
    build_dir=build-asan
    # The benchmarks are built (and so checked) by the normal build; this one runs the tests.
    extra=(-DCMAKE_BUILD_TYPE=Debug -DLUMBRIX_SANITIZE=ON -DLUMBRIX_BENCHMARKS=OFF)
fi

cmake -S . -B "$build_dir" -DLUMBRIX_WERROR=ON "${extra[@]}"
cmake --build "$build_dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
