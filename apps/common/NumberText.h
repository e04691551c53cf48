// Numbers written as decimal text.
#pragma once

#include <optional>
#include <string_view>

namespace pelk::cli {

// A plain decimal (optional sign, digits with at most one point, at most 19
// digits in all, no exponent) whose value can be computed exactly in double
// precision: the value std::from_chars gives. nullopt for anything else,
// which the full parser then decides.
std::optional<double> ParsePlainDecimal(std::string_view text);

// A decimal number (optional sign, exponent, "inf", "nan"); nullopt for
// anything else. Out-of-range magnitudes become infinity or zero.
std::optional<double> ParseNumber(std::string_view field);

// Narrows to single precision; magnitudes beyond its range become infinity.
float ToFloat(double value);

}  // namespace pelk::cli
