# The program: a static core that the executable and the Windows-side tests share.
add_library(quorm_core STATIC
  frame/app.cpp
  frame/controls.cpp
  frame/drawn_at_96_dpi.cpp
  frame/keyboard.cpp
  frame/message_box.cpp
  frame/press_guard.cpp
  frame/resources.cpp
  frame/screen.cpp
  services/module1.cpp
  services/privilege.cpp
  services/runtime.cpp
  services/system_library.cpp
  base/text.cpp
  screens/close_program/form1.cpp
  screens/not_responding/form2.cpp
  screens/shut_down/form3.cpp
)
target_include_directories(quorm_core PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_definitions(quorm_core PUBLIC UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
# SHELL32 and ADVAPI32 are not among them: they are loaded only when a launch or a shut-down
# needs them.
target_link_libraries(quorm_core PUBLIC user32 gdi32)

# The version record's numbers and text come from the project's version.
function(quorm_zero_padded value width out)
  string(LENGTH "${value}" length)
  set(padded "${value}")
  if(length LESS width)
    math(EXPR missing "${width} - ${length}")
    string(REPEAT "0" ${missing} zeros)
    set(padded "${zeros}${value}")
  endif()
  set(${out} "${padded}" PARENT_SCOPE)
endfunction()
quorm_zero_padded("${PROJECT_VERSION_MINOR}" 2 minor)
quorm_zero_padded("${PROJECT_VERSION_TWEAK}" 4 revision)
set(QUORM_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor}.${revision}")
configure_file(app/version.h.in ${PROJECT_BINARY_DIR}/app/version.h @ONLY)

# The resources, compiled once and linked into every executable that shows the screens.
add_library(quorm_resources OBJECT app/quorm.rc)
target_include_directories(quorm_resources PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})

if(DEFINED QUORM_PROGRAM_TOOLCHAIN)
  # This build's toolchain serves the tests; the program is built with its own, in a build of
  # its own, and copied beside them.
  include(ExternalProject)
  ExternalProject_Add(QUORM
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PROJECT_BINARY_DIR}/program
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${QUORM_PROGRAM_TOOLCHAIN}
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DQUORM_BUILD_TESTS=OFF
    INSTALL_COMMAND ${CMAKE_COMMAND} -E copy_if_different <BINARY_DIR>/QUORM.exe
                    ${PROJECT_BINARY_DIR}/QUORM.exe
    BUILD_ALWAYS TRUE
    BUILD_BYPRODUCTS ${PROJECT_BINARY_DIR}/QUORM.exe)
  set(QUORM_PROGRAM_FILE ${PROJECT_BINARY_DIR}/QUORM.exe)
  return()
endif()

add_executable(QUORM WIN32 app/main.cpp $<TARGET_OBJECTS:quorm_resources>)
target_link_libraries(QUORM PRIVATE quorm_core)
set(QUORM_PROGRAM_FILE $<TARGET_FILE:QUORM>)

set(release "$<OR:$<CONFIG:Release>,$<CONFIG:MinSizeRel>>")
if(MINGW)
  # Nothing here is hot: the program waits for input nearly all its life. Optimised as one
  # whole at link time, it is smaller still.
  target_compile_options(quorm_core PRIVATE $<${release}:-Os>)
  target_compile_options(QUORM PRIVATE $<${release}:-Os>)
  set_target_properties(quorm_core QUORM PROPERTIES INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
  # GCC's C++ library, statically linked, brings its defaults for failures that the program
  # reports in its own way.
  target_sources(QUORM PRIVATE app/library_failures.cpp)
  # One self-contained file: the C++ and compiler runtimes go inside it. A release keeps no
  # symbols, drops unused code and data, and stamps no build time into the file.
  target_link_options(QUORM PRIVATE -static -static-libgcc -static-libstdc++
    $<${release}:-Os -s -Wl,--gc-sections -Wl,--no-insert-timestamp>)
  # Windows accepts the file from Windows XP on: 5.1 for 32 bits, 5.2 (XP x64) for 64. Not
  # every linker would say so by itself.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(xp_minor 2)
  else()
    set(xp_minor 1)
  endif()
  target_link_options(QUORM PRIVATE
    -Wl,--major-os-version,5 -Wl,--minor-os-version,${xp_minor}
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,${xp_minor})
elseif(MSVC)
  target_link_options(QUORM PRIVATE $<${release}:/OPT:REF /OPT:ICF /Brepro>)
endif()
