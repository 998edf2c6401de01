#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs each one for the given number of seconds (30 unless given), starting from the kept
# corpus in fuzz/corpus/<target>. A crash, a sanitizer report or a broken invariant fails
# the run and leaves the input in build/fuzz/artifacts/. With --keep, the inputs that reach
# code the kept corpus does not are merged into it afterwards (for longer runs by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=30
keep=false
for argument in "$@"; do
    case "$argument" in
    --keep) keep=true ;;
    *) seconds="$argument" ;;
    esac
done

bash scripts/install-packages.sh fuzz
source scripts/jobs.sh
source scripts/sanitizer-env.sh

cmake --preset fuzz
cmake --build --preset fuzz
bash scripts/check-run-paths.sh build/fuzz build/fuzz/fuzz/integer_text_fuzzer \
    build/fuzz/fuzz/round_fuzzer build/fuzz/fuzz/roster_fuzzer

targets=(integer_text round roster)
failed=0
mkdir -p build/fuzz/artifacts
for target in "${targets[@]}"; do
    work="build/fuzz/work/$target"
    log="build/fuzz/$target.log"
    mkdir -p "$work"
    echo "Fuzzing $target for ${seconds} s"
    if build/fuzz/fuzz/"${target}"_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
        -dict="fuzz/$target.dict" -artifact_prefix="build/fuzz/artifacts/$target-" \
        "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec)' "$log"
    else
        tail -n 60 "$log"
        echo "Fuzzing $target FAILED; the input is in build/fuzz/artifacts/"
        failed=$((failed + 1))
    fi
    if [ "$keep" = true ]; then
        build/fuzz/fuzz/"${target}"_fuzzer -merge=1 -use_counters=0 "fuzz/corpus/$target" "$work" >>"$log" 2>&1
        echo "Kept corpus of $target: $(find "fuzz/corpus/$target" -type f | wc -l) inputs"
    fi
done
echo "fuzz: $((${#targets[@]} - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
