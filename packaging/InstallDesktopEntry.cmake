# Install-time step: writes tarvek-config.desktop with Path set to the folder
# that holds the installed manual, then installs it like any other file (so
# DESTDIR and the install manifest apply).
#
# In: TARVEK_DESKTOP_TEMPLATE (the .desktop.in), TARVEK_DESKTOP_STAGED (where
# to write the filled-in entry), TARVEK_DATADIR (CMAKE_INSTALL_DATADIR), and
# the CMAKE_INSTALL_PREFIX of this install run.

if(IS_ABSOLUTE "${TARVEK_DATADIR}")
  set(_data_dir "${TARVEK_DATADIR}")
else()
  set(_data_dir "${CMAKE_INSTALL_PREFIX}/${TARVEK_DATADIR}")
endif()

set(TARVEK_MANUAL_DIR "${_data_dir}/tarvek-config")
configure_file("${TARVEK_DESKTOP_TEMPLATE}" "${TARVEK_DESKTOP_STAGED}" @ONLY)
file(INSTALL DESTINATION "${_data_dir}/applications" TYPE FILE FILES "${TARVEK_DESKTOP_STAGED}")
