# The resources every Windows program of the project carries: its version
# information (Properties > Details, Task Manager), its manifest and, for the
# window program, its icon.
#
#   tarvek_windows_resources(TARGET "description" [ICON file.ico])
#
# The manifest runs the program with its user's rights (asInvoker), declares
# Windows 10 and 11, and says nothing of DPI awareness: Qt sets that itself
# at start-up and warns when a manifest has set another.

set(TARVEK_WINDOWS_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(tarvek_windows_resources target description)
  cmake_parse_arguments(ARG "" "ICON" "" ${ARGN})
  set(TARVEK_RC_NAME ${target})
  set(TARVEK_RC_DESCRIPTION "${description}")
  set(TARVEK_RC_ICON "")
  if(ARG_ICON)
    set(TARVEK_RC_ICON "IDI_ICON1 ICON \"${ARG_ICON}\"")
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/windows-resources)
  set(TARVEK_RC_MANIFEST ${dir}/${target}.manifest)
  configure_file(${TARVEK_WINDOWS_RESOURCE_DIR}/program.manifest.in ${TARVEK_RC_MANIFEST} @ONLY)
  configure_file(${TARVEK_WINDOWS_RESOURCE_DIR}/program.rc.in ${dir}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${dir}/${target}.rc)
  set_source_files_properties(${dir}/${target}.rc PROPERTIES
                              OBJECT_DEPENDS "${TARVEK_RC_MANIFEST};${ARG_ICON}")
endfunction()
