// Choosing the scale of a linear axis for a range of data: the number of
// divisions and a round step together, so that the data fills most of it.
#pragma once

#include <optional>

#include "common/AxisRange.h"

namespace pelk::cli {

struct LinearScale {
  double origin = 0.0;
  double step = 0.0;
  int divisions = 0;
  friend bool operator==(const LinearScale&, const LinearScale&) = default;
};

// The range of divisions the fit chooses from.
inline constexpr int kFewestFittedDivisions = 3;
inline constexpr int kMostFittedDivisions = 10;
// The part of the axis the data fills at least.
inline constexpr double kLeastCoverage = 0.7;

// How much of the scale's extent the range fills (0 when the scale does not
// hold it).
double Coverage(const LinearScale& scale, ValueRange range);

// A round scale (step 1, 2, 4 or 5 times a power of ten, origin a multiple of
// it) holding the range, with `divisions` divisions, or, when 0, with the
// count from 3 to 10 whose scale the data fills most. When no round scale is
// filled to 70% the axis runs exactly over the range. Equal bounds are widened
// first. nullopt only for bounds that are not finite.
std::optional<LinearScale> FitLinearScale(ValueRange range, int divisions);
// The same choosing the count from `fewest` to `most`.
std::optional<LinearScale> FitLinearScale(ValueRange range, int fewest, int most);

// A scale running exactly from range.lo to range.hi, in `divisions`
// divisions, or, when 0, the count from 3 to 10 whose step has the fewest
// significant digits.
LinearScale ExactLinearScale(ValueRange range, int divisions);

// The number of divisions, 3 to 10, that two axes sharing their divisions
// take: the one whose worse fit is best. A range marked exact is shown as it
// is, every count fitting it.
int SharedDivisions(ValueRange first, ValueRange second, bool firstExact, bool secondExact);

}  // namespace pelk::cli
