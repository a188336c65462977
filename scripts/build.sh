#!/usr/bin/env bash
# Configures and builds Talvane into ./build (or $TALVANE_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TALVANE_BUILD_DIR:-$root/build}
jobs=${TALVANE_JOBS:-$(nproc)}
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
cmake -S "$root" -B "$build" -G Ninja "$@"
cmake --build "$build" -j "$jobs"
