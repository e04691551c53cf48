#include "render/GridOffsets.h"

#include <cmath>

#include "platform/Arith.h"
#include "platform/ExtendedArith.h"

namespace pelk {

namespace {

// DW * j stored in single precision, as the division of the width is done.
float WidthTimes(int divisionWidth, int j) {
  return static_cast<float>(static_cast<std::int64_t>(divisionWidth) * j);
}

}  // namespace

TRect GridFillRect(int xorigin, int yend, std::int64_t xLength, std::int64_t yLength,
                   std::optional<float> printerScale) {
  if (!printerScale) {
    return {xorigin, yend, ClampToInt(xorigin + xLength + 1), ClampToInt(yend + yLength + 1)};
  }
  const double s = *printerScale;
  return {xorigin, yend, SaturatingAdd(xorigin, ClampToInt(Trunc(static_cast<double>(xLength) * s))),
          SaturatingAdd(yend, ClampToInt(Trunc(static_cast<double>(yLength) * s)))};
}

std::optional<std::int32_t> LinearMinorOffset(int divisionWidth, int minorDivs, int i, int j) {
  if (minorDivs <= 0) return std::nullopt;
  const long double major = static_cast<long double>(divisionWidth) * i;
  return RoundExtendedToInt32(static_cast<long double>(WidthTimes(divisionWidth, j)) / minorDivs + major);
}

std::optional<std::int32_t> LinearMinorOffsetPrinter(int divisionWidth, int minorDivs, int i, int j,
                                                     float printerScale) {
  if (minorDivs <= 0) return std::nullopt;
  const long double major = static_cast<long double>(divisionWidth) * i * printerScale;
  const auto minor = static_cast<float>(static_cast<long double>(static_cast<std::int64_t>(divisionWidth) * j) *
                                        printerScale);
  return RoundExtendedToInt32(major + static_cast<long double>(minor) / minorDivs);
}

std::optional<std::int32_t> MajorOffsetPrinter(int divisionWidth, int i, float printerScale) {
  return RoundExtendedToInt32(static_cast<long double>(divisionWidth) * i * printerScale);
}

float FirstLogDecade(int minExponent, double ln10) {
  if (minExponent == 0) return 0.1f;
  const double power = std::exp(std::fabs(static_cast<double>(minExponent)) * ln10);
  return static_cast<float>(minExponent > 0 ? power * 0.1 : 0.1 / power);
}

float NextLogDecade(float decade) { return static_cast<float>(decade * 10.0); }

float LogMinorPosition(float decade, int j, int minExponent, int divisionWidth, double ln10) {
  const auto value = static_cast<float>(static_cast<long double>(j) * decade);
  return static_cast<float>((std::log(static_cast<long double>(value)) / ln10 - minExponent) * divisionWidth);
}

std::optional<std::int32_t> ScreenOffset(float position) { return RoundExtendedToInt32(position); }

std::optional<std::int32_t> PrinterOffset(float position, float printerScale) {
  return RoundExtendedToInt32(static_cast<long double>(position) * printerScale);
}

}  // namespace pelk
