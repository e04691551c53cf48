#include "plot/Mapping.h"

#include <cmath>

#include "platform/Arith.h"
#include "platform/ExtendedArith.h"

namespace pelk {

namespace {

long double Direction(AxisOrientation orientation) {
  return orientation == AxisOrientation::Horizontal ? 1.0L : -1.0L;
}

}  // namespace

std::optional<long double> ValueOffset(const AxisScale& scale, int divisionWidth, float value, double ln10) {
  if (!std::isfinite(value)) return std::nullopt;
  long double offset = 0.0L;
  if (scale.log) {
    if (!(value > 0.0f)) return std::nullopt;
    offset = (std::log(static_cast<long double>(value)) / ln10 - scale.minExponent) * divisionWidth;
  } else {
    if (scale.scalePerDivision == 0.0) return std::nullopt;
    offset = (static_cast<long double>(value) - scale.originValue) * divisionWidth / scale.scalePerDivision;
  }
  if (!std::isfinite(offset)) return std::nullopt;
  return offset;
}

std::optional<float> ValueToPixel(const AxisScale& scale, const AxisPlacement& placement, float value, double ln10) {
  const std::optional<long double> offset = ValueOffset(scale, placement.divisionWidth, value, ln10);
  if (!offset) return std::nullopt;
  const auto pixel = static_cast<float>(placement.originPixel + Direction(placement.orientation) * *offset);
  if (!std::isfinite(pixel)) return std::nullopt;
  return pixel;
}

std::optional<std::int32_t> RoundPixel(float unroundedPixel) {
  std::int32_t pixel = 0;
  if (!RoundToInt32(unroundedPixel, pixel)) return std::nullopt;
  return pixel;
}

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
