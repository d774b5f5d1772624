#!/usr/bin/env bash
# Runs the real-window suite: the program under Xvfb with openbox, driven by xdotool and read
# through the accessibility bus of its own D-Bus session.
# Usage: tests/window/run.sh PROGRAM [PICTURE_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:?the program to test}")
pictures=${2:+$(realpath "$2")}
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  dbus-run-session -- /usr/bin/python3 "$here/window_test.py" "$program" ${pictures:+"$pictures"} \
  < /dev/null
