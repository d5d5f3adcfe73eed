#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: install the Debian packages that are
# missing, then configure and build into build/.
#   scripts/setup.sh          packages for building and running
#   scripts/setup.sh --tests  also what the tests need (the install check
#                             validates the desktop files and builds the .deb)
#   scripts/setup.sh --screenshots  also what scripts/screenshots.sh needs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  cmake make g++ pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri libjpeg-dev libxcb1-dev
  fonts-liberation fontconfig
)
case "${1:-}" in
  --tests)
    # Openbox: a window manager for the tests of the main window's place.
    packages+=(clang libclang-rt-14-dev xvfb xauth x11-utils imagemagick openbox xdotool
               desktop-file-utils appstream dpkg-dev file groff-base libxml2-utils
               dbus-daemon at-spi2-core) ;;
  --screenshots)
    packages+=(xvfb xauth x11-utils imagemagick xdotool openbox) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
fi

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j2
