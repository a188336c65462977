#!/usr/bin/env bash
# Runs a test on a private X display with a window manager that frames its windows (openbox), as
# a desktop session has one: where windows end up depends on the frames it draws. Without
# openbox the test runs on the bare display and skips what needs the frames.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if command -v openbox > /dev/null; then
  export TALVANE_WINDOW_MANAGER=openbox
fi
exec "$here/with-display.sh" "$@"
