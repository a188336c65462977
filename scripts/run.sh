#!/usr/bin/env bash
# Everything from a fresh Debian 12 machine to the running program: packages, build, start.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TALVANE_BUILD_DIR:-$root/build}
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE="${TALVANE_BUILD_TYPE:-RelWithDebInfo}" -DTALVANE_BUILD_TESTS=OFF
if [ -x "$build/bin/talvane" ]; then
  exec "$build/bin/talvane" "$@"
fi
echo "run.sh: the program is not built yet (no main window); the libraries and tools are in $build" >&2
