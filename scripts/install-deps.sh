#!/usr/bin/env bash
# Installs the Debian 12 or 13 packages that building (and, with "test", testing)
# needs, asking apt only for what is missing. Run as root or through sudo.
set -euo pipefail
source "$(dirname "$0")/packages.sh"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev
          libqt6serialport6 fonts-dejavu-core)
if [[ "${1:-}" == "test" ]]; then
  packages+=(libgtest-dev libgmock-dev clang libclang-rt-dev clang-format clang-tidy locales
            desktop-file-utils appstream man-db dpkg-dev file lintian)
fi

install_missing_packages "${packages[@]}"

# Number handling is tested under an Italian locale (decimal comma).
if [[ "${1:-}" == "test" ]] && ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
  as_root sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen || echo 'it_IT.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
