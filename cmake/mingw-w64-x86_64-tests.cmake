# Cross-compiles the tests for 64-bit Windows with Debian's MinGW-w64, posix thread model.
set(QUORM_PROGRAM_TOOLCHAIN ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-posix.cmake)
