# What talks to the operating system has one file per system behind a shared
# header: STEM + Windows.cpp or STEM + Posix.cpp. This adds the file of the
# system being built for, for each STEM given.
#
#   tarvek_system_sources(target STEM...)
function(tarvek_system_sources target)
  if(WIN32)
    set(system Windows)
  else()
    set(system Posix)
  endif()
  foreach(stem IN LISTS ARGN)
    target_sources(${target} PRIVATE ${stem}${system}.cpp)
  endforeach()
endfunction()
