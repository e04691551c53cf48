#include "plot/Mapping.h"

#include <cmath>

#include "platform/ExtendedArith.h"

namespace pelk {

namespace {

long double Direction(AxisOrientation orientation) {
  return orientation == AxisOrientation::Horizontal ? 1.0L : -1.0L;
}

}  // namespace

float PixelToValue(const AxisScale& scale, const AxisPlacement& placement, int pixel, double ln10) {
  const long double atOrigin =
      scale.log ? std::exp(static_cast<long double>(scale.minExponent) * ln10) : scale.originValue;
  if (placement.divisionWidth == 0) return static_cast<float>(atOrigin);
  const long double fromOrigin = static_cast<long double>(pixel) - placement.originPixel;
  const auto divisions =
      static_cast<float>(Direction(placement.orientation) * fromOrigin / placement.divisionWidth);
  if (scale.log) return static_cast<float>(std::exp(divisions * static_cast<long double>(ln10)) * atOrigin);
  return static_cast<float>(divisions * static_cast<long double>(scale.scalePerDivision) + atOrigin);
}

std::optional<std::int32_t> PrinterFromPixel(int pixel, float scaleFactor) {
  return RoundExtendedToInt32(static_cast<long double>(pixel) * scaleFactor);
}

std::optional<std::int32_t> PrinterFromUnrounded(float unroundedPixel, const AxisPlacement& placement,
                                                 float scaleFactor) {
  const long double fromOrigin = static_cast<long double>(unroundedPixel) - placement.originPixel;
  return RoundExtendedToInt32(Direction(placement.orientation) * fromOrigin * scaleFactor);
}

}  // namespace pelk
