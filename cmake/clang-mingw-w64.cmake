# What the clang toolchain files share: Debian's clang over the MinGW-w64 headers, libraries and
# GCC's C++ library of the thread model that the including file names in `model` (win32 or
# posix). clang cannot read Debian's GCC folder names ("12-win32") as versions, so the C++
# library's folders are named here; lld links.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${triple})

file(GLOB gcc_folders LIST_DIRECTORIES true "/usr/lib/gcc/${triple}/*-${model}")
list(SORT gcc_folders COMPARE NATURAL ORDER DESCENDING)
list(GET gcc_folders 0 gcc_folder)
set(cxx_include "${gcc_folder}/include/c++")
set(CMAKE_CXX_FLAGS_INIT
  "-isystem ${cxx_include} -isystem ${cxx_include}/${triple} -isystem ${cxx_include}/backward")
set(link_flags_init "-fuse-ld=lld -L${gcc_folder}")
if(model STREQUAL "posix")
  string(APPEND link_flags_init " -pthread")
  set(CMAKE_C_FLAGS_INIT "-pthread")
  string(APPEND CMAKE_CXX_FLAGS_INIT " -pthread")
endif()
set(CMAKE_EXE_LINKER_FLAGS_INIT "${link_flags_init}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${link_flags_init}")

include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
