#!/usr/bin/env bash
# Installs the Debian packages Quellora builds, runs and tests with, only when one is missing.
# Usage: scripts/setup.sh [run|test|package|windows]
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation)
if [[ "${1:-run}" == test ]]; then
  packages+=(googletest libgtest-dev xvfb xauth clang libclang-rt-14-dev locales
             desktop-file-utils appstream libbenchmark-dev time
             # The real-window suite: a window manager, real X input, the clipboard, the
             # accessibility bus and a D-Bus session for it.
             openbox xdotool xclip x11-utils python3 python3-pyatspi at-spi2-core dbus
             dbus-x11)
elif [[ "${1:-run}" == package ]]; then
  # dpkg-shlibdeps and file find the package's dependencies; Xvfb and xwininfo see it start.
  packages+=(dpkg-dev file xvfb xauth x11-utils)
fi

# Windows: MinGW-w64 cross-compiles, Wine runs the result. The tests cross-build the core and
# GoogleTest from its Debian sources; scripts/windows.sh also builds Qt from source (dpkg-dev
# unpacks it) and makes the installer with NSIS, then looks at it under Xvfb and reads the
# window's figures by OCR.
if [[ "${1:-run}" == test || "${1:-run}" == windows ]]; then
  packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64)
fi
if [[ "${1:-run}" == windows ]]; then
  packages+=(dpkg-dev nsis xvfb xauth x11-utils imagemagick tesseract-ocr tesseract-ocr-eng)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run a second time in German, where "," is the decimal separator.
if [[ "${1:-run}" == test ]] && ! grep -qiE '^de_DE\.utf-?8$' <<<"$(locale -a 2>/dev/null)"; then
  echo "Generating the locale de_DE.UTF-8"
  "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
