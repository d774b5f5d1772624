#!/usr/bin/env bash
# Cross-builds the core, the scenario runner and the unit tests for 64-bit Windows with MinGW-w64
# (preset windows-core, GoogleTest built from Debian's sources with the same compiler) and runs
# every unit test and every scenario file under Wine, in the C locale and in German.
# Called by scripts/test.sh after scripts/setup.sh test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$PWD/build/windows-core
jobs=$(nproc)

if [[ ! -f $build/googletest/lib/cmake/GTest/GTestConfig.cmake ]]; then
  cmake -S /usr/src/googletest -B "$build/googletest-build" -G Ninja -DBUILD_GMOCK=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$build/googletest" >/dev/null
  cmake --build "$build/googletest-build" -j "$jobs"
  cmake --install "$build/googletest-build" >/dev/null
fi
cmake --preset windows-core >/dev/null
cmake --build --preset windows-core -j "$jobs"

# One Wine server for all runs, with the compiler's runtime on the Windows PATH. Its background
# services start with wineboot, away from the output of the tests.
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPATH='Z:\usr\lib\gcc\x86_64-w64-mingw32\12-posix;Z:\usr\x86_64-w64-mingw32\lib'
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k || true' EXIT
wineboot -i >/dev/null 2>&1

# The whole suite in one process each: a Wine process takes far longer to start than any test.
log=$build/wine.log
for locale in C de_DE.UTF-8; do
  echo "== Under Wine, LC_ALL=$locale"
  if ! LC_ALL=$locale wine "$build/tests/quellora-tests.exe" --gtest_brief=1 >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
  # A skip would mean that Windows has no German locale by the names the test tries.
  if grep -q SKIPPED "$log"; then
    cat "$log"
    exit 1
  fi
  tail -n 2 "$log"
  LC_ALL=$locale wine "$build/src/scenario/quellora-scenario.exe" tests/scenarios/*.scn
done
