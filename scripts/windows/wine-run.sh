#!/usr/bin/env bash
# Runs a Windows program under Wine, for the build (the manual generator),
# CTest (as CMAKE_CROSSCOMPILING_EMULATOR) and the end-to-end checks: in the
# project's own Wine prefix, quietly, with the cross-built Qt and the MinGW
# runtime on the DLL search path. Exits with the program's exit code.
#
#   scripts/windows/wine-run.sh [--as-shipped] PROGRAM.exe [ARGS...]
#
# --as-shipped runs the program as a user's Windows would: with no DLL path
# of the build's, so that it finds Qt, its plugins and the runtime only in
# its own folder.
#
# WINEPREFIX may name another prefix; the default is build/windows/wine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/qt.sh"

# A Unix path as Wine's Z: drive sees it.
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }

export WINEPREFIX=${WINEPREFIX:-$(cd "$here/../.." && pwd)/build/windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# Nothing may ask to install Mono or Gecko in the middle of a test.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine hides QT_* variables from Windows programs; it passes WINEQT_* on as QT_*.
while IFS= read -r name; do
  export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine wineboot --init >/dev/null 2>&1 || true
  wineserver --wait
fi

if [[ "${1:-}" == "--as-shipped" ]]; then
  shift
  unset WINEPATH
  exec wine "$@"
fi
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
threads=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="$(windows_path "$qt_prefix/bin");$(windows_path "$runtime");$(windows_path "$threads")"
exec wine "$@"
