// Fixed-point number texts as the run-time library writes them.
#pragma once

#include <string>

namespace pelk {

// The text of value with 9 significant digits at most and exactly `digits`
// decimals (clamped to 0..18), rounded once, halves away from zero, from the
// exact value of the float. Values with more than 9 integer digits are written
// in scientific form ("1.23456789E10"); NaN and infinities as "NAN", "INF",
// "-INF".
std::string FormatFixed(float value, int digits, char decimalSeparator);

}  // namespace pelk
