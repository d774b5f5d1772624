#!/usr/bin/env bash
# The real-window suite: on one Xvfb server with openbox and a D-Bus session of its own, the
# text-fit test of the binding at scales 1, 1.5 and 2 with the server's fonts, then the program
# driven by xdotool and read through the accessibility bus (window_test.py).
# Usage: tests/window/run.sh BUILD_DIR
set -euo pipefail
if [[ "${1:-}" != --inside ]]; then
  build=$(realpath "${1:?the build directory}")
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    dbus-run-session -- "$0" --inside "$build" < /dev/null
fi
build=$2
export QT_QPA_PLATFORM=xcb
for scale in 1 1.5 2; do
  QT_SCALE_FACTOR=$scale "$build/tests/qt/quellora-qt-binding" -silent widestTextsFit
done
exec timeout 300 /usr/bin/python3 "$(dirname "$0")/window_test.py" "$build/src/app/quellora"
