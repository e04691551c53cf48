#include "plot/AxisFit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/SetterRules.h"
#include "platform/Arith.h"
#include "plot/NiceScale.h"

namespace pelk {

namespace {

// Steps of the origin walked one by one; farther origins are jumped close first.
constexpr int kMaxOriginSteps = 1 << 16;
// Logarithms beyond this cannot come from a float and a sane ln10.
constexpr float kLogLimit = 1.0e6f;

// |divisions|, with INT_MIN taken as INT_MAX; 0 keeps the current count.
int RequestedDivisions(const AxisFitRequest& r) {
  if (r.divisions == 0) return r.numberOfDivisions;
  return AbsoluteValue(r.divisions);
}

// Whole part of a float log10, rounded down (negative logarithms step one
// lower unless whole).
std::optional<int> FloorLog10(float value, double ln10) {
  const auto L = static_cast<float>(std::log(static_cast<double>(value)) / ln10);
  if (!(std::fabs(L) < kLogLimit)) return std::nullopt;
  return static_cast<int>(std::floor(L));
}

std::optional<int> CeilLog10(float value, double ln10) {
  const auto L = static_cast<float>(std::log(static_cast<double>(value)) / ln10);
  if (!(std::fabs(L) < kLogLimit)) return std::nullopt;
  return static_cast<int>(std::ceil(L));
}

std::vector<AxisAssignment> PlanLogAutoScale(const AxisFitRequest& r, double ln10) {
  if (!std::isfinite(r.value1) || !std::isfinite(r.value2)) return {};
  if (!(r.value1 > 0.0f) || !(r.value2 > 0.0f)) return {};
  const float lo = std::min(r.value1, r.value2);
  const float hi = std::max(r.value1, r.value2);
  const std::optional<int> e1 = FloorLog10(lo, ln10);
  if (!e1) return {};
  if (r.value1 == r.value2) return {{AxisField::MinExponent, *e1}};
  const std::optional<int> eHi = CeilLog10(hi, ln10);
  if (!eHi) return {};
  std::int64_t n = static_cast<std::int64_t>(*eHi) - *e1;
  if (n == 0) n = 1;
  std::vector<AxisAssignment> plan;
  if (!r.autoSize) {
    // The axis keeps its length: the old length shared by the new divisions.
    const std::int64_t length = static_cast<std::int64_t>(r.numberOfDivisions) * r.divisionWidth;
    plan.push_back({AxisField::DivisionWidth, ClampToInt(length / n)});
  }
  plan.push_back({AxisField::NumberOfDivisions, ClampToInt(n)});
  plan.push_back({AxisField::MinExponent, *e1});
  return plan;
}

std::vector<AxisAssignment> PlanLogFixed(const AxisFitRequest& r, int divisions) {
  const float whole = std::trunc(r.value1);
  if (!std::isfinite(whole) || whole < -2147483648.0f || whole >= 2147483648.0f) return {};
  return {{AxisField::MinExponent, static_cast<int>(whole)}, {AxisField::NumberOfDivisions, divisions}};
}

// Moves origin forward by whole steps until value1 lies less than one
// division past it, each new origin rounded by hold; nullopt when an origin
// overflows or a step no longer moves it. An origin very many steps away
// (a count of divisions in the millions) is first moved close in one jump,
// so the walk takes a bounded number of rounds.
template <class Hold>
std::optional<double> WalkOrigin(double origin, double step, float value1, int divisionWidth, Hold hold) {
  double next = hold(origin - step);
  const double ahead = std::floor((value1 - next) / step);
  if (ahead > kMaxOriginSteps) next = hold(next + (ahead - 2) * step);
  for (int round = 0; round < kMaxOriginSteps + 4; ++round) {
    const double previous = next;
    next = hold(next + step);
    if (!std::isfinite(next)) return std::nullopt;
    const long double pixels =
        (static_cast<long double>(value1) - next) / step * static_cast<long double>(divisionWidth);
    if (std::trunc(pixels) < divisionWidth) return next;
    if (next == previous) return std::nullopt;
  }
  return std::nullopt;
}

// The origin held in single precision after each step; where that
// overflows, or the step is lost in a float's precision, in double.
std::optional<double> AlignOrigin(double origin, double step, float value1, int divisionWidth) {
  const auto single = [](double v) { return static_cast<double>(static_cast<float>(v)); };
  const auto keep = [](double v) { return v; };
  if (const auto aligned = WalkOrigin(origin, step, value1, divisionWidth, single)) return aligned;
  return WalkOrigin(origin, step, value1, divisionWidth, keep);
}

std::vector<AxisAssignment> PlanLinear(const AxisFitRequest& r, int divisions, double ln10) {
  if (!std::isfinite(r.value1) || !std::isfinite(r.value2)) return {};
  std::pair<double, double> scale{r.value1, r.value2};
  if (r.autoScale) {
    const auto nice = NiceScale(r.value1, r.value2, divisions, ln10);
    if (!nice) return {};
    scale = *nice;
  }
  auto [origin, step] = scale;
  if (step != 0.0 && r.divisionWidth > 0) {
    const std::optional<double> aligned = AlignOrigin(origin, step, r.value1, r.divisionWidth);
    if (!aligned) return {};
    origin = *aligned;
  }
  return {{AxisField::OriginValue, origin}, {AxisField::ScalePerDivision, step}, {AxisField::NumberOfDivisions, divisions}};
}

}  // namespace

std::vector<AxisAssignment> PlanAxisFit(const AxisFitRequest& request, double ln10) {
  const int divisions = RequestedDivisions(request);
  if (!request.logAxis) return PlanLinear(request, divisions, ln10);
  if (request.autoScale) return PlanLogAutoScale(request, ln10);
  return PlanLogFixed(request, divisions);
}

}  // namespace pelk
