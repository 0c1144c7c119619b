// The runtime services the screens call: message box, program launch, file attributes, the
// Windows directory and program end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace services {

// Message box style: the stop icon and a single OK button, the only style the program uses.
inline constexpr int kStopOnly = 16;
// Window style for a launched program: a normal window, activated.
inline constexpr int kNormalFocus = 1;
// The attribute bit of a directory.
inline constexpr uint32_t kDirectoryAttribute = 16;

// A modal box that holds the caller until it is closed; timers keep ticking meanwhile. The prompt
// shows up to its first code-0 character, and without a title the box carries the application's.
void MsgBox(const std::wstring& prompt, int style, std::optional<std::wstring> title = {});

// Starts exactly the named file as a program and returns its task number. A file that cannot
// be started raises a run-time error.
double Shell(const std::wstring& path, int windowStyle);

// The attribute bits of the file or directory at `path`; raises a run-time error when there is
// nothing there or the path cannot be used.
uint32_t GetAttr(const std::wstring& path);

// The directory the system is installed in, without a trailing backslash.
std::wstring WindowsDirectory();

// Ends the program at once: no further handler runs.
[[noreturn]] void End();

}  // namespace services
