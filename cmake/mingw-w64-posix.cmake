# What the tests' MinGW-w64 toolchain files share: the program's toolchain, named by the
# including file in QUORM_PROGRAM_TOOLCHAIN, with the posix thread model's compilers, whose C++
# library has the std::mutex that GoogleTest needs. The program itself is built with its own
# toolchain in a build of its own (cmake/program.cmake).
include(${QUORM_PROGRAM_TOOLCHAIN})
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
