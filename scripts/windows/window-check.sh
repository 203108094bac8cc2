#!/usr/bin/env bash
# Starts tarvek-config.exe under Wine on a virtual X display: once with
# --quit-after-show, which ends with 0 only after the main window has been
# painted, then again to capture the screen into PNG for a person to look at.
#
#   window-check.sh TARVEK_CONFIG_EXE OUTPUT_PNG
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "${1:?usage: window-check.sh EXE PNG}")
png=${2:?usage: window-check.sh EXE PNG}

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done

if timeout 180 "$here/wine-run.sh" "$exe" --quit-after-show; then
  echo "ok   the main window was painted"
else
  echo "FAIL tarvek-config.exe did not paint its window (exit $?)"
  exit 1
fi

# Under Wine, Qt's default Windows font engine draws no text in line edits;
# FreeType draws it, so the screenshot shows what the window really holds.
(cd "$(dirname "$exe")" && exec "$here/wine-run.sh" "$exe" -platform windows:fontengine=freetype) &
app=$!
sleep 15
kill -0 "$app" 2>/dev/null || { echo "FAIL tarvek-config.exe ended before the screenshot"; exit 1; }
import -display "$display" -window root "$png"
echo "ok   screenshot in $png"
