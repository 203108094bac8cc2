#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in the folder that
# holds the instruction manual, so that Help (F1) finds it. Under sudo the
# program itself runs as the invoking user, on that user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEK_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
cd build/release/bin
if [[ -n "${SUDO_USER:-}" && $(id -u) -eq 0 ]]; then
  exec sudo -u "$SUDO_USER" env DISPLAY="${DISPLAY:-:0}" \
    XAUTHORITY="${XAUTHORITY:-$(getent passwd "$SUDO_USER" | cut -d: -f6)/.Xauthority}" \
    WAYLAND_DISPLAY="${WAYLAND_DISPLAY:-}" XDG_RUNTIME_DIR="/run/user/$(id -u "$SUDO_USER")" \
    ./tarvek-config "$@"
fi
# From a root shell (no sudo) the program runs as root on the session's display.
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]]; then
  echo "run.sh: no display to open the window on (DISPLAY is not set)." >&2
  echo "Run it from a terminal of the desktop session, or set DISPLAY (e.g. DISPLAY=:0)." >&2
  exit 1
fi
exec ./tarvek-config "$@"
