#!/bin/bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehavior-
# Sanitizer) in fuzz-build/ and runs each one for SECONDS (default 60) from
# the seeds in tests/fuzz/corpus/ and the kept cases in tests/fuzz/regressions/.
# New inputs collect in fuzz-build/corpus/, crashing ones in
# fuzz-build/artifacts/<target>/. Exit status 1 when any target found one.
#
#   ./fuzz.sh [SECONDS] [TARGET...]      e.g. ./fuzz.sh 10 wav bitmap
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
vlims_ensure_packages

seconds=${1:-60}
shift || true
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    for dir in tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

CC=clang CXX=clang++ cmake -S tests/fuzz -B fuzz-build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ! cmake --build fuzz-build -j 2 >fuzz-build/build.log 2>&1; then
    cat fuzz-build/build.log
    exit 1
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}

failed=()
for target in "${targets[@]}"; do
    # Absolute: some targets work in a scratch folder of their own.
    work=$PWD/fuzz-build/corpus/$target
    artifacts=$PWD/fuzz-build/artifacts/$target
    log=fuzz-build/logs/$target.log
    mkdir -p "$work" "$artifacts" "$(dirname "$log")" "tests/fuzz/regressions/$target"
    # The readers complain on stderr about every bad file; that noise is
    # dropped (close_fd_mask=2) while sanitizer reports still reach the log.
    set +e
    "fuzz-build/fuzz_$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
        -rss_limit_mb=1024 -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "$work" "$PWD/tests/fuzz/corpus/$target" "$PWD/tests/fuzz/regressions/$target" >"$log" 2>&1
    rc=$?
    set -e
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [[ $rc -ne 0 ]]; then
        failed+=("$target")
        echo "fuzz $target: FOUND A CRASH after ${runs:-?} runs (log: $log)"
        grep -E "ERROR:|runtime error|SUMMARY|Test unit written" "$log" | head -n 10 || true
    else
        echo "fuzz $target: ${runs:-?} runs in ${seconds} s, nothing found"
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "Crashing inputs are in fuzz-build/artifacts/. Fix the reader, then keep the input in"
    echo "tests/fuzz/regressions/<target>/ so that the ordinary tests replay it."
    exit 1
fi
