#include "platform/ExtendedArith.h"

#include <cmath>

namespace pelk {

std::optional<std::int32_t> RoundExtendedToInt32(long double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const long double r = std::nearbyint(x);
  if (r < -2147483648.0L || r > 2147483647.0L) return std::nullopt;
  return static_cast<std::int32_t>(r);
}

}  // namespace pelk
