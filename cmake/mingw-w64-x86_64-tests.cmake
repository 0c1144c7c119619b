# Cross-compiles the tests for 64-bit Windows with Debian's MinGW-w64, posix thread model:
# GoogleTest needs the std::mutex that only this model's C++ library has. The program itself is
# built with its own toolchain in a build of its own (cmake/program.cmake).
set(triple x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(QUORM_PROGRAM_TOOLCHAIN ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
