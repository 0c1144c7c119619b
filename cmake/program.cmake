# The program: a static core that the executable and the Windows-side tests share.
add_library(quorm_core STATIC
  frame/app.cpp
  frame/controls.cpp
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

add_executable(QUORM WIN32 app/main.cpp $<TARGET_OBJECTS:quorm_resources>)
target_link_libraries(QUORM PRIVATE quorm_core)

set(release "$<OR:$<CONFIG:Release>,$<CONFIG:MinSizeRel>>")
if(MINGW)
  # Nothing here is hot: the program waits for input nearly all its life.
  target_compile_options(quorm_core PRIVATE $<${release}:-Os>)
  target_compile_options(QUORM PRIVATE $<${release}:-Os>)
  # One self-contained file: the C++ and compiler runtimes go inside it. A release keeps no
  # symbols, drops unused code and data, and stamps no build time into the file.
  target_link_options(QUORM PRIVATE -static -static-libgcc -static-libstdc++
    $<${release}:-s -Wl,--gc-sections -Wl,--no-insert-timestamp>)
elseif(MSVC)
  target_link_options(QUORM PRIVATE $<${release}:/OPT:REF /OPT:ICF /Brepro>)
endif()
