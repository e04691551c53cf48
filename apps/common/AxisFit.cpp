#include "common/AxisFit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "plot/NiceScale.h"

namespace pelk::cli {

namespace {

constexpr int kPreferredDivisions = 5;  // among equally good fits
constexpr int kMostStepDigits = 7;      // a float holds no more

bool Finite(ValueRange range) { return std::isfinite(range.lo) && std::isfinite(range.hi); }

std::optional<LinearScale> RoundScale(ValueRange range, int divisions) {
  static const double ln10 = std::log(10.0);
  const auto scale = NiceScale(range.lo, range.hi, divisions, ln10);
  if (!scale || !std::isfinite(scale->first) || !std::isfinite(scale->second) || scale->second == 0.0f) {
    return std::nullopt;
  }
  return LinearScale{scale->first, scale->second, divisions};
}

// The significant digits of a step: 1 for 0.2 and 5000, 2 for 0.25.
int StepDigits(double step) {
  if (!(std::fabs(step) > 0.0) || !std::isfinite(step)) return kMostStepDigits;
  const double magnitude = std::pow(10.0, std::floor(std::log10(std::fabs(step))));
  for (int digits = 1; digits < kMostStepDigits; ++digits) {
    const double mantissa = std::fabs(step) / magnitude * std::pow(10.0, digits - 1);
    if (std::fabs(mantissa - std::round(mantissa)) < 1e-6 * mantissa) return digits;
  }
  return kMostStepDigits;
}

bool Better(int divisions, double value, int bestDivisions, double bestValue, bool higherIsBetter) {
  constexpr double kSame = 1e-9;
  if (std::fabs(value - bestValue) > kSame) return higherIsBetter ? value > bestValue : value < bestValue;
  return std::abs(divisions - kPreferredDivisions) < std::abs(bestDivisions - kPreferredDivisions);
}

// How well a fit serves: its coverage, less a little for each division away
// from 5 (fewer are coarse, more crowd the axis), and any that reach 70%
// before all that do not.
double Merit(int divisions, double coverage) {
  constexpr double kPerDivisionAway = 0.04;
  const double merit = coverage - kPerDivisionAway * std::abs(divisions - kPreferredDivisions);
  return coverage >= kLeastCoverage ? merit + 1.0 : merit;
}

}  // namespace

double Coverage(const LinearScale& scale, ValueRange range) {
  const double extent = std::fabs(scale.step) * scale.divisions;
  const AxisSpan span{false, scale.origin, scale.step, 0, scale.divisions};
  if (!(extent > 0.0) || !AxisCovers(span, range)) return 0.0;
  return (static_cast<double>(range.hi) - range.lo) / extent;
}

std::optional<LinearScale> FitLinearScale(ValueRange range, int divisions) {
  return divisions > 0 ? FitLinearScale(range, divisions, divisions)
                       : FitLinearScale(range, kFewestFittedDivisions, kMostFittedDivisions);
}

std::optional<LinearScale> FitLinearScale(ValueRange range, int fewest, int most) {
  if (!Finite(range) || fewest < 1 || most < fewest) return std::nullopt;
  const ValueRange wide = Widened(range, false);
  if (!Finite(wide) || wide.lo == wide.hi) return std::nullopt;
  const bool fixed = fewest == most;
  std::optional<LinearScale> best;
  double bestCoverage = 0.0;
  for (int d = fewest; d <= most; ++d) {
    const std::optional<LinearScale> scale = RoundScale(wide, d);
    if (!scale) continue;
    const double coverage = Coverage(*scale, wide);
    if (coverage > 0.0 && (!best || Merit(d, coverage) > Merit(best->divisions, bestCoverage))) {
      best = scale;
      bestCoverage = coverage;
    }
  }
  if (best && (fixed || bestCoverage >= kLeastCoverage)) return best;
  return ExactLinearScale(wide, fixed ? fewest : 0);
}

int SharedDivisions(ValueRange first, ValueRange second, bool firstExact, bool secondExact) {
  const auto coverage = [](ValueRange range, bool exact, int divisions) {
    if (exact) return 1.0;
    const std::optional<LinearScale> scale = FitLinearScale(range, divisions);
    return scale ? Coverage(*scale, Widened(range, false)) : 0.0;
  };
  int best = kPreferredDivisions;
  double bestWorse = -1.0;
  for (int d = kFewestFittedDivisions; d <= kMostFittedDivisions; ++d) {
    const double worse = std::min(coverage(first, firstExact, d), coverage(second, secondExact, d));
    if (bestWorse < 0.0 || Better(d, worse, best, bestWorse, true)) {
      best = d;
      bestWorse = worse;
    }
  }
  return best;
}

LinearScale ExactLinearScale(ValueRange range, int divisions) {
  const double span = static_cast<double>(range.hi) - range.lo;
  if (divisions > 0) return {range.lo, span / divisions, divisions};
  LinearScale best{range.lo, span / kPreferredDivisions, kPreferredDivisions};
  int bestDigits = StepDigits(best.step);
  for (int d = kFewestFittedDivisions; d <= kMostFittedDivisions; ++d) {
    const int digits = StepDigits(span / d);
    if (Better(d, digits, best.divisions, bestDigits, false)) {
      best = {range.lo, span / d, d};
      bestDigits = digits;
    }
  }
  return best;
}

}  // namespace pelk::cli
