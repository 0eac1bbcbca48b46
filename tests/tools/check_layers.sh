#!/bin/sh
# Fails when a source folder includes a header of a folder above it. The order is the one of
# src/CMakeLists.txt: model, engine, session,
# widgets, the windows (entry, setup and views side by side, each on its own), reports, output, app.
set -eu
src="$1"
rank() {
    case "$1" in
    model) echo 0 ;; engine) echo 1 ;; session) echo 2 ;; widgets) echo 3 ;;
    entry | setup | views) echo 4 ;; reports) echo 5 ;; output) echo 6 ;; app) echo 7 ;;
    *) echo 9 ;;
    esac
}
status=0
for dir in model engine session widgets entry setup views reports output app; do
    [ -d "$src/$dir" ] || continue
    own=$(rank "$dir")
    for used in $(grep -ho '#include "[a-z]*/' "$src/$dir"/*.h "$src/$dir"/*.cpp 2>/dev/null |
        sed 's/#include "//; s#/##' | sort -u); do
        if [ "$(rank "$used")" -gt "$own" ] ||
            { [ "$(rank "$used")" -eq "$own" ] && [ "$used" != "$dir" ]; }; then
            echo "$dir includes from $used, which lies above it" >&2
            status=1
        fi
    done
done
exit $status
