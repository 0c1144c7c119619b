// Functions of libraries that only a rare answer needs, loaded from the system folder the first
// time they are wanted rather than at start-up. The library stays loaded for the life of the
// program, like the address found in it.
#pragma once

#include <windows.h>

namespace services {

// The address of `function` in the library `file` (for example L"shell32.dll") of the system
// folder, or nullptr when either cannot be found.
FARPROC SystemFunction(const wchar_t* file, const char* function);

// The same, as a pointer of the function's own type.
template <class Function>
Function SystemFunctionAs(const wchar_t* file, const char* function) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(file, function)));
}

}  // namespace services
