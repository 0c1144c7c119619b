# Cross-compiles the program for 32-bit Windows with Debian's MinGW-w64, win32 thread model as
# for 64 bits.
set(triple i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CMAKE_C_COMPILER ${triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triple}-g++-win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
