#!/usr/bin/env bash
# Everything from a fresh Debian 12 machine to a finished test run: packages, build, every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TALVANE_BUILD_DIR:-$root/build}
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure -j "${TALVANE_JOBS:-$(nproc)}" "$@"
