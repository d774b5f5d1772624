#!/bin/sh
# Start-up time to the first painted frame and peak memory of the program beside an empty Qt
# window, each started RUNS times under its own Xvfb. Usage: measure-startup.sh BUILD_DIR [RUNS]
set -eu
build=${1:?build directory}
runs=${2:-5}
for program in "$build/src/app/quellora" "$build/tests/qt/quellora-bench-emptywindow"; do
    echo "== $(basename "$program")"
    i=0
    while [ "$i" -lt "$runs" ]; do
        QUELLORA_EXIT_AFTER_SHOW=1 xvfb-run -a /usr/bin/time -f "wall %e s, peak RSS %M kB" \
            "$program" 2>&1 | grep -E "first frame|peak RSS"
        i=$((i + 1))
    done
done
