// Integer arithmetic of the runtime.
#pragma once

#include <cfenv>
#include <climits>
#include <cmath>
#include <cstdint>

#include "base/errors.h"

namespace base {

// Integer division: both operands are rounded to the nearest whole number (halves to even),
// then divided with the quotient truncated toward zero.
inline int32_t IntegerDivide(double dividend, double divisor) {
  const double a = std::nearbyint(dividend);
  const double b = std::nearbyint(divisor);
  if (!(a >= INT32_MIN && a <= INT32_MAX) || !(b >= INT32_MIN && b <= INT32_MAX))
    Raise(errors::kOverflow);
  if (b == 0) Raise(errors::kDivisionByZero);
  if (a == INT32_MIN && b == -1) Raise(errors::kOverflow);
  return static_cast<int32_t>(a) / static_cast<int32_t>(b);
}

}  // namespace base
