#!/usr/bin/env bash
# Installs every Debian package Talvane needs to build, run and test. Safe to run again.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build ccache pkg-config git
  # Qt 6 and its translation tools
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n libqt6opengl6-dev qt6-svg-dev libgl-dev
  qt6-image-formats-plugins   # TIFF writer for watermark images
  # libraries
  libdvdread-dev libplist-dev libicu-dev libuchardet-dev libmediainfo-dev libmediainfo0v5
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libswresample-dev libavfilter-dev
  iso-codes
  libexif-dev   # photo dates, orientation and GPS positions
  # tests
  libgtest-dev libgmock-dev libbenchmark-dev
  # engines
  mencoder mplayer ffmpeg handbrake-cli atomicparsley
  # test media authoring and checking
  dvdauthor genisoimage xorriso lsdvd
  exiv2   # EXIF written into the fixture photos
  # desktop helpers, offscreen and real-window runs
  xdg-utils xvfb xauth fonts-dejavu-core fontconfig
  # a window manager that frames windows, for the tests of where windows go (test_wm_*)
  openbox x11-utils
  # OpenGL on the private X display of the drawing tests: Mesa's software renderer
  libgl1-mesa-dri libglx-mesa0
  # the recorders: pointer clicks (XInput 2); tests click with xdotool and record a private
  # PulseAudio server's output
  libxcb-xinput-dev xdotool pulseaudio
  # the screen recorder's live picture: the X server scales the screen (RENDER) when it changed (DAMAGE)
  libxcb-render0-dev libxcb-damage0-dev
  # free stand-ins for the subtitle fonts (copied into share/talvane/fonts by the build)
  fonts-droid-fallback
  # Japanese, Korean and Chinese in the interface and the Language menu (Noto Sans CJK)
  fonts-noto-cjk
)

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
