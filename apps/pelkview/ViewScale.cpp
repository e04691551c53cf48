#include "pelkview/ViewScale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/AxisDecimals.h"
#include "core/Axis.h"
#include "plot/NiceScale.h"
#include "render/AxisNumbers.h"

namespace pelk::view {

namespace {

const double kLn10 = std::log(10.0);
constexpr int kMostDecimals = 9;  // a float holds no more digits
// Values beyond this leave single precision no room to zoom out further.
constexpr double kLargestMagnitude = 1e30;
// Below this width relative to its values a range gives neighbouring pixels
// the same single-precision value.
constexpr double kLeastRelativeSpan = 1e-4;
constexpr double kCoverageTolerance = 1e-6;

LinearAxisNumbers NumbersOf(const LinearScale& scale, int numberOfFixed) {
  return {scale.origin, scale.step, scale.divisions, numberOfFixed, scale.decimals};
}

// No number written with its decimals is off its tick by more than a tenth
// of a step (both as written, after a common power of ten).
bool WithinTenthOfStep(const LinearAxisNumbers& numbers) {
  const CommonExponent exponent = AxisCommonExponent(numbers, kLn10);
  const double step = std::fabs(AxisDivisionValue(numbers, exponent, 1, kLn10) -
                                static_cast<double>(AxisDivisionValue(numbers, exponent, 0, kLn10)));
  for (int i = 0; i <= numbers.divisions; ++i) {
    const double value = AxisDivisionValue(numbers, exponent, i, kLn10);
    const double written = std::strtod(AxisDivisionText(numbers, exponent, i, kLn10, '.').c_str(), nullptr);
    if (std::fabs(written - value) > step / 10) return false;
  }
  return true;
}

int DecimalsFor(const LinearScale& scale, int numberOfFixed, bool exact) {
  TAxis axis;
  axis.SetOrgVal(scale.origin);
  axis.SetScale(scale.step);
  axis.SetNdivs(scale.divisions);
  axis.SetNfixed(numberOfFixed);
  const int apart = DecimalsToTellApart(axis, 0);
  if (!exact) return apart;
  LinearAxisNumbers numbers = NumbersOf(scale, numberOfFixed);
  for (int decimals = apart; decimals <= kMostDecimals; ++decimals) {
    numbers.numberOfDecimals = decimals;
    if (WithinTenthOfStep(numbers)) return decimals;
  }
  return apart;
}

double Coverage(const AxisRange& range, const LinearScale& scale) {
  if (!range.nice) return 1.0;
  return std::fabs(range.to - range.from) / std::fabs(scale.divisions * scale.step);
}

}  // namespace

std::optional<LinearScale> ScaleOver(const AxisRange& range, int divisions, int numberOfFixed) {
  if (divisions < 1) return std::nullopt;
  LinearScale scale;
  scale.divisions = divisions;
  if (range.nice) {
    const auto nice = NiceScale(static_cast<float>(range.from), static_cast<float>(range.to), divisions, kLn10);
    if (!nice) return std::nullopt;
    scale.origin = nice->first;
    scale.step = nice->second;
  } else {
    scale.origin = range.from;
    scale.step = (range.to - range.from) / divisions;
  }
  if (!std::isfinite(scale.origin) || !std::isfinite(scale.step) || scale.step == 0.0) return std::nullopt;
  scale.decimals = DecimalsFor(scale, numberOfFixed, !range.nice);
  return scale;
}

std::vector<std::string> NumberTexts(const LinearScale& scale, int numberOfFixed) {
  const LinearAxisNumbers numbers = NumbersOf(scale, numberOfFixed);
  const CommonExponent exponent = AxisCommonExponent(numbers, kLn10);
  std::vector<std::string> texts;
  for (int i = 0; i <= scale.divisions; ++i) texts.push_back(AxisDivisionText(numbers, exponent, i, kLn10));
  return texts;
}

bool NumbersHaveRoom(const std::vector<std::string>& texts, const NumberRoom& room) {
  if (texts.size() < 2) return true;
  const double divisionWidth = static_cast<double>(room.axisLength) / static_cast<double>(texts.size() - 1);
  double previousEnd = 0.0;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const int extent = room.extentOf(texts[i]);
    double centre = static_cast<double>(i) * divisionWidth;
    // The graph lifts a long lowest number so that it ends at its reach.
    if (i == 0 && room.lowestReach && extent / 2 > *room.lowestReach) centre = extent / 2 - *room.lowestReach;
    if (i > 0 && centre - extent / 2.0 - previousEnd < room.gap) return false;
    previousEnd = centre + extent / 2.0;
  }
  return true;
}

std::optional<std::vector<LinearScale>> ChooseScales(std::span<const SharedAxis> axes, int most) {
  std::optional<std::vector<LinearScale>> best, fewest;
  double bestCoverage = -1.0;
  // Counts beyond `most` are tried only for a range that no fewer show
  // (round steps over zero need two divisions).
  for (int divisions = std::max(most, kMostDivisions); divisions >= 1; --divisions) {
    std::vector<LinearScale> scales;
    bool fit = divisions <= most;
    double coverage = 0.0;
    for (const SharedAxis& axis : axes) {
      const std::optional<LinearScale> scale = ScaleOver(axis.range, divisions, axis.numberOfFixed);
      if (!scale) break;
      fit = fit && NumbersHaveRoom(NumberTexts(*scale, axis.numberOfFixed), axis.room);
      coverage += Coverage(axis.range, *scale);
      scales.push_back(*scale);
    }
    if (scales.size() != axes.size()) continue;
    // Round steps held in single precision cover a hair more or less.
    if (fit && coverage > bestCoverage + kCoverageTolerance) {
      best = scales;
      bestCoverage = coverage;
    }
    fewest = std::move(scales);
  }
  return best ? best : fewest;
}

int MostDivisions(int axisLength, int leastWidth) {
  return std::clamp(axisLength / std::max(leastWidth, 1), 1, kMostDivisions);
}

AxisRange ZoomedAbout(const AxisRange& range, double at, double factor, bool log) {
  if (log) {
    if (!(range.from > 0) || !(range.to > 0) || !(at > 0)) return range;
    const AxisRange exponents =
        ZoomedAbout({std::log10(range.from), std::log10(range.to), false}, std::log10(at), factor, false);
    return {std::pow(10.0, exponents.from), std::pow(10.0, exponents.to), false};
  }
  return {at + (range.from - at) * factor, at + (range.to - at) * factor, false};
}

bool Showable(const AxisRange& range, bool log) {
  const double magnitude = std::max(std::fabs(range.from), std::fabs(range.to));
  if (!std::isfinite(magnitude) || magnitude > kLargestMagnitude) return false;
  if (log) return range.from >= 1 / kLargestMagnitude && range.to >= 1 / kLargestMagnitude && range.from != range.to;
  return std::fabs(range.to - range.from) > magnitude * kLeastRelativeSpan;
}

bool Showable(const GraphRanges& ranges, bool logX, bool logY, bool logY2, bool secondY) {
  return Showable(ranges.x, logX) && Showable(ranges.y, logY) && (!secondY || Showable(ranges.y2, logY2));
}

}  // namespace pelk::view
