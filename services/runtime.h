// The runtime services the screens call: program launch, file attributes and the Windows
// directory.
#pragma once

#include <cstdint>
#include <string>

namespace services {

// Window style for a launched program: a normal window, activated.
inline constexpr int kNormalFocus = 1;
// The attribute bit of a directory.
inline constexpr uint32_t kDirectoryAttribute = 16;

// Starts exactly the named file as a program and returns its task number. A file that cannot
// be started raises a run-time error.
double Shell(const std::wstring& path, int windowStyle);

// The attribute bits of the file or directory at `path`; raises a run-time error when there is
// nothing there or the path cannot be used.
uint32_t GetAttr(const std::wstring& path);

// The directory the system is installed in, without a trailing backslash.
std::wstring WindowsDirectory();

}  // namespace services
