#!/usr/bin/env bash
# Sets up, builds and starts the staged program (build/stage/Orvex/Orvex). Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -G Ninja
fi
cmake --build build -j "$(nproc)"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
exec build/stage/Orvex/Orvex "$@"
