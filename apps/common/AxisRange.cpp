#include "common/AxisRange.h"

#include <algorithm>
#include <cmath>

namespace pelk::cli {

std::optional<ValueRange> PlottableRange(std::span<const float> values, bool log) {
  std::optional<ValueRange> range;
  for (float v : values) {
    if (!std::isfinite(v) || (log && !(v > 0.0f))) continue;
    if (!range) {
      range = ValueRange{v, v};
    } else {
      range->lo = std::min(range->lo, v);
      range->hi = std::max(range->hi, v);
    }
  }
  return range;
}

std::optional<ValueRange> CombinedRange(std::optional<ValueRange> a, std::optional<ValueRange> b) {
  if (!a) return b;
  if (!b) return a;
  return ValueRange{std::min(a->lo, b->lo), std::max(a->hi, b->hi)};
}

ValueRange Widened(ValueRange range, bool log) {
  if (range.lo != range.hi) return range;
  const float v = range.lo;
  if (log) return {v / 10.0f, v * 10.0f};
  const float half = v == 0.0f ? 1.0f : std::fabs(v) / 2.0f;
  return {v - half, v + half};
}

bool AxisCovers(const AxisSpan& axis, ValueRange range) {
  constexpr double kTolerance = 1e-3;  // of a division
  if (axis.log) {
    if (!(range.lo > 0.0f)) return false;
    const double first = axis.minExponent;
    const double last = first + axis.divisions;
    return std::log10(static_cast<double>(range.lo)) >= first - kTolerance &&
           std::log10(static_cast<double>(range.hi)) <= last + kTolerance;
  }
  const double end = axis.originValue + axis.divisions * axis.scalePerDivision;
  const double low = std::min(axis.originValue, end);
  const double high = std::max(axis.originValue, end);
  const double slack = std::fabs(axis.scalePerDivision) * kTolerance;
  return range.lo >= low - slack && range.hi <= high + slack;
}

}  // namespace pelk::cli
