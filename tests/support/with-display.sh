#!/usr/bin/env bash
# Runs a test with an X display of its own: a private Xvfb, whose OpenGL is Mesa's software
# renderer. Xvfb picks a free display number itself (-displayfd), so tests run side by side.
set -euo pipefail
dir=$(mktemp -d "${TMPDIR:-/tmp}/talvane-display.XXXXXX")
mkfifo "$dir/ready"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3> "$dir/ready" 2> "$dir/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2> /dev/null; wait "$xvfb" 2> /dev/null; rm -rf "$dir"' EXIT
if ! read -r -t 20 display < "$dir/ready"; then
  echo "with-display: Xvfb did not start:" >&2
  cat "$dir/xvfb.log" >&2
  exit 1
fi
# xcb: the offscreen platform gives widgets no OpenGL.
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
