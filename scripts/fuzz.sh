#!/usr/bin/env bash
# Fuzzes the readers of what the program does not control (disc structures, profiles, the
# settings archive, subtitle files, the engines' status lines, the players' output, frame socket
# and yuv4mpeg stream) with libFuzzer, AddressSanitizer and UBSan.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# Builds the fuzz programs with clang into build-fuzz/ (or $TALVANE_FUZZ_BUILD_DIR) and runs each
# target (all of them by default: ifo_reading ifo_frames profile_reader settings_archive
# subtitle_reader status_lines player_status player_wire y4m_stream) for SECONDS (default 60). The corpus grows in build-fuzz/corpus/,
# starting from tests/fuzz/seeds/ and, for the IFO reader, the authored test discs. A crashing
# input is written to build-fuzz/crashers/<target>/ and the run of that target stops there: fix the
# fault, copy the input into tests/fuzz/crashers/<target>/, and the ordinary test FuzzCrashers
# keeps it from coming back. libdvdread itself crashes on some damaged discs (the program reads
# discs in a child process for that reason), so the IFO reader goes on after a crash and collects
# them all; its crashers inside libdvdread are kept as fixtures too, replayed the isolated way.
# The exit status is 1 when a target crashed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TALVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}
jobs=${TALVANE_JOBS:-$(nproc)}
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(ifo_reading ifo_frames profile_reader settings_archive subtitle_reader status_lines
           player_status player_wire y4m_stream)
fi

# The fuzzing toolchain is needed here only, not by the ordinary build.
need=()
command -v clang-14 >/dev/null || need+=(clang-14)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed" || need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
  echo "fuzz: installing ${need[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
bash "$root/scripts/install-deps.sh"

export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALVANE_BUILD_FUZZ=ON -DTALVANE_BUILD_TESTS=ON
cmake --build "$build" -j "$jobs" --target talvane_resources "${targets[@]/#/fuzz_}"

# The IFO reader starts from the authored discs: the menu IFO and the title set's, as one input.
fixtures=$root/build/fixtures
if [ ! -f "$fixtures/dvd/ntsc/VIDEO_TS/VIDEO_TS.IFO" ]; then
  fixtures=$build/fixtures
  bash "$root/tests/fixtures/make-fixtures.sh" "$fixtures"
fi

# Moves the crashers of the IFO reader that crash inside libdvdread into a folder of their own,
# and drops those that no longer crash.
set_aside_libdvdread_crashes() {
  local folder=$1 program=$2 report top
  mkdir -p "$folder/libdvdread"
  for input in "$folder"/crash-* "$folder"/oom-* "$folder"/timeout-*; do
    [ -f "$input" ] || continue
    if report=$(ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 timeout 60 "$program" "$input" 2>&1); then
      rm -f "$input"
      continue
    fi
    top=$(echo "$report" | grep -E '^ +#[0-9]+ ' \
      | grep -vE 'sanitizer|interceptor|asan|ubsan|fuzzer::|libc\.so|crtstuff|calloc|malloc|free' | head -1 || true)
    case "$top" in *libdvdread.so*) mv "$input" "$folder/libdvdread/" ;; esac
  done
}

status=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  crashers=$build/crashers/$target
  mkdir -p "$corpus" "$crashers"
  seeds=$root/tests/fuzz/seeds/$target
  [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
  if [ "$target" = ifo_reading ]; then
    for disc in ntsc pal; do
      python3 - "$fixtures/dvd/$disc/VIDEO_TS" "$corpus/$disc.disc" <<'PY'
import struct, sys
folder, out = sys.argv[1], sys.argv[2]
vmg = open(folder + "/VIDEO_TS.IFO", "rb").read()
vts = open(folder + "/VTS_01_0.IFO", "rb").read()
open(out, "wb").write(struct.pack("<I", len(vmg)) + vmg + vts)
PY
    done
  fi
  extra=()
  if [ "$target" = ifo_reading ]; then
    extra=(-fork=1 -ignore_crashes=1)
  fi
  before=$(find "$crashers" -maxdepth 1 -type f | wc -l)
  echo "fuzz: $target for $seconds s"
  ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 QT_QPA_PLATFORM=offscreen \
    "$build/fuzz-bin/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
    -artifact_prefix="$crashers/" "${extra[@]}" "$corpus" || true
  if [ "$target" = ifo_reading ]; then
    set_aside_libdvdread_crashes "$crashers" "$build/fuzz-bin/fuzz_$target"
    echo "fuzz: $(find "$crashers/libdvdread" -type f | wc -l) inputs crash inside libdvdread ($crashers/libdvdread)"
  fi
  if [ "$(find "$crashers" -maxdepth 1 -type f | wc -l)" -gt "$before" ]; then
    echo "fuzz: $target crashed; the inputs are in $crashers" >&2
    status=1
  fi
done
exit $status
