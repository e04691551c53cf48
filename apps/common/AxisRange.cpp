#include "common/AxisRange.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace pelk::cli {

std::optional<ValueRange> PlottableRange(std::span<const float> values, bool log) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  // Plottable values lie strictly between the bounds (NaN fails both tests).
  // Kept in lanes without branches, so that the loop runs in vector registers.
  const float above = log ? 0.0f : -kInfinity;
  constexpr std::size_t kLanes = 8;
  std::array<float, kLanes> lo, hi;
  lo.fill(kInfinity);
  hi.fill(-kInfinity);
  const auto take = [&](std::size_t lane, float v) {
    const bool plottable = v > above && v < kInfinity;
    const float low = plottable ? v : kInfinity;
    const float high = plottable ? v : -kInfinity;
    lo[lane] = low < lo[lane] ? low : lo[lane];
    hi[lane] = high > hi[lane] ? high : hi[lane];
  };
  std::size_t i = 0;
  for (; i + kLanes <= values.size(); i += kLanes) {
    for (std::size_t lane = 0; lane < kLanes; ++lane) take(lane, values[i + lane]);
  }
  for (; i < values.size(); ++i) take(0, values[i]);
  const float least = *std::min_element(lo.begin(), lo.end());
  const float greatest = *std::max_element(hi.begin(), hi.end());
  if (least > greatest) return std::nullopt;
  return ValueRange{least, greatest};
}

std::optional<ValueRange> CombinedRange(std::optional<ValueRange> a, std::optional<ValueRange> b) {
  if (!a) return b;
  if (!b) return a;
  return ValueRange{std::min(a->lo, b->lo), std::max(a->hi, b->hi)};
}

ColumnRanges RangesOf(std::span<const float> values) {
  const std::optional<ValueRange> linear = PlottableRange(values, false);
  // Without a value at or below zero the positive values are the finite ones.
  return {linear, !linear || linear->lo > 0.0f ? linear : PlottableRange(values, true)};
}

ColumnRanges CombinedRanges(const ColumnRanges& a, const ColumnRanges& b) {
  return {CombinedRange(a.linear, b.linear), CombinedRange(a.positive, b.positive)};
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
