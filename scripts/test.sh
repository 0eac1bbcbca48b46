#!/bin/sh
# Sets up, builds with warnings as errors and runs every test. Fails when a test fails or none ran.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEK_WERROR=ON
cmake --build build-test
cd build-test
ctest --output-on-failure --no-tests=error -j "$(nproc)"
