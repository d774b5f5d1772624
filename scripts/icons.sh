#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from its SVG, and packs them into the .ico that
# Windows shows for the program. Both are committed, so that building and packaging need no SVG
# renderer; run this after changing the SVG.
# Needs rsvg-convert and icotool (Debian packages librsvg2-bin and icoutils).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" com.example.Quellora.svg -o "${size}x${size}/com.example.Quellora.png"
done
# Every size stays PNG-compressed inside the .ico, as Windows has read it since Vista.
sizes=()
for size in 16 32 48 64 128 256; do sizes+=(-r "${size}x${size}/com.example.Quellora.png"); done
icotool -c -o com.example.Quellora.ico "${sizes[@]}"
