// The external function table: the Windows functions the screens call, each named by its
// library and function. An entry is looked up on its first call and the address kept; a library
// or function that cannot be found raises a run-time error at that call. Text arguments go over
// as copies in the system's ANSI code page; a text variable gets the whole copy back.
#pragma once

#include <cstdint>
#include <string>

namespace Module1 {

// user32 ShowCursor: -1 shows, 0 hides; returns the new display counter.
int32_t ShowCursor(int32_t bShow);
// advapi32.dll GetUserNameA: writes the user's name into the buffer; nSize is read and written.
int32_t GetUserNameA(std::wstring& lpBuffer, int32_t& nSize);
// user32 ExitWindowsEx: 1 shuts down, 2 restarts, 0 logs off.
int32_t ExitWindowsEx(int32_t uFlags, int32_t dwReserved);
// user32 WinHelpA.
int32_t WinHelpA(int32_t hwnd, const std::wstring& lpHelpFile, int32_t wCommand,
                 const std::wstring& dwData);

}  // namespace Module1

namespace services {

using ExternalAddress = void (*)();
// Finds a function by library and name; returns nullptr or raises when there is none.
using FunctionResolver = ExternalAddress (*)(const char* library, const char* function);

// The system's look-up: loads the library and finds the exported function.
ExternalAddress ResolveFromSystem(const char* library, const char* function);

// Replaces the look-up of every entry and forgets the addresses found so far. Tests use it to
// put recorders in place of the system's functions; nullptr puts the system's look-up back.
void SetFunctionResolver(FunctionResolver resolver);

// Text conversions to and from the system's ANSI code page, every character included.
std::string ToAnsi(const std::wstring& text);
std::wstring FromAnsi(const std::string& bytes);

}  // namespace services
