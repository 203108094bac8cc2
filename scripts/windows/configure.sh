#!/usr/bin/env bash
# Configures a cross build of the project for 64-bit Windows against the
# cached Qt (build-qt.sh must have run):
#
#   scripts/windows/configure.sh BUILD_DIR [CMAKE_ARGS...]
#
# Programs built for Windows run under Wine wherever the build or CTest runs
# them (the manual generator, the tests). The Qt source version and configure
# line go into the notices the Windows folder ships (THIRD-PARTY.txt).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/qt.sh"
qt_cached || { echo "configure.sh: no Qt for Windows in $qt_prefix; run build-qt.sh" >&2; exit 1; }
build=${1:?usage: configure.sh BUILD_DIR [CMAKE_ARGS...]}
shift
export TARVEK_WINDOWS_QT=$qt_prefix
mkdir -p "$(dirname "$build")"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -dumpmachine)
cmake -S "$here/../.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$here/../../cmake/MingwW64Toolchain.cmake" \
  -DCMAKE_PREFIX_PATH="$qt_prefix" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
  -DCMAKE_STRIP="$(command -v x86_64-w64-mingw32-strip)" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh" \
  -DTARVEK_QT_SOURCE_VERSION="$qt_source_version" \
  -DTARVEK_QT_CONFIGURE_OPTIONS="${qt_configure_options[*]}" "$@" >"$build.configure.log" 2>&1 ||
  { tail -30 "$build.configure.log"; exit 1; }
