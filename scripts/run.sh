#!/bin/sh
# Sets up, builds and starts the program. The pool's data files live in the program's folder (build/).
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target vekpool
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/vekpool
else
    exec xvfb-run -a build/vekpool
fi
