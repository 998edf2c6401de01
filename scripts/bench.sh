#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them headless: the engine benchmark, then the
# window benchmarks with start-up and resident memory against a bare Qt main window in
# the same run. Each ends with its targets, met or MISSED, and fails when one is missed.
# Not part of the tests; the figures are in docs/PERFORMANCE.md.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh bench
source scripts/jobs.sh

cmake --preset bench
cmake --build --preset bench
bash scripts/check-run-paths.sh build/bench build/bench/bench/engine_bench \
    build/bench/bench/gui_bench build/bench/bench/long_fight_bench

export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi
echo "Machine: $(lscpu | sed -n 's/^Model name:[[:space:]]*//p'), $(nproc) cores," \
    "$(free -g | awk '/^Mem:/ {print $2}') GiB, load average $(cut -d' ' -f1-3 /proc/loadavg)"

missed=0
build/bench/bench/engine_bench --benchmark_out=build/bench/engine_bench.json \
    --benchmark_out_format=json || missed=1
# Repetitions of the start-up benchmarks take turns, so both see the same machine load.
build/bench/bench/gui_bench --benchmark_enable_random_interleaving=true \
    --benchmark_out=build/bench/gui_bench.json --benchmark_out_format=json \
    2> >(grep -v 'does not support propagateSizeHints' >&2) || missed=1
build/bench/bench/long_fight_bench --benchmark_out=build/bench/long_fight_bench.json \
    --benchmark_out_format=json 2> >(grep -v 'does not support propagateSizeHints' >&2) || missed=1
exit "$missed"
