# Cross-compiles the tests for 64-bit Windows with clang, over the posix thread model's C++
# library that GoogleTest needs; the program has its own toolchain.
set(model posix)
set(QUORM_PROGRAM_TOOLCHAIN ${CMAKE_CURRENT_LIST_DIR}/clang-mingw-w64-x86_64.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw-w64.cmake)
