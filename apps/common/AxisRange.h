// The value range an axis is fitted to.
#pragma once

#include <optional>
#include <span>

namespace pelk::cli {

struct ValueRange {
  float lo = 0.0f;
  float hi = 0.0f;
  friend bool operator==(const ValueRange&, const ValueRange&) = default;
};

// The least and greatest values an axis can show: finite ones, and on a
// logarithmic axis only positive ones; nullopt when there are none.
std::optional<ValueRange> PlottableRange(std::span<const float> values, bool log);

// The range covering both; either may be absent.
std::optional<ValueRange> CombinedRange(std::optional<ValueRange> a, std::optional<ValueRange> b);

// The values a column's axis can show, linear and logarithmic.
struct ColumnRanges {
  std::optional<ValueRange> linear;    // finite values
  std::optional<ValueRange> positive;  // finite positive values
  std::optional<ValueRange> For(bool log) const { return log ? positive : linear; }
};
ColumnRanges RangesOf(std::span<const float> values);
ColumnRanges CombinedRanges(const ColumnRanges& a, const ColumnRanges& b);

// A range with width: equal bounds move a decade apart on a logarithmic axis,
// and on a linear one by half their magnitude (1 at zero) each way.
ValueRange Widened(ValueRange range, bool log);

// What an axis shows: from its origin over its divisions.
struct AxisSpan {
  bool log = false;
  double originValue = 0.0;       // linear
  double scalePerDivision = 0.0;  // linear
  int minExponent = 0;            // logarithmic: the origin is 10^minExponent
  int divisions = 0;
};

// Whether the axis shows the whole range (to a thousandth of a division).
bool AxisCovers(const AxisSpan& axis, ValueRange range);

}  // namespace pelk::cli
