#!/bin/sh
# Builds the benchmark program and runs every figure, under a virtual X server
# when there is no display. Extra arguments go to the program (one figure's
# name runs only that figure).
#
# Usage: tools/bench.sh [FIGURE]      BUILD=build-x tools/bench.sh
set -eu

cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
JOBS=${JOBS:-$(nproc)}

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$JOBS" --target velloc-bench

export ALSOFT_DRIVERS=null
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$BUILD/bench/velloc-bench" "$@"
fi
exec "$BUILD/bench/velloc-bench" "$@"
