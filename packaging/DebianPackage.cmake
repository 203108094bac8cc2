# The Debian package, made by CPack: `cmake --build <dir> --target package` or
# `cpack` in the build folder gives tarvek-config_<version>_<arch>.deb.

set(TARVEK_PACKAGE_MAINTAINER "Tarvek Config developers <tarvek-config@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

# Debian asks every package for its copyright notice, in the machine-readable
# format, and a changelog compressed as gzip -9n, both in its doc folder.
set(TARVEK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarvek-config)
install(FILES debian/copyright DESTINATION ${TARVEK_DOC_DIR})
string(TIMESTAMP TARVEK_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(_changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog)
configure_file(debian/changelog.in ${_changelog} @ONLY)
add_custom_command(OUTPUT ${_changelog}.gz
                   COMMAND gzip -9nc ${_changelog} > ${_changelog}.gz
                   DEPENDS ${_changelog}
                   VERBATIM)
add_custom_target(tarvek_debian_changelog ALL DEPENDS ${_changelog}.gz)
install(FILES ${_changelog}.gz DESTINATION ${TARVEK_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvek-config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvek Config developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Program the Tarvek APRS position tracker over a serial line")
set(CPACK_PACKAGE_CONTACT "${TARVEK_PACKAGE_MAINTAINER}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME tarvek-config)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARVEK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description; CPack puts the summary above it as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tarvek Config fills in the settings of the Tarvek APRS position tracker
(callsign, digipeater path, status text, symbol, beacon intervals, GPS
timing, messages) in one window and uploads them over RS-232 or a USB
serial adapter. It saves and loads configurations as .cfg files, computes
the position text for GPSless Mode and shows the instruction manual.
.
The package also holds tarvek-cli, a command-line companion for scripts
and batch programming.")

# Library dependencies are computed from the binaries by dpkg-shlibdeps. Qt
# only recommends its platform plugins, without which the window cannot open
# on any display, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")

include(CPack)
