#!/usr/bin/env bash
# Configures and builds Talvane into ./build (or $TALVANE_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TALVANE_BUILD_DIR:-$root/build}
jobs=${TALVANE_JOBS:-$(nproc)}
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
# Share cached objects between checkouts in different folders (CI clones afresh each time).
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
cmake -S "$root" -B "$build" -G Ninja "$@"
cmake --build "$build" -j "$jobs"
