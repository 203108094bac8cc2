#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its tests need, asking
# apt only for what is missing: the mingw-w64 cross compiler with POSIX
# threads (which Qt 6 needs), Wine to run the results, NSIS for the
# installer, and what fetching Qt's sources and running the tests take.
set -euo pipefail
source "$(dirname "$0")/../packages.sh"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools
          g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis
          dpkg-dev xz-utils ca-certificates)
if [[ "${1:-}" == "test" ]]; then
  packages+=(googletest xvfb xauth imagemagick xdotool fonts-wine
             qt6-serialport-dev libqt6serialport6 libgtest-dev python3)
fi

install_missing_packages "${packages[@]}"
