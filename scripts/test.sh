#!/usr/bin/env bash
# Everything from a fresh Debian 12 machine to a finished test run: packages, build, every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TALVANE_BUILD_DIR:-$root/build}
bash "$root/scripts/install-deps.sh"
# The light "Check" build unless TALVANE_BUILD_TYPE asks for another.
bash "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE="${TALVANE_BUILD_TYPE:-Check}" -DTALVANE_BUILD_TESTS=ON
cd "$build"
# Most tests wait on an engine, a timer or a child process: twice as many tests as cores keeps the
# cores busy (on two cores the suite takes 110 s instead of 170 s).
ctest --output-on-failure -j "$((${TALVANE_JOBS:-$(nproc)} * 2))" "$@"
