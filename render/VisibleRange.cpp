#include "render/VisibleRange.h"

#include <algorithm>
#include <cmath>

namespace pelk {

IndexRange VisibleIndexRange(std::int64_t count, double step, double origin, double lo, double hi,
                             double margin) {
  IndexRange range;
  if (count < 0 || !std::isfinite(origin) || !std::isfinite(step) || step < 0) return range;
  const double from = lo - margin;
  const double to = hi + margin;
  if (step == 0) {
    if (origin >= from && origin <= to) range.last = 0;
    return range;
  }
  const double first = std::ceil((from - origin) / step);
  const double last = std::floor((to - origin) / step);
  range.first = static_cast<std::int64_t>(std::clamp(first, 0.0, static_cast<double>(count)));
  range.last = static_cast<std::int64_t>(std::clamp(last, -1.0, static_cast<double>(count)));
  if (first > static_cast<double>(count)) range.last = -1;
  return range;
}

}  // namespace pelk
