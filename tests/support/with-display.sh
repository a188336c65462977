#!/usr/bin/env bash
# Runs a test with an X display of its own: a private Xvfb, whose OpenGL is Mesa's software
# renderer. Xvfb picks a free display number itself (-displayfd), so tests run side by side.
# "--screen WxH" before the command gives the screen another size than 1280x800.
set -euo pipefail
screen=1280x800
if [ "${1:-}" = --screen ]; then
  screen=$2
  shift 2
fi
dir=$(mktemp -d "${TMPDIR:-/tmp}/talvane-display.XXXXXX")
mkfifo "$dir/ready"
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3> "$dir/ready" 2> "$dir/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2> /dev/null; wait "$xvfb" 2> /dev/null; rm -rf "$dir"' EXIT
if ! read -r -t 20 display < "$dir/ready"; then
  echo "with-display: Xvfb did not start:" >&2
  cat "$dir/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$display"
# A window manager when the caller names one (with-desktop.sh): the test starts once it manages
# the screen.
if [ -n "${TALVANE_WINDOW_MANAGER:-}" ]; then
  "$TALVANE_WINDOW_MANAGER" --sm-disable > "$dir/wm.log" 2>&1 &
  wm=$!
  trap 'kill "$wm" 2> /dev/null; wait "$wm" 2> /dev/null; kill "$xvfb" 2> /dev/null; wait "$xvfb" 2> /dev/null; rm -rf "$dir"' EXIT
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
    sleep 0.1
  done
fi
# xcb: the offscreen platform gives widgets no OpenGL.
QT_QPA_PLATFORM=xcb "$@"
