// Shared pieces of the property setter rules: the absolute value of a
// length or count, safe for the most negative integer.
#pragma once

#include <climits>

namespace pelk {

// |value|; the most negative integer, whose magnitude does not fit, becomes
// the largest one.
constexpr int AbsoluteValue(int value) {
  if (value == INT_MIN) return INT_MAX;
  return value < 0 ? -value : value;
}

}  // namespace pelk
