#include "common/AxisDecimals.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "render/AxisNumbers.h"

namespace pelk::view {

namespace {

constexpr int kMostDecimals = 9;        // a float holds no more digits
constexpr int kMostDivisionsTried = 1000;

bool NeighboursDiffer(const LinearAxisNumbers& numbers, double ln10) {
  const CommonExponent exponent = AxisCommonExponent(numbers, ln10);
  std::string previous = AxisDivisionText(numbers, exponent, 0, ln10);
  for (int i = 1; i <= numbers.divisions; ++i) {
    std::string text = AxisDivisionText(numbers, exponent, i, ln10);
    if (text == previous) return false;
    previous = std::move(text);
  }
  return true;
}

}  // namespace

int DecimalsToTellApart(const TAxis& axis, int least) {
  if (axis.LogAxis() || axis.NumberOfDivisions() > kMostDivisionsTried) return least;
  const double ln10 = std::log(10.0);
  LinearAxisNumbers numbers{axis.OriginValue(), axis.ScalePerDivision(), axis.NumberOfDivisions(),
                            axis.NumberOfFixed(), least};
  for (int decimals = std::max(least, 0); decimals <= kMostDecimals; ++decimals) {
    numbers.numberOfDecimals = decimals;
    if (NeighboursDiffer(numbers, ln10)) return decimals;
  }
  return least;
}

int FixedDigitsFor(const TAxis& axis) {
  constexpr int kMostFixedDigits = 7;  // a float holds no more
  const double end = axis.OriginValue() + axis.NumberOfDivisions() * axis.ScalePerDivision();
  const double largest = std::max(std::fabs(axis.OriginValue()), std::fabs(end));
  if (axis.LogAxis() || !(largest >= 1.0) || !std::isfinite(largest)) return axis.NumberOfFixed();
  const int digits = static_cast<int>(std::floor(std::log10(largest))) + 1;
  return digits <= kMostFixedDigits ? std::max(digits, axis.NumberOfFixed()) : axis.NumberOfFixed();
}

}  // namespace pelk::view
