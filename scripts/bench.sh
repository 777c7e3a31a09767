#!/usr/bin/env bash
# Sets up, builds the benchmark suite in Release and runs it. The last lines compare each program
# workload with the bare engine doing the same work: "ratio <workload>: <ratio>".
# Extra arguments go to the benchmark binary (e.g. --benchmark_filter=PatientList).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEX_BUILD_BENCH=ON -DORVEX_BUILD_TESTS=OFF
cmake --build build-bench -j "$(nproc)" --target orvex_bench

out=build-bench/bench-output.txt
build-bench/bench/orvex_bench --benchmark_repetitions=5 \
    --benchmark_out=build-bench/bench.json --benchmark_out_format=json "$@" | tee "$out"
echo
grep '^ratio ' "$out"
