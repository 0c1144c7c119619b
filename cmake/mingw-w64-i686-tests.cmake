# Cross-compiles the tests for 32-bit Windows, posix thread model as for 64 bits; the program
# has its own toolchain.
set(triple i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(QUORM_PROGRAM_TOOLCHAIN ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-i686.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
