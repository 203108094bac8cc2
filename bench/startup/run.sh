#!/usr/bin/env bash
# Start-up benchmark: builds tarvek-config and a minimal Qt Widgets program
# (Release, no sanitizers) and compares their start-up time and peak memory,
# each run until its window is painted once. Uses an X server: $DISPLAY when
# set, otherwise a private Xvfb when installed, otherwise Qt's offscreen
# platform. Usage: bench/startup/run.sh [RUNS]   (default 25)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs="${1:-25}"
build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target tarvek-config bench_minimal_window bench_startup_runner >/dev/null

xvfb_pid=
cleanup() { [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [[ -z "${DISPLAY:-}" ]]; then
  if command -v Xvfb >/dev/null; then
    display=:$((90 + RANDOM % 9))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    sleep 1
    export DISPLAY=$display QT_QPA_PLATFORM=xcb
  else
    export QT_QPA_PLATFORM=offscreen
  fi
fi
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  export XDG_RUNTIME_DIR
  XDG_RUNTIME_DIR=$(mktemp -d)
fi
echo "platform: ${QT_QPA_PLATFORM:-xcb} on ${DISPLAY:-no display}"
"$build/bench/bench_startup_runner" "$runs" "$build/bin/tarvek-config" -- \
  "$build/bench/bench_minimal_window"
