#include "plot/NiceScale.h"

#include <array>
#include <cmath>

namespace pelk {

namespace {

constexpr std::array<double, 5> kMantissas = {1.0, 2.0, 4.0, 5.0, 10.0};
constexpr double kTolerance = 1.0e-8;
// Beyond this exponent every double step is infinite; a safety stop.
constexpr double kMaxExponent = 400.0;

// The power of ten just below raw (one lower for a negative logarithm, whole
// ones included) and the index of the first mantissa reaching raw at it.
std::pair<double, std::size_t> FirstCandidate(double raw, double ln10) {
  const double L = std::log(raw) / ln10;
  const double e = L < 0 ? std::trunc(L) - 1 : std::trunc(L);
  const double m = std::exp((L - e) * ln10);
  std::size_t i = 0;
  while (i + 1 < kMantissas.size() && kMantissas[i] < m - kTolerance) ++i;
  return {e, i};
}

}  // namespace

double SingleWhereItFits(double v) {
  const auto single = static_cast<float>(v);
  return std::isfinite(single) ? static_cast<double>(single) : v;
}

std::optional<std::pair<double, double>> NiceScale(float lo, float hi, int divisions, double ln10) {
  if (!std::isfinite(lo) || !std::isfinite(hi) || divisions <= 0) return std::nullopt;
  if (!std::isfinite(ln10) || !(ln10 > 0.0)) return std::nullopt;
  if (hi == lo) return std::pair<double, double>{lo, hi};
  const bool reversed = hi < lo;
  if (reversed) std::swap(lo, hi);
  // One division from a whole multiple at or below a negative lo ends at 0
  // or below: no step reaches a positive hi.
  if (divisions == 1 && lo < 0 && hi > 0) return std::nullopt;

  const double raw = (static_cast<double>(hi) - lo) / divisions;
  auto [e, i] = FirstCandidate(raw, ln10);
  if (!std::isfinite(e)) return std::nullopt;
  double step = 0.0;
  double origin = 0.0;
  double top = 0.0;
  do {
    if (i == kMantissas.size() - 1) {
      e += 1.0;
      i = 0;
    }
    if (e > kMaxExponent) return std::nullopt;
    step = std::exp(e * ln10) * kMantissas[i];
    if (!std::isfinite(step)) return std::nullopt;
    // Whole steps below lo: rounded down, also for negative bounds.
    float q = static_cast<float>(lo / step);
    if (q != std::trunc(q) && lo < 0) q = q - 1.0f;
    origin = std::trunc(q) * step;
    top = divisions * step + origin;
    if (!std::isfinite(top)) return std::nullopt;
    ++i;
  } while (!(hi < top || std::fabs(hi - top) < kTolerance));

  if (reversed) {
    step = -step;
    origin = top;
  }
  return std::pair{SingleWhereItFits(origin), SingleWhereItFits(step)};
}

}  // namespace pelk
