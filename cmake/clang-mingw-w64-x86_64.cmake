# Cross-compiles for 64-bit Windows with Debian's clang over the MinGW-w64 headers, libraries
# and GCC's C++ library. clang cannot read Debian's GCC folder names ("12-posix") as versions,
# so the C++ library's folders are named here; lld links.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${triple})

file(GLOB gcc_folders LIST_DIRECTORIES true "/usr/lib/gcc/${triple}/*-posix")
list(SORT gcc_folders COMPARE NATURAL ORDER DESCENDING)
list(GET gcc_folders 0 gcc_folder)
set(cxx_include "${gcc_folder}/include/c++")
set(CMAKE_CXX_FLAGS_INIT
  "-isystem ${cxx_include} -isystem ${cxx_include}/${triple} -isystem ${cxx_include}/backward")
set(link_flags_init "-fuse-ld=lld -pthread -L${gcc_folder}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${link_flags_init}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${link_flags_init}")
set(CMAKE_C_FLAGS_INIT "-pthread")
string(APPEND CMAKE_CXX_FLAGS_INIT " -pthread")

include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
