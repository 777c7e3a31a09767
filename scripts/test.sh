#!/usr/bin/env bash
# Sets up, configures, builds (with AddressSanitizer and UBSan, warnings as errors) and runs every
# test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja -DORVEX_SANITIZE=ON -DORVEX_WERROR=ON -DORVEX_BUILD_TESTS=ON
cmake --build build -j "$(nproc)"
cd build
ctest --output-on-failure -j "$(nproc)" "$@"
