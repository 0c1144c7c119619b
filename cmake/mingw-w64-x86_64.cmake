# Cross-compiles the program for 64-bit Windows with Debian's MinGW-w64, win32 thread model: the
# program starts no thread, and the posix model's thread library would bring an import that
# Windows XP lacks.
set(triple x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER ${triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triple}-g++-win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
