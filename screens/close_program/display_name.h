// The name shown after "Loging off user: ": the user-name buffer with its first character in
// upper case and the rest unchanged.
#pragma once

#include <string>

#include "base/text.h"

namespace close_program {

inline std::wstring DisplayName(const std::wstring& buffer) {
  if (buffer.empty()) return buffer;  // nothing to capitalise, and nothing to cut
  return base::UCase(base::Left(buffer, 1)) + base::Right(buffer, base::Len(buffer) - 1);
}

}  // namespace close_program
