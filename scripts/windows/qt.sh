# The cross-built Qt for the Windows build: which Debian source it comes from,
# how it is configured and where it is cached. Sourced by build-windows.sh,
# test-windows.sh and .ci/run, so that all three agree on the cache folder.
#
# Only what the program and its tests need is built: Core, Gui, Widgets and
# Test, the qwindows and qoffscreen platform plugins and the windowsvista
# style. The bundled third-party libraries are used, since the Windows side
# has no system copies. Debian's source drops 3rdparty/wintab, so tablet
# events are off, and DirectWrite 3 does not link without Direct 2D 1.3.

qt_source_package=qt6-base
qt_source_version=6.4.2+dfsg-10
qt_configure_options=(
  -release -shared -xplatform win32-g++ -qt-host-path /usr
  -nomake tests -nomake examples
  -no-opengl -no-feature-vulkan -no-dbus -no-feature-sql -no-feature-network
  -no-feature-printsupport -no-feature-concurrent -no-feature-xml
  -qt-zlib -qt-pcre -qt-harfbuzz -qt-libpng -qt-libjpeg -qt-freetype -qt-doubleconversion
  -no-zstd -no-feature-tabletevent -no-feature-directwrite3
)

# The cache folder is named for the Qt version and a hash of the configure
# line and the toolchain file, so changing either builds a new Qt beside it.
qt_cache_root=${TARVEK_QT_CACHE:-/var/cache/tarvek-config}
qt_key=$( { echo "$qt_source_version"; printf '%s\n' "${qt_configure_options[@]}";
            cat "$(dirname "${BASH_SOURCE[0]}")/../../cmake/MingwW64Toolchain.cmake"; } |
          sha256sum | cut -c1-12)
qt_prefix=$qt_cache_root/qt-${qt_source_version%%+*}-mingw64-$qt_key

# True when a complete cross-built Qt is in the cache.
qt_cached() { [ -f "$qt_prefix/.complete" ]; }
