#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for SECONDS (default 60) on a
# working copy of its seed corpus. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
# New inputs go to BUILD/fuzz/work/TARGET; an input that breaks a property is written to
# BUILD/fuzz/crashes/TARGET/ and the script fails. Once the fault is fixed, copy that input to
# fuzz/regressions/TARGET/, where CTest runs it in every build.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
build=${LUMBRIX_FUZZ_BUILD:-build-fuzz}

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMBRIX_FUZZ=ON -DLUMBRIX_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_targets >/dev/null

targets=("$@")
if ((${#targets[@]} == 0)); then
    for program in "$build"/fuzz/*_fuzzer; do
        name=$(basename "$program")
        targets+=("${name%_fuzzer}")
    done
fi

status=0
printf '%-18s %12s %8s %s\n' target executions seconds result
for target in "${targets[@]}"; do
    work="$build/fuzz/work/$target"
    crashes="$build/fuzz/crashes/$target"
    log="$build/fuzz/$target.log"
    mkdir -p "$work" "$crashes" fuzz/corpus/"$target"
    result=ok
    if ! "$build/fuzz/${target}_fuzzer" -max_total_time="$seconds" -max_len=8192 \
        -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 -artifact_prefix="$crashes/" \
        "$work" fuzz/corpus/"$target" >"$log" 2>&1; then
        result="FAILED, see $log"
        status=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    printf '%-18s %12s %8s %s\n' "$target" "${executions:-?}" "$seconds" "$result"
done
exit $status
