#!/usr/bin/env bash
# Sets up what is missing, builds Quellora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
cmake --preset dev >/dev/null
cmake --build --preset dev --target quellora
exec build/dev/src/app/quellora "$@"
