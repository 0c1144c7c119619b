// The number of the run-time error an action raises, or 0 when it raises none.
#pragma once

#include <functional>

#include "base/errors.h"

namespace testing_support {

inline int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const base::RuntimeError& e) {
    return e.number;
  }
  return 0;
}

}  // namespace testing_support
