// Message boxes, as the screens and the error report show them.
#pragma once

#include <optional>
#include <string>

namespace frame {

// Message box style: the stop icon and a single OK button, the only style the program uses.
inline constexpr int kStopOnly = 16;

// A modal box that holds the caller until it is closed; timers keep ticking meanwhile. The prompt
// shows up to its first code-0 character, and without a title the box carries the application's.
void MsgBox(const std::wstring& prompt, int style, std::optional<std::wstring> title = {});

}  // namespace frame
