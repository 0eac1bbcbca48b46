#!/bin/sh
# Sets up, builds with warnings as errors (the benchmarks too, which it does not run) and runs every test.
# Fails when a build or a test fails, or when no test ran.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEK_WERROR=ON -DVEK_BENCH=ON
cmake --build build-test
cd build-test
ctest --output-on-failure --no-tests=error -j "$(nproc)"
