#!/usr/bin/env bash
# Sets the resolution, in pixels per inch, that programs see in the Wine
# prefix of wine-run.sh (WINEPREFIX). Wine reads it from two keys when its
# server starts, so the server is ended here; the next program starts it anew.
#
#   wine-dpi.sh DPI
set -euo pipefail
dpi=${1:?usage: wine-dpi.sh DPI}
wine_run=$(cd "$(dirname "$0")" && pwd)/wine-run.sh
"$wine_run" reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
"$wine_run" reg add "HKLM\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts" \
  /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w
