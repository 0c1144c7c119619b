// The project record, fixed when the executable is built.
#pragma once

#include <windows.h>

namespace frame {

class Screen;

inline constexpr const wchar_t* kApplicationTitle = L"quorm3";

struct ProjectRecord {
  const wchar_t* name;
  const wchar_t* title;
  const wchar_t* exeName;
  LANGID locale;
  Screen& (*startupScreen)();  // the screen the program opens with
};

}  // namespace frame
