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

}  // namespace pelk::view
