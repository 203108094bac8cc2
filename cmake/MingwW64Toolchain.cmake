# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (POSIX threads,
# which Qt 6 needs for std::thread). Used both for Qt itself and for the
# program; TARVEK_WINDOWS_QT names the cross-built Qt to search.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
if(DEFINED ENV{TARVEK_WINDOWS_QT})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{TARVEK_WINDOWS_QT})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
