// The name shown after "Loging off user: ": the user-name buffer with its first character in
// upper case and the rest unchanged.
#pragma once

#include <string>

#include "services/text.h"

namespace close_program {

inline std::wstring DisplayName(const std::wstring& buffer) {
  if (buffer.empty()) return buffer;  // nothing to capitalise, and nothing to cut
  return services::UCase(services::Left(buffer, 1)) +
         services::Right(buffer, services::Len(buffer) - 1);
}

}  // namespace close_program
