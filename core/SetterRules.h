// Shared pieces of the property setter rules: compare first, then store,
// lengths and counts as absolute values.
#pragma once

#include <climits>

namespace pelk {

// |value|; the most negative integer, whose magnitude does not fit, becomes
// the largest one.
constexpr int AbsoluteValue(int value) {
  if (value == INT_MIN) return INT_MAX;
  return value < 0 ? -value : value;
}

// Stores value when it differs from field; reports whether it did.
template <typename T>
bool StoreIfDifferent(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

// Compares the value as passed, then stores its absolute value: assigning
// -5 to a field holding 5 stores 5 and still counts as a change.
inline bool StoreAbsoluteIfDifferent(int& field, int value) {
  if (field == value) return false;
  field = AbsoluteValue(value);
  return true;
}

}  // namespace pelk
