// Libraries of the system, loaded from the system folder by their full path, never through the
// search path (where a copy planted beside the program or in the current folder would be found
// first). A library stays loaded for the life of the program, like the addresses found in it.
#pragma once

#include <windows.h>

#include <string>

namespace services {

// The full path in the system folder of the library named `name`, as LoadLibrary takes a name:
// ".dll" is added when the name has no extension. Empty when the folder cannot be found.
std::wstring SystemLibraryPath(const std::wstring& name);

// Loads the library named `name` from the system folder; nullptr when it is not there.
HMODULE LoadSystemLibrary(const std::wstring& name);

// The address of `function` in the system library `name` (for example L"shell32.dll"), or
// nullptr when either cannot be found. Functions that only a rare answer needs are found so,
// the first time they are wanted, rather than imported at start-up.
FARPROC SystemFunction(const wchar_t* name, const char* function);

// Narrows where Windows looks for the libraries that other libraries load by name: the system
// folder alone where Windows can be told so (Windows 8, and 7 or Vista with update KB2533623),
// else at least not the current folder (Windows XP SP1 and later). Called once, at start.
void NarrowLibrarySearch();

// The same, as a pointer of the function's own type.
template <class Function>
Function SystemFunctionAs(const wchar_t* name, const char* function) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(name, function)));
}

}  // namespace services
