#!/usr/bin/env bash
# Checks the shipped Windows folder under Wine as a user's Windows would run
# it: from the folder itself with no DLL path of the build's, with Wine's own
# fonts and Qt's default font engine, at 96, 120 and 144 pixels per inch
# (100, 125 and 150 %). At each:
#
#   - the widget tests of the captions and of the green button run beside
#     the shipped DLLs and plugins (a copy of the folder, with the test
#     programs and Qt's test DLL added): no caption clips, in normal and in
#     GPSless Mode;
#   - tarvek-config.exe starts from the folder; the screen is captured, then
#     17 Tabs from start-up reach the acquisition timeout, typing "000" there
#     switches to GPSless Mode, and the screen is captured again. The
#     captures are left for a person to look at; the green of "Calculate
#     GPSless Bcn" is checked from their pixels;
#   - at 96 dpi, tarvek-config.exe started in a folder whose manual holds a
#     JPEG picture shows the picture on F1: the JPEG reader is a plugin
#     (imageformats\qjpeg.dll), which only the shipped folder can provide.
#
#   window-check.sh DIST_DIR TEST_BUILD_DIR OUTPUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/qt.sh"
dist=$(realpath "${1:?usage: window-check.sh DIST_DIR TEST_BUILD_DIR OUTPUT_DIR}")
tests=$(realpath "${2:?usage: window-check.sh DIST_DIR TEST_BUILD_DIR OUTPUT_DIR}")
out=${3:?usage: window-check.sh DIST_DIR TEST_BUILD_DIR OUTPUT_DIR}
mkdir -p "$out"
out=$(realpath "$out")
wine_run=$here/wine-run.sh
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# The test programs beside a copy of the shipped folder.
beside=$out/dist-with-tests
rm -rf "$beside"
cp -r "$dist" "$beside"
test_programs=(ui_main_window_test.exe ui_calculator_window_test.exe)
for program in "${test_programs[@]}"; do
  cp "$(find "$tests" -name "$program" -print -quit)" "$beside/"
done
cp "$qt_prefix/bin/Qt6Test.dll" "$beside/"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
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

# Pixels of the capture in the button's green (0, 160, 0, shaded by the style),
# or with CHANNELS=magenta in the JPEG picture's (200, 0, 200).
green_pixels() {
  convert "$1" ppm:- | CHANNELS=${CHANNELS:-green} python3 -c '
import os, sys
data = sys.stdin.buffer.read()
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace():
        pos += 1
    end = pos
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[pos:end])
    pos = end
pixels = data[pos + 1:]
if os.environ["CHANNELS"] == "magenta":
    match = lambda r, g, b: r >= 170 and b >= 170 and g <= 50
else:
    match = lambda r, g, b: g >= 130 and r <= 80 and b <= 80
print(sum(1 for i in range(0, len(pixels), 3) if match(*pixels[i:i + 3])))'
}

window_shown() {
  xwininfo -root -tree 2>/dev/null | grep -q "\"${1:-Tarvek Config v3.0 by QX0ZZZ}\""
}

# A manual of one paragraph and a 64 x 64 JPEG picture in solid magenta.
jpeg_manual=$out/jpeg-manual
rm -rf "$jpeg_manual"
mkdir -p "$jpeg_manual"
convert -size 64x64 xc:'rgb(200,0,200)' -quality 95 "$jpeg_manual/picture.jpg"
{
  printf '{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 A picture:\\par\n'
  printf '{\\pict\\jpegblip\\picw64\\pich64\\picwgoal960\\pichgoal960\n'
  od -An -v -tx1 "$jpeg_manual/picture.jpg" | tr -d ' \n' | fold -w 64
  printf '\n}\\par}\n'
} >"$jpeg_manual/Tarvek_Config.rtf"

# The manual of the current folder, shown on F1: its picture on screen.
check_jpeg_manual() {
  (cd "$jpeg_manual" && exec "$wine_run" --as-shipped "$dist/tarvek-config.exe") &
  app=$!
  for _ in $(seq 150); do window_shown && break; sleep 0.2; done
  sleep 2
  xdotool key F1
  for _ in $(seq 50); do window_shown " Tarvek Config - Istruzioni" && break; sleep 0.2; done
  sleep 2
  import -display "$display" -window root "$out/manual-jpeg.png"
  local shown
  shown=$(CHANNELS=magenta green_pixels "$out/manual-jpeg.png")
  # 960 twips square: 64 x 64 pixels at 96 dpi.
  if [ "$shown" -ge 3000 ]; then
    echo "ok   the manual's JPEG picture is shown ($shown of its pixels); screenshot: $out/manual-jpeg.png"
  else
    fail "the manual's JPEG picture: $shown of its pixels on screen (at least 3000); see $out/manual-jpeg.png"
  fi
  kill "$app" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=
}

for dpi in 96 120 144; do
  bash "$here/wine-dpi.sh" "$dpi"
  echo "== $dpi pixels per inch"
  for program in "${test_programs[@]}"; do
    if (cd "$beside" && "$wine_run" --as-shipped "$program" \
          --gtest_filter='*Caption*:*Green*' >"$out/$program-$dpi.log" 2>&1); then
      echo "ok   $program: $(grep -c '^\[       OK' "$out/$program-$dpi.log") caption and colour tests pass"
    else
      fail "$program at $dpi dpi:"; grep -A3 'Failure\|FAILED' "$out/$program-$dpi.log" | head -20
    fi
  done

  (cd "$dist" && exec "$wine_run" --as-shipped ./tarvek-config.exe) &
  app=$!
  for _ in $(seq 150); do window_shown && break; sleep 0.2; done
  if ! window_shown; then
    fail "tarvek-config.exe showed no window at $dpi dpi"
    kill "$app" 2>/dev/null || true
    app=
    continue
  fi
  sleep 3
  import -display "$display" -window root "$out/window-$dpi-normal.png"
  for _ in $(seq 17); do xdotool key Tab; sleep 0.1; done
  xdotool type --delay 100 000
  sleep 2
  import -display "$display" -window root "$out/window-$dpi-gpsless.png"
  normal=$(green_pixels "$out/window-$dpi-normal.png")
  gpsless=$(green_pixels "$out/window-$dpi-gpsless.png")
  # The button is 1095 x 495 twips: about 2500 pixels at 96 dpi.
  least=$((2500 * dpi * dpi / 96 / 96 / 2))
  if [ "$normal" -lt 100 ] && [ "$gpsless" -ge "$least" ]; then
    echo "ok   GPSless Mode by Tab and \"000\"; the button is green ($gpsless green pixels, $normal before)"
  else
    fail "the green button at $dpi dpi: $gpsless green pixels in GPSless Mode (at least $least), $normal before"
  fi
  echo "     screenshots: $out/window-$dpi-normal.png, $out/window-$dpi-gpsless.png"
  kill "$app" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=
  if [ "$dpi" = 96 ]; then check_jpeg_manual; fi
done
bash "$here/wine-dpi.sh" 96
exit $((failures > 0))
