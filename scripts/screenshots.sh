#!/usr/bin/env bash
# Builds Quellora (preset dev) and takes the README's pictures of the real program under Xvfb:
# docs/screenshots/compact.png, transformer.png and about.png at scale 1. The same three at
# scales 1.5 and 2 go into a temporary folder (or the one given), to check by eye that the
# layout scales without overlapping, cutting off or blurring anything.
# The program drives itself into each state (QUELLORA_SCREENSHOT, see src/app/screenshot.h).
# Usage: scripts/screenshots.sh [folder for the scaled pictures]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
command -v xvfb-run >/dev/null || scripts/setup.sh test

cmake --preset dev >/dev/null
cmake --build --preset dev --target quellora
program=build/dev/src/app/quellora

scaled=${1:-$(mktemp -d /tmp/quellora-screenshots.XXXXXX)}
mkdir -p docs/screenshots "$scaled"
runtime=$(mktemp -d /tmp/quellora-runtime.XXXXXX)
trap 'rm -rf "$runtime"' EXIT

# One picture: scale, state, file. The style and platform are fixed so that the pictures do not
# depend on the desktop the script runs on.
shoot() {
  QT_SCALE_FACTOR=$1 QUELLORA_SCREENSHOT_STATE=$2 QUELLORA_SCREENSHOT=$3 \
    QT_QPA_PLATFORM=xcb QT_STYLE_OVERRIDE=Fusion XDG_RUNTIME_DIR=$runtime \
    xvfb-run -a -s "-screen 0 1920x1200x24" "$program"
  echo "$3"
}

for state in compact transformer about; do
  shoot 1 "$state" "docs/screenshots/$state.png"
  for scale in 1.5 2; do
    shoot "$scale" "$state" "$scaled/$state-$scale.png"
  done
done
# Smaller files for the repository where ImageMagick is at hand: a picture of at most 256
# colours loses nothing as an 8-bit palette image.
if command -v convert >/dev/null; then
  for picture in docs/screenshots/*.png; do
    if (($(identify -format %k "$picture") <= 256)); then
      convert "$picture" -strip "PNG8:$picture"
    fi
  done
fi
