#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test headlessly: the unit tests, the
# scenario files, the Qt binding tests (offscreen) and the real-window suite (under Xvfb), in the
# C locale and in German; then the core again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the core for Windows under Wine, and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"
# Numbers read and show the same whatever the process locale: all of it again in German, where
# "," is the decimal separator and "." groups thousands.
LC_ALL=de_DE.UTF-8 ctest --preset dev -j "$jobs"

cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

# Windows: the core, the scenario runner and the unit tests cross-built with MinGW-w64 and run
# under Wine, in the C locale and in German.
scripts/wine-tests.sh

# A bounded run of each fuzzer from its seed corpus.
scripts/fuzz.sh 30 event
