#!/usr/bin/env bash
# Builds the Debian package of Quellora from a Release build: build/package/quellora_*.deb.
# With --check it then tries the package on this machine as root: installs it with apt-get
# (which pulls in the Qt libraries it depends on), starts the installed program under Xvfb,
# looks for its window, removes the package and checks that its files are gone.
# Usage: scripts/package.sh [--check]    (BUILD_DIR=... chooses another build directory)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh package

build=${BUILD_DIR:-build/package}
# -O2, the level Debian builds its own packages at (GCC 12 at -O3 also warns falsely about
# overlapping copies inside std::string, which -Werror turns into a failed build).
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF -DQUELLORA_BENCH=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/quellora_*.deb
(cd "$build" && cpack -G DEB)
deb=$(realpath "$build"/quellora_*.deb)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

[[ "${1:-}" == --check ]] || exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$deb"
mapfile -t files < <(dpkg -L quellora | while read -r f; do [[ -f $f ]] && echo "$f"; done)
echo "Installed ${#files[@]} files"

# The program runs until it is closed: give it time to show its window, then look at the
# windows and at the icon sizes the main window offers the window manager.
look='/usr/bin/quellora & sleep 3
  xwininfo -root -tree
  window=$(xwininfo -root -tree | awk "/Quellora\": \\(\"quellora\"/ {print \$1; exit}")
  [ -n "$window" ] && xprop -id "$window" -notype -len 1000000 _NET_WM_ICON | grep -o "Icon ([0-9]* x [0-9]*)"
  kill $! || echo "The program ended by itself"'
seen=$(xvfb-run -a sh -c "$look")
if grep -q 'ended by itself' <<<"$seen"; then
  echo "The installed program did not keep running" >&2
  exit 1
fi
# A top-level window of the program's class whose title names it.
if ! grep -Eq 'Quellora": \("quellora" "Quellora"\)' <<<"$seen"; then
  echo "No window titled Quellora appeared" >&2
  exit 1
fi
if ! grep -q 'Icon (16 x 16)' <<<"$seen"; then
  echo "The window has no 16 x 16 icon" >&2
  exit 1
fi
echo "The installed program showed its window with icon sizes:" $(grep -o '[0-9]* x [0-9]*' <<<"$seen")

"${sudo[@]}" apt-get remove -y -qq quellora
left=()
for f in "${files[@]}"; do [[ -e $f ]] && left+=("$f"); done
if ((${#left[@]})); then
  echo "Left after removal: ${left[*]}" >&2
  exit 1
fi
echo "Removed: none of the ${#files[@]} files is left"
