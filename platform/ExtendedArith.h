// Rounding of extended-precision (long double) intermediates into integers.
#pragma once

#include <cstdint>
#include <optional>

namespace pelk {

// Nearest integer, halves to the even neighbour, rounded once in extended
// precision; nullopt for NaN, infinities and results outside 32 bits.
std::optional<std::int32_t> RoundExtendedToInt32(long double x);

}  // namespace pelk
