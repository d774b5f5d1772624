#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from its SVG. The PNGs are committed, so that
# building and packaging need no SVG renderer; run this after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" com.example.Quellora.svg -o "${size}x${size}/com.example.Quellora.png"
done
