#!/usr/bin/env bash
# The real-window suite on one Xvfb server with a D-Bus session of its own: the binding's
# text-fit test at scales 1, 1.5 and 2 with the server's fonts, then window_test.py.
# Usage: tests/window/run.sh BUILD_DIR [textfit | ROW]   (ctest runs each part on its own)
set -euo pipefail
if [[ "${1:-}" != --inside ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    dbus-run-session -- "$0" --inside "$(realpath "${1:?the build directory}")" "${@:2}" < /dev/null
fi
export QT_QPA_PLATFORM=xcb
for scale in 1 1.5 2; do
  [[ -z ${3:-} || $3 == textfit ]] || break
  QT_SCALE_FACTOR=$scale "$2/tests/qt/quellora-qt-binding" -silent widestTextsFit
done
[[ ${3:-} != textfit ]] || exit 0
QUELLORA_WINDOW_ROW=${3:-} exec timeout 300 /usr/bin/python3 "$(dirname "$0")/window_test.py" "$2/src/app/quellora"
