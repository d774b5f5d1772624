#!/usr/bin/env bash
# Sets up what is missing, builds Quellora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
# The program alone: running it needs none of the test tools.
cmake --preset app >/dev/null
cmake --build --preset app --target quellora
exec build/app/src/app/quellora "$@"
