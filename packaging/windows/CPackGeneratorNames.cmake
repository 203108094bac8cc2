# Read by cpack once per generator: the installer is named ...-setup.exe, so
# that it stands apart from the zip of the same folder.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
