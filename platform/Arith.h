// Arithmetic of the platform's run-time library: rounding, truncation, MulDiv.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace pelk {

// Whether a 64-bit value fits a 32-bit int.
constexpr bool FitsInt(std::int64_t value) {
  return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

// A 64-bit value brought into the 32-bit range: sizes and positions of
// absurd magnitude saturate instead of wrapping.
constexpr int ClampToInt(std::int64_t value) {
  return static_cast<int>(
      std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// a + b, saturated to the 32-bit range.
constexpr int SaturatingAdd(int a, int b) { return ClampToInt(std::int64_t{a} + b); }

// a * b / c with a 64-bit intermediate, rounded to nearest with halves away
// from zero. Returns -1 when c is 0 or the result does not fit 32 bits.
int MulDiv(int a, int b, int c);

// Nearest integer, halves to the even neighbour. NaN gives 0; values beyond
// the 64-bit range saturate.
std::int64_t Round(double x);

// Drops the fraction (towards zero). NaN gives 0; values beyond the 64-bit
// range saturate.
std::int64_t Trunc(double x);

}  // namespace pelk
