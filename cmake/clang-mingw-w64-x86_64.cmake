# Cross-compiles the program for 64-bit Windows with clang, over the win32 thread model's C++
# library as the GCC build does.
set(model win32)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw-w64.cmake)
