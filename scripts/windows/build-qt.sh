#!/usr/bin/env bash
# Cross-builds Debian's own qtbase for 64-bit Windows into the cache folder
# of qt.sh, unless it is already there. The source comes from Debian's source
# package through a private apt list (the system's sources are not touched),
# and its files are checked against the hashes of the .dsc before unpacking.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/qt.sh"

if qt_cached; then
  echo "Qt for Windows: cached in $qt_prefix"
  exit 0
fi

work=$qt_cache_root/work-$qt_key
rm -rf "$work"
mkdir -p "$work/lists/partial" "$work/sources.d" "$work/download"
# shellcheck disable=SC1091
. /etc/os-release
cat >"$work/sources.d/debian-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: ${VERSION_CODENAME:-bookworm}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
apt_private=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/sources.d"
             -o "Dir::State::Lists=$work/lists" -o APT::Sandbox::User=root)
echo "Qt for Windows: fetching $qt_source_package $qt_source_version from Debian's sources"
apt-get -q "${apt_private[@]}" update >"$work/apt.log" 2>&1 || { tail -5 "$work/apt.log"; exit 1; }
(cd "$work/download" &&
  apt-get -q "${apt_private[@]}" source --download-only "$qt_source_package=$qt_source_version") \
  >>"$work/apt.log" 2>&1 || { tail -5 "$work/apt.log"; exit 1; }

# Every file the .dsc names must have the SHA-256 it states.
dsc=$(echo "$work/download"/*.dsc)
(cd "$work/download" &&
  sed -n '/^Checksums-Sha256:/,/^[^ ]/p' "$dsc" | awk 'NF == 3 { print $1 "  " $3 }' | sha256sum -c --quiet)
echo "Qt for Windows: source files match $(basename "$dsc")"
dpkg-source -x "$dsc" "$work/src" >>"$work/apt.log" 2>&1

echo "Qt for Windows: configuring and building into $qt_prefix (about 80 CPU-minutes, so 40 minutes on 2 quiet cores; once)"
mkdir -p "$work/build"
(cd "$work/build" &&
  "$work/src/configure" -prefix "$qt_prefix" "${qt_configure_options[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/../../cmake/MingwW64Toolchain.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake") \
  >"$work/configure.log" 2>&1 || { tail -20 "$work/configure.log"; exit 1; }
nice -n 5 cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
  { grep -m5 -B2 -A5 'error' "$work/build.log"; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -20 "$work/install.log"; exit 1; }
# Qt's LGPL asks that its licence texts travel with the DLLs.
mkdir -p "$qt_prefix/licenses"
cp "$work/src/LICENSES/"* "$qt_prefix/licenses/"
touch "$qt_prefix/.complete"
rm -rf "$work"
echo "Qt for Windows: built into $qt_prefix"
