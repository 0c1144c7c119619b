# What the MinGW-w64 toolchain files share: Windows as the target, and libraries, headers and
# packages found only under the target's own root. The including file sets `triple` first.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT DEFINED CMAKE_RC_COMPILER)
  set(CMAKE_RC_COMPILER ${triple}-windres)
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
