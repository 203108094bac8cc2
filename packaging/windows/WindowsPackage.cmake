# The Windows folder and its packages. Everything sits in one folder, as
# Windows programs do:
#
#   tarvek-config.exe, tarvek-cli.exe, Tarvek_Config.rtf (Help, F1)
#   Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll      the cross-built Qt
#   platforms/qwindows.dll, styles/qwindowsvistastyle.dll
#   imageformats/qjpeg.dll                       JPEG pictures in the manual
#   libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll   the MinGW runtime
#   LICENSE                                      the program's licence (GPL-3.0-or-later)
#   THIRD-PARTY.txt                              what else the folder holds, and its licences
#   licenses/                                    Qt's and the runtime's licence texts
#
# `cmake --install` fills such a folder; `cpack` makes the zip and the NSIS
# installer (tarvek-config-<version>-win64.zip, ...-win64-setup.exe).

# The Qt this build found: <prefix>/lib/cmake/Qt6.
cmake_path(GET Qt6_DIR PARENT_PATH qt_cmake_dir)
cmake_path(GET qt_cmake_dir PARENT_PATH qt_lib_dir)
cmake_path(GET qt_lib_dir PARENT_PATH qt_prefix)

set(TARVEK_QT_DLLS Qt6Core Qt6Gui Qt6Widgets)
foreach(dll ${TARVEK_QT_DLLS})
  install(FILES ${qt_prefix}/bin/${dll}.dll DESTINATION .)
endforeach()
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
# The manual's pictures are PNG (built into Qt6Gui) or JPEG, which Qt reads
# through this plugin; without it a JPEG picture stays blank.
install(FILES ${qt_prefix}/plugins/imageformats/qjpeg.dll DESTINATION imageformats)

# The compiler's runtime DLLs, where the compiler itself finds them.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The MinGW runtime ${dll} was not found (${path})")
  endif()
  install(FILES ${path} DESTINATION .)
endforeach()

# A stripped install (cmake --install --strip, and cpack) strips the DLLs
# too: the program's own targets are stripped by CMake itself.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE dlls \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(dll \${dlls})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\")
    endforeach()
  endif()
")

# The program's licence, and the notices of what the folder bundles: Qt
# under the LGPL (with its source and configure line, which
# scripts/windows/configure.sh passes in from qt.sh), the code built into the
# Qt DLLs with its licence texts, and the MinGW runtime. The licence texts of
# Qt and of the runtime travel with the DLLs.
if(NOT TARVEK_QT_SOURCE_VERSION OR NOT TARVEK_QT_CONFIGURE_OPTIONS)
  message(FATAL_ERROR "TARVEK_QT_SOURCE_VERSION and TARVEK_QT_CONFIGURE_OPTIONS name the Qt "
                      "that is shipped: configure through scripts/windows/configure.sh")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/THIRD-PARTY.txt.in
               ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.txt @ONLY)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY.txt
        DESTINATION .)
install(DIRECTORY ${qt_prefix}/licenses/ DESTINATION licenses/Qt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses
        RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses
        RENAME mingw-w64.txt)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME tarvek-config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvek Config developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Program the Tarvek APRS position tracker over a serial line")
set(CPACK_PACKAGE_FILE_NAME tarvek-config-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tarvek Config")
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The installer's licence page.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# A 64-bit installer, installing under "Program Files" (not "(x86)"), with
# the program's icon, a Start-menu entry and an uninstaller. The entry starts
# the program in its folder.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "Tarvek Config")
set(CPACK_NSIS_DISPLAY_NAME "Tarvek Config ${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_LIST_DIR}/tarvek-config.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_LIST_DIR}/tarvek-config.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME tarvek-config.exe)
set(CPACK_PACKAGE_EXECUTABLES tarvek-config "Tarvek Config")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackGeneratorNames.cmake)

include(CPack)
