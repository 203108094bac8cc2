#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its tests need, asking
# apt only for what is missing: the mingw-w64 cross compiler with POSIX
# threads (which Qt 6 needs), Wine to run the results, NSIS for the
# installer, and what fetching Qt's sources and running the tests take.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools
          g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis
          dpkg-dev xz-utils ca-certificates)
if [[ "${1:-}" == "test" ]]; then
  packages+=(googletest xvfb xauth imagemagick fonts-wine
             qt6-serialport-dev libqt6serialport6 libgtest-dev python3)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  as_root=()
  [[ $(id -u) -eq 0 ]] || as_root=(sudo)
  "${as_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
